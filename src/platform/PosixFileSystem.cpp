// The file system of the native (POSIX) build, where the portable core is tested.

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <thread>

#include "platform/FileSystem.h"

namespace {

std::string ParentFolder(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

FileStatus StatusOfErrno(int error, const std::string& path) {
    switch (error) {
        case ENOENT:
        case ENOTDIR: {
            struct stat info {};
            if (stat(ParentFolder(path).c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
                return FileStatus::FolderMissing;
            }
            return FileStatus::NotFound;
        }
        case EACCES:
        case EPERM: return FileStatus::AccessDenied;
        case EROFS: return FileStatus::ReadOnly;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return FileStatus::DiskFull;
        case EEXIST: return FileStatus::AlreadyExists;
        case ETXTBSY: return FileStatus::Locked;
        case EISDIR: return FileStatus::IsFolder;
        case EIO: return FileStatus::IoError;
        case ENAMETOOLONG: return FileStatus::NameTooLong;
        default: return FileStatus::Failed;
    }
}

FileStatus WriteAllBytes(int descriptor, const std::string& bytes, const std::string& path) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            return StatusOfErrno(errno, path);
        }
        written += static_cast<std::size_t>(count);
    }
    return FileStatus::Ok;
}

FileStatus Flush(int descriptor, const std::string& path) {
    return fsync(descriptor) == 0 ? FileStatus::Ok : StatusOfErrno(errno, path);
}

// Makes a rename inside the folder durable.
void SyncFolder(const std::string& path) {
    int folder = open(ParentFolder(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) return;
    fsync(folder);
    close(folder);
}

// The write lock of one file for the whole computer: an advisory lock on a file of the
// machine's temporary folder named after the file's full path. It outlives the swap, which
// gives the file a new node, and a killed writer's lock goes with its process.
std::string WriteLockName(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    char folder[PATH_MAX];
    std::string full = realpath(ParentFolder(path).c_str(), folder) ? std::string(folder) + "/" + name : path;
    std::uint64_t hash = 14695981039346656037ull;
    for (char character : full) hash = (hash ^ static_cast<unsigned char>(character)) * 1099511628211ull;
    char lockName[64];
    std::snprintf(lockName, sizeof lockName, "/tmp/FS9SkylinerConfig.save.%016llx", static_cast<unsigned long long>(hash));
    return lockName;
}

// Opened without creating first: a file that another user made in the shared folder may be
// refused to a creating open. Readable by all, so that any user may lock it.
int OpenLockFile(const std::string& name) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        int descriptor = open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (descriptor >= 0 || errno != ENOENT) return descriptor;
        descriptor = open(name.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (descriptor >= 0) return fchmod(descriptor, 0644), descriptor;
        if (errno != EEXIST) return -1;
    }
    return -1;
}

// The locks this thread holds, by name, with how many times it took each: a thread may take
// one again, as it may a mutex on Windows, where another thread waits.
struct HeldLock {
    int descriptor;
    int takers;
};
thread_local std::map<std::string, HeldLock> heldLocks;

class FileLock final : public FileSystem::WriteLock {
public:
    explicit FileLock(std::string name) : name_(std::move(name)) {}
    ~FileLock() override {
        auto held = heldLocks.find(name_);
        if (--held->second.takers > 0) return;
        close(held->second.descriptor);
        heldLocks.erase(held);
    }

private:
    std::string name_;
};

class PosixFileSystem final : public FileSystem {
public:
    FileStatus LockForWriting(const std::string& path, std::unique_ptr<WriteLock>& lock) override {
        std::string name = WriteLockName(path);
        auto held = heldLocks.find(name);
        if (held != heldLocks.end()) {
            ++held->second.takers;
            lock = std::make_unique<FileLock>(name);
            return FileStatus::Ok;
        }
        int descriptor = OpenLockFile(name);
        if (descriptor < 0) return FileStatus::NoWriteLock;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWriteLockTimeoutMilliseconds);
        while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
                bool busy = errno == EWOULDBLOCK;
                close(descriptor);
                return busy ? FileStatus::OtherWriterSaving : FileStatus::NoWriteLock;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        heldLocks[name] = {descriptor, 1};
        lock = std::make_unique<FileLock>(name);
        return FileStatus::Ok;
    }

    FileStatus Read(const std::string& path, std::string& bytes) override {
        int descriptor = open(path.c_str(), O_RDONLY);
        if (descriptor < 0) return StatusOfErrno(errno, path);
        struct stat info {};
        if (fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode)) {
            close(descriptor);
            return FileStatus::IsFolder;
        }
        bytes.clear();
        char buffer[65536];
        FileStatus status = FileStatus::Ok;
        for (;;) {
            ssize_t count = read(descriptor, buffer, sizeof buffer);
            if (count == 0) break;
            if (count < 0) {
                if (errno == EINTR) continue;
                status = StatusOfErrno(errno, path);
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(count));
        }
        close(descriptor);
        return status;
    }

    FileStatus Locate(const std::string& path, Location& location) override {
        char resolved[PATH_MAX];
        if (!realpath(path.c_str(), resolved)) return StatusOfErrno(errno, path);
        struct stat info {};
        if (stat(resolved, &info) != 0) return StatusOfErrno(errno, resolved);
        location.path = resolved;
        location.otherNames = info.st_nlink > 1;
        return FileStatus::Ok;
    }

    // A file without any write permission bit is read-only for everybody, root included,
    // as the read-only attribute is on Windows.
    FileStatus CheckWritable(const std::string& path) override {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) return StatusOfErrno(errno, path);
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return FileStatus::ReadOnly;
        if (access(path.c_str(), W_OK) != 0) return StatusOfErrno(errno, path);
        return FileStatus::Ok;
    }

    FileStatus WriteNewFile(const std::string& path, const std::string& bytes,
                            const std::string& permissionsOf) override {
        mode_t mode = 0666;
        struct stat info {};
        if (!permissionsOf.empty() && stat(permissionsOf.c_str(), &info) == 0) mode &= info.st_mode;
        int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
        if (descriptor < 0) return StatusOfErrno(errno, path);
        FileStatus status = WriteAllBytes(descriptor, bytes, path);
        if (status == FileStatus::Ok) status = Flush(descriptor, path);
        if (close(descriptor) != 0 && status == FileStatus::Ok) status = StatusOfErrno(errno, path);
        if (status != FileStatus::Ok) unlink(path.c_str());
        return status;
    }

    FileStatus CopyAttributes(const std::string& from, const std::string& to) override {
        struct stat info {};
        if (stat(from.c_str(), &info) != 0) return StatusOfErrno(errno, from);
        if (chmod(to.c_str(), info.st_mode & 07777) != 0) return StatusOfErrno(errno, to);
        // Only a privileged process can give the file its owner back; others keep theirs.
        if (chown(to.c_str(), info.st_uid, info.st_gid) != 0) return FileStatus::Ok;
        return FileStatus::Ok;
    }

    // Without replacing, a second name that the system refuses where the target exists,
    // then the first name goes.
    FileStatus Replace(const std::string& source, const std::string& target, bool replaceExisting) override {
        if (!replaceExisting) {
            if (link(source.c_str(), target.c_str()) != 0) return StatusOfErrno(errno, target);
            unlink(source.c_str());
        } else if (rename(source.c_str(), target.c_str()) != 0) {
            return StatusOfErrno(errno, target);
        }
        SyncFolder(target);
        return FileStatus::Ok;
    }

    FileStatus WriteInPlace(const std::string& path, std::size_t offset, const std::string& bytes) override {
        int descriptor = open(path.c_str(), O_WRONLY);
        if (descriptor < 0) return StatusOfErrno(errno, path);
        FileStatus status = FileStatus::Ok;
        if (lseek(descriptor, static_cast<off_t>(offset), SEEK_SET) < 0) status = StatusOfErrno(errno, path);
        if (status == FileStatus::Ok) status = WriteAllBytes(descriptor, bytes, path);
        if (status == FileStatus::Ok) status = Flush(descriptor, path);
        close(descriptor);
        return status;
    }

    FileStatus Truncate(const std::string& path, std::size_t size) override {
        int descriptor = open(path.c_str(), O_WRONLY);
        if (descriptor < 0) return StatusOfErrno(errno, path);
        FileStatus status = ftruncate(descriptor, static_cast<off_t>(size)) == 0 ? FileStatus::Ok : StatusOfErrno(errno, path);
        if (status == FileStatus::Ok) status = Flush(descriptor, path);
        close(descriptor);
        return status;
    }

    FileStatus Remove(const std::string& path) override {
        if (unlink(path.c_str()) != 0) return StatusOfErrno(errno, path);
        return FileStatus::Ok;
    }

    FileStatus LastWritten(const std::string& path, long long& secondsSince1970) override {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) return StatusOfErrno(errno, path);
        secondsSince1970 = static_cast<long long>(info.st_mtime);
        return FileStatus::Ok;
    }

    std::vector<FolderFile> ListFiles(const std::string& folder, const std::string& prefix) override {
        std::vector<FolderFile> files;
        DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
        if (!directory) return files;
        std::time_t now = std::time(nullptr);
        while (const dirent* entry = readdir(directory)) {
            if (strncasecmp(entry->d_name, prefix.c_str(), prefix.size()) != 0) continue;
            struct stat info {};
            std::string path = folder + entry->d_name;
            if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
            files.push_back({entry->d_name, static_cast<long long>(now - info.st_mtime)});
        }
        closedir(directory);
        return files;
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}
