#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// Beside each file this program saves lies the file as it was before the program first
// changed it, so that a user can always go back: "<file name>.skyliner-backup".
std::string BackupPathOf(const std::string& path);

// The first backups of one run. A file that exists keeps its current bytes as its backup
// before its first save, unless it has one already, which is never replaced. A file that this
// run created gets none, also at its later saves: there was nothing before it to go back to.
class FirstBackups {
public:
    explicit FirstBackups(FileSystem& fileSystem = SystemFileSystem());

    // Ok when the file has its backup or needs none. An existing backup is not opened for
    // writing at all, so one that its user made read-only, or that another program holds, is
    // no reason to warn. The backup is taken from one read under the file's write lock, so
    // another writer of this engine is never caught halfway; it is written as any save is and
    // never allows more than the file does.
    FileStatus Keep(const std::string& path);

    // After the save that followed Keep: a file still absent was not created by this run.
    void Saved(const std::string& path);

private:
    FileSystem& fileSystem_;
    std::set<std::string> created_;  // absent when they were first to be saved
};

// Puts the backup's bytes back in place of the file, as any save replaces a file; the
// backup stays.
FileStatus RestoreBackup(const std::string& path, FileSystem& fileSystem = SystemFileSystem());

// Those of `files` that have a backup.
std::vector<std::string> FilesWithBackups(const std::vector<std::string>& files,
                                          FileSystem& fileSystem = SystemFileSystem());
