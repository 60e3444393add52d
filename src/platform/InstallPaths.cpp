#include "platform/InstallPaths.h"

#include <vector>

namespace {

bool IsSeparator(char16_t c) { return c == '\\' || c == '/'; }

// The path without "." parts, empty parts or a separator at its end, each ".." taking the
// part before it away, as Windows reads it. ".." never climbs above a drive ("C:") or a
// share ("\\server\share"); in a relative path, one with nothing left to take away is kept.
std::u16string Resolve(const std::u16string& path) {
    std::u16string root;
    std::size_t fixedParts = 0;  // the server and the share of a network path
    std::size_t start = 0;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        root.push_back(u'\\');
        fixedParts = 2;
        start = 2;
    } else if (path.size() >= 2 && path[1] == ':') {
        root = path.substr(0, 2);
        start = 2;
    }
    const bool relative = root.empty() && (path.empty() || !IsSeparator(path[0]));
    std::vector<std::u16string> parts;
    std::u16string part;
    for (std::size_t i = start; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i])) {
            part += path[i];
            continue;
        }
        if (part == u"..") {
            if (parts.size() > fixedParts && parts.back() != u"..") {
                parts.pop_back();
            } else if (relative) {
                parts.push_back(part);
            }
        } else if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        part.clear();
    }
    std::u16string resolved = root;
    for (std::size_t i = 0; i < parts.size(); ++i) resolved += (i > 0 || !relative ? u"\\" : u"") + parts[i];
    return resolved;
}

}  // namespace

InstallPaths ComputeInstallPaths(const std::optional<std::u16string>& registeredExePath,
                                 const std::u16string& currentDirectory, AnsiNarrowing narrow) {
    InstallPaths paths;
    paths.source = registeredExePath ? FolderSource::Registry : FolderSource::AboveCurrentFolder;
    const std::u16string folder = Resolve(registeredExePath ? *registeredExePath : currentDirectory + u"\\..\\..");
    if (!narrow(folder, paths.fsRoot)) paths.unheldFolder = folder;
    paths.prefs = paths.fsRoot + "\\Velmora\\Skyliner\\Prefs.cfg";
    return paths;
}

std::u16string UnheldFolderMessage(const std::u16string& folder) {
    return u"The simulator's folder\n" + folder +
           u"\nhas characters that the language for non-Unicode programs set in Windows lacks: neither Flight "
           u"Simulator 2004 nor this program can open its files, and this program will report them missing.\n\n"
           u"Install the simulator in a folder named in that language, or set that language to one that has these "
           u"characters (Control Panel, Region, Administrative), then restart Windows.";
}

void AddProgramFolder(InstallPaths& paths, const std::optional<std::u16string>& applicationData, AnsiNarrowing narrow) {
    if (!applicationData || applicationData->empty()) return;
    const std::u16string folder = Resolve(*applicationData) + u"\\FS9 Skyliner Config";
    if (!narrow(folder, paths.programFolder)) paths.unheldProgramFolder = folder;
    paths.settings = paths.programFolder + "\\Settings.ini";
}

std::u16string UnheldProgramFolderMessage(const std::u16string& folder) {
    return u"This program's folder for your settings and the flight plans it fetches,\n" + folder +
           u"\nhas characters that the language for non-Unicode programs set in Windows lacks, so nothing can be kept "
           u"there.\n\nSet that language to one that has these characters (Control Panel, Region, Administrative), "
           u"then restart Windows.";
}
