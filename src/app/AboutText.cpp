#include "app/AboutText.h"

namespace {

std::string FileState(FileStatus status) {
    if (IsMissing(status)) return "does not exist";
    if (status != FileStatus::Ok) return std::string("exists but cannot be read: ") + DescribeFileStatus(status);
    return "exists";
}

}  // namespace

std::string AboutText(const std::string& version, const InstallPaths& paths, FileStatus prefsStatus,
                      FileStatus settingsStatus) {
    const char* found =
        paths.source == FolderSource::Registry ? "from the registry" : "two folders above the current folder";
    std::string settings = "\n\nSettings file (" + FileState(settingsStatus) + "):\n" + paths.settings;
    if (!paths.unheldProgramFolder.empty() || paths.programFolder.empty()) {
        settings = "\n\nSettings file: none can be kept (the application data folder has characters that the "
                   "language for non-Unicode programs lacks, or Windows names none)";
    }
    return "FS9 Skyliner Config version " + version + "\n\nSimulator folder (" + found + "):\n" + paths.fsRoot +
           "\n\nPreferences file (" + FileState(prefsStatus) + "):\n" + paths.prefs + settings;
}
