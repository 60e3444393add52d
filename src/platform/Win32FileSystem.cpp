// The file system of the Windows program.

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/FileSystem.h"

namespace {

FileStatus StatusOfLastError() {
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND: return FileStatus::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH: return FileStatus::FolderMissing;
        case ERROR_ACCESS_DENIED: return FileStatus::AccessDenied;
        case ERROR_WRITE_PROTECT: return FileStatus::ReadOnly;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return FileStatus::Locked;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return FileStatus::DiskFull;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return FileStatus::AlreadyExists;
        default: return FileStatus::Failed;
    }
}

// Other programs (the simulator among them) may keep reading and writing while we do.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE;

FileStatus WriteAllBytes(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD count = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        if (!WriteFile(file, bytes.data() + written, chunk, &count, nullptr)) return StatusOfLastError();
        if (count == 0) return FileStatus::Failed;
        written += count;
    }
    if (!FlushFileBuffers(file)) return StatusOfLastError();
    return FileStatus::Ok;
}

class Win32FileSystem final : public FileSystem {
public:
    FileStatus Read(const std::string& path, std::string& bytes) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        bytes.clear();
        FileStatus status = FileStatus::Ok;
        char buffer[65536];
        for (;;) {
            DWORD count = 0;
            if (!ReadFile(file, buffer, sizeof buffer, &count, nullptr)) {
                status = StatusOfLastError();
                break;
            }
            if (count == 0) break;
            bytes.append(buffer, count);
        }
        CloseHandle(file);
        return status;
    }

    FileStatus CheckWritable(const std::string& path) override {
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return StatusOfLastError();
        if (attributes & FILE_ATTRIBUTE_READONLY) return FileStatus::ReadOnly;
        // Opening for writing finds a program that holds the file without sharing it.
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        CloseHandle(file);
        return FileStatus::Ok;
    }

    FileStatus WriteNewFile(const std::string& path, const std::string& bytes) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        FileStatus status = WriteAllBytes(file, bytes);
        CloseHandle(file);
        if (status != FileStatus::Ok) DeleteFileA(path.c_str());
        return status;
    }

    FileStatus CopyAttributes(const std::string& from, const std::string& to) override {
        DWORD attributes = GetFileAttributesA(from.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return StatusOfLastError();
        constexpr DWORD kKept = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        DWORD kept = attributes & kKept;
        if (!SetFileAttributesA(to.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL)) return StatusOfLastError();
        return FileStatus::Ok;
    }

    // A rename within the folder: the new content appears at once and whole. (ReplaceFile
    // would keep more of the old file, but some of its failures leave no file at the
    // target at all.)
    FileStatus Replace(const std::string& source, const std::string& target) override {
        if (!MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return StatusOfLastError();
        }
        return FileStatus::Ok;
    }

    FileStatus WriteInPlace(const std::string& path, std::size_t offset, const std::string& bytes) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        FileStatus status = FileStatus::Ok;
        if (SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
            status = StatusOfLastError();
        }
        if (status == FileStatus::Ok) status = WriteAllBytes(file, bytes);
        CloseHandle(file);
        return status;
    }

    FileStatus Truncate(const std::string& path, std::size_t size) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        FileStatus status = FileStatus::Ok;
        if (SetFilePointer(file, static_cast<LONG>(size), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
            !SetEndOfFile(file) || !FlushFileBuffers(file)) {
            status = StatusOfLastError();
        }
        CloseHandle(file);
        return status;
    }

    FileStatus Remove(const std::string& path) override {
        if (!DeleteFileA(path.c_str())) return StatusOfLastError();
        return FileStatus::Ok;
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}
