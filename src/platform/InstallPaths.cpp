#include "platform/InstallPaths.h"

InstallPaths ComputeInstallPaths(const std::optional<std::string>& registeredExePath,
                                 const std::string& currentDirectory) {
    InstallPaths paths;
    paths.fsRoot = registeredExePath ? *registeredExePath : currentDirectory + "\\..\\..";
    paths.prefs = paths.fsRoot + "\\Velmora\\Skyliner\\Prefs.cfg";
    return paths;
}
