#include "platform/Backups.h"

#include "platform/Profile.h"

std::string BackupPathOf(const std::string& path) { return path + ".skyliner-backup"; }

FileStatus KeepFirstBackup(const std::string& path, FileSystem& fileSystem) {
    std::string bytes;
    FileStatus status = fileSystem.Read(path, bytes);
    if (IsMissing(status)) return FileStatus::Ok;
    if (status != FileStatus::Ok) return status;
    return Profile(BackupPathOf(path), fileSystem)
        .Rewrite([&](const std::optional<std::string>& existing) { return existing.value_or(bytes); }, path);
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
