#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileStatus.h"

// How long a write waits for another writer of the same file before it gives up.
constexpr int kWriteLockTimeoutMilliseconds = 5000;

// The few file operations the profile engine needs, kept behind an interface so that
// tests can inject failures and interrupt a write at any step. Paths are in the
// platform's own form (ANSI code page on Windows).
class FileSystem {
public:
    // Where the content of an existing file lives.
    struct Location {
        std::string path;          // the file itself, symbolic links followed to their end
        bool otherNames = false;   // hard links give it other names, which a swap would part
    };

    // A file of a folder, with the seconds since it was last written.
    struct FolderFile {
        std::string name;
        long long ageSeconds = 0;
    };

    // Held by a write from its first read to its swap, so that two programs saving one file
    // through this engine take turns; released when destroyed.
    class WriteLock {
    public:
        virtual ~WriteLock() = default;
    };

    virtual ~FileSystem() = default;

    // Waits a few seconds at most for the write lock named after the file's full path, one
    // for the whole computer, which the thread holding it may take again. OtherWriterSaving
    // if another writer keeps it that long; NoWriteLock where the system can make none.
    virtual FileStatus LockForWriting(const std::string& path, std::unique_ptr<WriteLock>& lock) = 0;

    // Whole content of an existing file. NotFound or FolderMissing when absent; otherwise
    // the true reason it cannot be read (Locked, AccessDenied, IsFolder, IoError, ...),
    // which must never pass for "missing".
    virtual FileStatus Read(const std::string& path, std::string& bytes) = 0;

    virtual FileStatus Locate(const std::string& path, Location& location) = 0;

    // Whether an existing file may be replaced: ReadOnly, AccessDenied or Locked if not.
    virtual FileStatus CheckWritable(const std::string& path) = 0;

    // Creates a file that must not exist yet, writes all bytes and flushes them to disk.
    // AlreadyExists when the name is taken; a failure leaves no file behind. Given
    // `permissionsOf`, an existing file, the new one never allows what that one does not,
    // from its creation on.
    virtual FileStatus WriteNewFile(const std::string& path, const std::string& bytes,
                                    const std::string& permissionsOf = std::string()) = 0;

    // Gives `to` the attributes (permissions) of `from`.
    virtual FileStatus CopyAttributes(const std::string& from, const std::string& to) = 0;

    // Atomically puts `source` in the place of `target`. Without `replaceExisting` a target
    // that exists stays as it is, and the answer is AlreadyExists.
    virtual FileStatus Replace(const std::string& source, const std::string& target, bool replaceExisting) = 0;

    // Writes `bytes` into an existing file at `offset` (growing it if they reach past its
    // end) and flushes them to disk; the last resort where no file can be swapped in.
    virtual FileStatus WriteInPlace(const std::string& path, std::size_t offset, const std::string& bytes) = 0;

    // Cuts an existing file to `size` bytes and flushes it.
    virtual FileStatus Truncate(const std::string& path, std::size_t size) = 0;

    virtual FileStatus Remove(const std::string& path) = 0;

    // When an existing file was last written, in seconds since 1970 (UTC).
    virtual FileStatus LastWritten(const std::string& path, long long& secondsSince1970) = 0;

    // The regular files of `folder` (empty for the current one, else ending with its
    // separator) whose names begin with `prefix`, in any letter case.
    virtual std::vector<FolderFile> ListFiles(const std::string& folder, const std::string& prefix) = 0;
};

// The real file system of the platform the program was built for.
FileSystem& SystemFileSystem();
