#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"

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

// A file this program saves, with the entries it writes into it.
struct SavedFile {
    std::string path;
    std::vector<OwnedEntries> ownEntries;
};

// A backup beside one of those files, as Restore Backups lists it.
struct FoundBackup {
    std::string file;
    FileStatus status = FileStatus::Ok;  // why the backup cannot be read, else Ok
    long long written = 0;               // when the backup was written, seconds since 1970; 0 unknown
    // When the file holds another program's changes made since the backup (an aircraft
    // update, which a restore would undo): when the file was last written.
    std::optional<long long> fileChanged;

    // Whether it is offered checked: readable, and its file changed by this program alone.
    bool Restorable() const { return status == FileStatus::Ok && !fileChanged; }
};

// Every backup present beside `files`, also one that cannot be read.
std::vector<FoundBackup> FindBackups(const std::vector<SavedFile>& files, FileSystem& fileSystem = SystemFileSystem());

// What a restore did: Ok, or the file that stopped it (the backup, not read; the file, not
// written) and why.
struct RestoreResult {
    FileStatus status = FileStatus::Ok;
    std::string failedPath;
};

// Puts the backup's bytes back in place of the file, as any save replaces a file; the
// backup stays.
RestoreResult RestoreBackup(const std::string& path, FileSystem& fileSystem = SystemFileSystem());
