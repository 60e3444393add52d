#include "platform/InstallPaths.h"

#include <vector>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The path without "." parts, empty parts or a separator at its end, each ".." taking the
// part before it away, as Windows reads it. ".." never climbs above a drive ("C:") or a
// share ("\\server\share"); in a relative path, one with nothing left to take away is kept.
std::string Resolve(const std::string& path) {
    std::string root;
    std::size_t fixedParts = 0;  // the server and the share of a network path
    std::size_t start = 0;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        root = "\\";
        fixedParts = 2;
        start = 2;
    } else if (path.size() >= 2 && path[1] == ':') {
        root = path.substr(0, 2);
        start = 2;
    }
    const bool relative = root.empty() && (path.empty() || !IsSeparator(path[0]));
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = start; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i])) {
            part += path[i];
            continue;
        }
        if (part == "..") {
            if (parts.size() > fixedParts && parts.back() != "..") {
                parts.pop_back();
            } else if (relative) {
                parts.push_back(part);
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    }
    std::string resolved = root;
    for (std::size_t i = 0; i < parts.size(); ++i) resolved += (i > 0 || !relative ? "\\" : "") + parts[i];
    return resolved;
}

}  // namespace

InstallPaths ComputeInstallPaths(const std::optional<std::string>& registeredExePath,
                                 const std::string& currentDirectory) {
    InstallPaths paths;
    paths.source = registeredExePath ? FolderSource::Registry : FolderSource::AboveCurrentFolder;
    paths.fsRoot = Resolve(registeredExePath ? *registeredExePath : currentDirectory + "\\..\\..");
    paths.prefs = paths.fsRoot + "\\Velmora\\Skyliner\\Prefs.cfg";
    return paths;
}
