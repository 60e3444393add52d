#pragma once

#include <optional>
#include <string>

// How the simulator's folder was found.
enum class FolderSource { Registry, AboveCurrentFolder };

// Where the simulator is installed and where the add-on keeps its preferences file.
struct InstallPaths {
    std::string fsRoot;  // the simulator's folder, resolved, without a separator at its end
    std::string prefs;   // fsRoot followed by the add-on's preferences file
    FolderSource source = FolderSource::Registry;
};

// From the simulator's registered "EXE Path" (nothing when it could not be read) or,
// failing that, two folders above the current directory. The folder is resolved as Windows
// resolves a path ("." and ".." parts and doubled separators removed), so that every path
// built from it names its file as the user knows it. A drive's root is left as "C:", to
// which the files' paths add their separator.
InstallPaths ComputeInstallPaths(const std::optional<std::string>& registeredExePath,
                                 const std::string& currentDirectory);
