#include "app/AboutText.h"

std::string AboutText(const std::string& version, const InstallPaths& paths, FileStatus prefsStatus) {
    const char* found =
        paths.source == FolderSource::Registry ? "from the registry" : "two folders above the current folder";
    std::string prefsState = "exists";
    if (IsMissing(prefsStatus)) {
        prefsState = "does not exist";
    } else if (prefsStatus != FileStatus::Ok) {
        prefsState = std::string("exists but cannot be read: ") + DescribeFileStatus(prefsStatus);
    }
    return "FS9 Skyliner Config version " + version + "\n\nSimulator folder (" + found + "):\n" + paths.fsRoot +
           "\n\nPreferences file (" + prefsState + "):\n" + paths.prefs;
}
