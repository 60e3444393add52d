#pragma once

#include <vector>

#include "platform/Backups.h"
#include "platform/InstallPaths.h"

// Every file this program may save, with the entries it writes there: each variant's
// candidate aircraft files and Prefs.cfg. What may have a backup, for Restore Backups.
std::vector<SavedFile> FilesTheProgramSaves(const InstallPaths& paths);
