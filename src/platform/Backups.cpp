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

std::vector<FoundBackup> FindBackups(const std::vector<SavedFile>& files, FileSystem& fileSystem) {
    std::vector<FoundBackup> found;
    for (const SavedFile& file : files) {
        const std::string backup = BackupPathOf(file.path);
        std::string kept, now;
        FoundBackup row;
        row.file = file.path;
        row.status = fileSystem.Read(backup, kept);
        if (IsMissing(row.status)) continue;
        fileSystem.LastWritten(backup, row.written);
        if (row.status == FileStatus::Ok && fileSystem.Read(file.path, now) == FileStatus::Ok &&
            DifferBeyondOwnEntries(kept, now, file.ownEntries)) {
            long long changed = 0;
            fileSystem.LastWritten(file.path, changed);
            row.fileChanged = changed;
        }
        found.push_back(row);
    }
    return found;
}

RestoreResult RestoreBackup(const std::string& path, FileSystem& fileSystem) {
    const std::string backup = BackupPathOf(path);
    std::string bytes;
    FileStatus status = fileSystem.Read(backup, bytes);
    if (status != FileStatus::Ok) return {status, backup};
    status = Profile(path, fileSystem).Rewrite([&](const std::optional<std::string>&) { return bytes; }, backup);
    return {status, status == FileStatus::Ok ? std::string() : path};
}
