#include "platform/Backups.h"

#include <memory>

#include "platform/Profile.h"

std::string BackupPathOf(const std::string& path) { return path + ".skyliner-backup"; }

FirstBackups::FirstBackups(FileSystem& fileSystem) : fileSystem_(fileSystem) {}

FileStatus FirstBackups::Keep(const std::string& path) {
    if (created_.count(path)) return FileStatus::Ok;
    const std::string backup = BackupPathOf(path);
    std::string bytes;
    FileStatus status = fileSystem_.Read(backup, bytes);
    // A folder in the backup's place holds no backup: writing one then fails and says so.
    if (!IsMissing(status) && status != FileStatus::IsFolder) return FileStatus::Ok;
    {
        std::unique_ptr<FileSystem::WriteLock> lock;
        status = fileSystem_.LockForWriting(path, lock);
        if (status != FileStatus::Ok) return status;
        status = fileSystem_.Read(path, bytes);
    }
    if (IsMissing(status)) {
        created_.insert(path);
        return FileStatus::Ok;
    }
    if (status != FileStatus::Ok) return status;
    return Profile(backup, fileSystem_)
        .Rewrite([&](const std::optional<std::string>& existing) { return existing.value_or(bytes); }, path);
}

void FirstBackups::Saved(const std::string& path) {
    std::string bytes;
    if (created_.count(path) && IsMissing(fileSystem_.Read(path, bytes))) created_.erase(path);
}

FileStatus RestoreBackup(const std::string& path, FileSystem& fileSystem) {
    const std::string backup = BackupPathOf(path);
    std::string bytes;
    FileStatus status = fileSystem.Read(backup, bytes);
    if (status != FileStatus::Ok) return status;
    return Profile(path, fileSystem).Rewrite([&](const std::optional<std::string>&) { return bytes; }, backup);
}

std::vector<std::string> FilesWithBackups(const std::vector<std::string>& files, FileSystem& fileSystem) {
    std::vector<std::string> found;
    for (const std::string& file : files) {
        std::string bytes;
        if (fileSystem.Read(BackupPathOf(file), bytes) == FileStatus::Ok) found.push_back(file);
    }
    return found;
}
