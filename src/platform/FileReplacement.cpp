#include "platform/FileReplacement.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <random>

namespace {

// A short name in the target's folder, so that a long file name cannot make it too long;
// random per process, so that names left by an interrupted run are not met again.
std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{std::random_device{}()};
    std::size_t separator = path.find_last_of("\\/");
    std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
    char name[24];
    std::snprintf(name, sizeof name, "~sky%08x.tmp", counter++);
    return folder + name;
}

// The existing file edited in place. Growth comes first, past the old end, so that a full
// disk is found before any old byte changes; then only the changed range is written; a
// shrink comes last.
FileStatus RewriteInPlace(FileSystem& fileSystem, const std::string& path, const std::string& oldBytes,
                          const std::string& bytes) {
    std::size_t common = std::min(oldBytes.size(), bytes.size());
    std::size_t firstChange = std::mismatch(oldBytes.begin(), oldBytes.begin() + common, bytes.begin()).first -
                              oldBytes.begin();
    if (bytes.size() > oldBytes.size()) {
        FileStatus status = fileSystem.WriteInPlace(path, oldBytes.size(), bytes.substr(oldBytes.size()));
        if (status != FileStatus::Ok) {
            fileSystem.Truncate(path, oldBytes.size());
            return status;
        }
    }
    if (firstChange < common) {
        FileStatus status = fileSystem.WriteInPlace(path, firstChange, bytes.substr(firstChange, common - firstChange));
        if (status != FileStatus::Ok) return status;
    }
    if (bytes.size() < oldBytes.size()) return fileSystem.Truncate(path, bytes.size());
    return FileStatus::Ok;
}

bool RefusedByFolder(FileStatus status) { return status == FileStatus::AccessDenied; }

bool RefusedByOtherProgram(FileStatus status) {
    return status == FileStatus::AccessDenied || status == FileStatus::Locked;
}

}  // namespace

FileStatus ReplaceFileContent(FileSystem& fileSystem, const std::string& path,
                              const std::optional<std::string>& oldBytes, const std::string& bytes) {
    constexpr int kAttempts = 4;
    FileStatus status = FileStatus::Failed;
    std::string temporary;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = TemporaryName(path);
        status = fileSystem.WriteNewFile(temporary, bytes);
        if (status != FileStatus::AlreadyExists) break;
    }
    if (status != FileStatus::Ok) {
        if (oldBytes && RefusedByFolder(status)) return RewriteInPlace(fileSystem, path, *oldBytes, bytes);
        // The file was just read, so its folder exists: that is not the reason.
        if (oldBytes && status == FileStatus::FolderMissing) return FileStatus::Failed;
        return status;
    }
    if (oldBytes) {
        status = fileSystem.CopyAttributes(path, temporary);
        if (status != FileStatus::Ok) {
            fileSystem.Remove(temporary);
            return RewriteInPlace(fileSystem, path, *oldBytes, bytes);
        }
    }
    status = fileSystem.Replace(temporary, path);
    if (status == FileStatus::Ok) return status;
    fileSystem.Remove(temporary);
    if (oldBytes && RefusedByOtherProgram(status)) return RewriteInPlace(fileSystem, path, *oldBytes, bytes);
    return status;
}
