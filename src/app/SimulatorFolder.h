#pragma once

#include "platform/InstallPaths.h"

// Reads the simulator's registered folder (or falls back to the current directory) and
// derives the preferences file from it.
InstallPaths FindInstallPaths();
