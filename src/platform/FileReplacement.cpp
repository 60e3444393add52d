#include "platform/FileReplacement.h"

#include <atomic>

namespace {

// Names for the temporary file beside the target; a name left over by an interrupted
// write is skipped, not reused.
std::string TemporaryName(const std::string& path, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    return path + ".~" + std::to_string(counter++) + "-" + std::to_string(attempt) + ".tmp";
}

}  // namespace

FileStatus ReplaceFileContent(FileSystem& fileSystem, const std::string& path,
                              const std::string& bytes, bool fileExists) {
    constexpr unsigned kAttempts = 8;
    FileStatus status = FileStatus::Failed;
    std::string temporary;
    for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = TemporaryName(path, attempt);
        status = fileSystem.WriteNewFile(temporary, bytes);
        if (status != FileStatus::AlreadyExists) break;
    }
    if (status == FileStatus::Ok) {
        if (fileExists) fileSystem.CopyAttributes(path, temporary);
        status = fileSystem.Replace(temporary, path);
        if (status == FileStatus::Ok) return FileStatus::Ok;
        fileSystem.Remove(temporary);
    }
    // A full disk or a missing folder will not be cured by writing in place.
    if (!fileExists || status == FileStatus::DiskFull || status == FileStatus::FolderMissing) {
        return status;
    }
    return fileSystem.RewriteInPlace(path, bytes);
}
