#pragma once

#include "platform/InstallPaths.h"

// Reads the simulator's registered folder (or falls back to the current directory) in UTF-16
// and derives the preferences file from it, both in the ANSI code page where it can hold them;
// adds the program's own folder in the user's application data.
InstallPaths FindInstallPaths();
