#pragma once

#include <string>

#include "platform/FileStatus.h"
#include "platform/InstallPaths.h"

// What the About box says, made for pasting into a support request: the program and its
// version, the simulator's folder in use and how it was found, and the preferences file
// with whether it is there (`prefsStatus`, from a check that it can be read), and the
// program's own settings file likewise (`settingsStatus`).
std::string AboutText(const std::string& version, const InstallPaths& paths, FileStatus prefsStatus,
                      FileStatus settingsStatus);
