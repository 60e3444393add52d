#pragma once

#include <optional>
#include <string>

#include "platform/InstallPaths.h"

// The user's application data folder (the roaming one), in UTF-16; nothing when the system
// names none.
std::optional<std::u16string> ApplicationDataFolder();

// Makes the program's own folder when it is not there yet, just before something is first
// kept in it; a failure shows in the write that follows.
void MakeProgramFolder(const InstallPaths& paths);
