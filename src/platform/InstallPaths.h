#pragma once

#include <optional>
#include <string>

// Where the simulator is installed and where the add-on keeps its preferences file.
struct InstallPaths {
    std::string fsRoot;  // the simulator's folder, as found (no separator added or removed)
    std::string prefs;   // fsRoot followed by the add-on's preferences file
};

// From the simulator's registered "EXE Path" (nothing when it could not be read) or,
// failing that, two folders above the current directory, written unresolved.
InstallPaths ComputeInstallPaths(const std::optional<std::string>& registeredExePath,
                                 const std::string& currentDirectory);
