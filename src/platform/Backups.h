#pragma once

#include <string>
#include <vector>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// Beside each file this program saves lies the file as it was before the program first
// changed it, so that a user can always go back: "<file name>.skyliner-backup".
std::string BackupPathOf(const std::string& path);

// Keeps the file's current bytes as its backup unless it has one already, which is never
// replaced. Ok also when the file does not exist: there is nothing to keep. The backup is
// written as any save is (a temporary file, flushed, swapped in) and never allows more
// than the file does.
FileStatus KeepFirstBackup(const std::string& path, FileSystem& fileSystem = SystemFileSystem());

// Puts the backup's bytes back in place of the file, as any save replaces a file; the
// backup stays.
FileStatus RestoreBackup(const std::string& path, FileSystem& fileSystem = SystemFileSystem());

// Those of `files` that have a backup.
std::vector<std::string> FilesWithBackups(const std::vector<std::string>& files,
                                          FileSystem& fileSystem = SystemFileSystem());
