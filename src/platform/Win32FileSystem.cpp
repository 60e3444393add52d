// The file system of the Windows program. Paths come in the ANSI code page and are used
// in their UTF-16 form, in the long-path form where they come near the length limit, so
// that a temporary name beside a file whose path is within a few characters of the limit
// still works.

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/SystemCodePage.h"

namespace {

FileStatus StatusOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return FileStatus::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        // No folder has a name with '?', the code page's stand-in for a character it cannot hold.
        case ERROR_INVALID_NAME: return FileStatus::FolderMissing;
        case ERROR_ACCESS_DENIED: return FileStatus::AccessDenied;
        case ERROR_WRITE_PROTECT: return FileStatus::ReadOnly;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return FileStatus::Locked;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return FileStatus::DiskFull;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return FileStatus::AlreadyExists;
        case ERROR_FILENAME_EXCED_RANGE: return FileStatus::NameTooLong;
        case ERROR_DIRECTORY: return FileStatus::IsFolder;
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_GEN_FAILURE:
        case ERROR_SECTOR_NOT_FOUND:
        case ERROR_IO_DEVICE:
        case ERROR_NOT_READY:
        case ERROR_NETNAME_DELETED:
        case ERROR_UNEXP_NET_ERR: return FileStatus::IoError;
        default: return FileStatus::Failed;
    }
}

FileStatus StatusOfLastError() { return StatusOf(GetLastError()); }

// Paths shorter than this work in their plain form with every function used here.
constexpr std::size_t kPlainPathLimit = MAX_PATH - 12;

// The absolute form of a path, "." and ".." resolved; empty where the system cannot make one.
std::wstring FullPath(const std::wstring& wide) {
    DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) return {};
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), length, &full[0], nullptr));
    return full;
}

// A path as the UTF-16 functions take it: its long-path form ("\\?\C:\..." or
// "\\?\UNC\server\...") when it comes near the limit of the plain form.
std::wstring SystemPath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.size() < kPlainPathLimit || wide.compare(0, 4, L"\\\\?\\") == 0) return wide;
    std::wstring full = FullPath(wide);
    if (full.empty()) return wide;
    if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// Other programs (the simulator among them) may keep reading and writing while we do.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE;

HANDLE Open(const std::string& path, DWORD access, DWORD share = kShareAll, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    return CreateFileW(SystemPath(path).c_str(), access, share, nullptr, OPEN_EXISTING, flags, nullptr);
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

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

bool MoveTo(HANDLE file, std::size_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, distance, nullptr, FILE_BEGIN) != 0;
}

// The final path of an open file, symbolic links followed (Vista and later).
bool FinalPath(HANDLE file, std::wstring& path) {
    using Function = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    static const Function function = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
    if (!function) return false;
    DWORD length = function(file, nullptr, 0, 0);
    if (length == 0) return false;
    path.assign(length, L'\0');
    length = function(file, &path[0], length, 0);
    if (length == 0 || length >= path.size()) return false;
    path.resize(length);
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) {
        path = L"\\\\" + path.substr(8);
    } else if (path.compare(0, 4, L"\\\\?\\") == 0) {
        path = path.substr(4);
    }
    return true;
}

// A mutex named after the file's full path in any letter case, as the system compares
// paths. The path is hashed: a mutex name cannot hold backslashes or be as long as a path.
// In the global name space: another user's copy (a second session) saves the same files.
std::wstring WriteLockName(const std::string& path) {
    std::wstring wide = FullPath(Widen(path));
    if (wide.empty()) wide = Widen(path);
    if (!wide.empty()) CharUpperBuffW(&wide[0], static_cast<DWORD>(wide.size()));
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t character : wide) hash = (hash ^ static_cast<std::uint16_t>(character)) * 1099511628211ull;
    wchar_t name[64];
    std::swprintf(name, 64, L"Global\\FS9SkylinerConfig.save.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

// Lets every user, elevated or not, wait for a write lock, whoever made it first (by
// default only its maker and administrators may). Null where the system cannot express it.
SECURITY_ATTRIBUTES* OpenToEveryone() {
    static SECURITY_ATTRIBUTES security = [] {
        SECURITY_ATTRIBUTES made = {sizeof made, nullptr, FALSE};
        for (const char* text : {"D:(A;;GA;;;WD)S:(ML;;NW;;;LW)", "D:(A;;GA;;;WD)"}) {
            if (ConvertStringSecurityDescriptorToSecurityDescriptorA(text, SDDL_REVISION_1, &made.lpSecurityDescriptor,
                                                                     nullptr)) {
                break;
            }
        }
        return made;
    }();
    return security.lpSecurityDescriptor ? &security : nullptr;
}

class MutexLock final : public FileSystem::WriteLock {
public:
    explicit MutexLock(HANDLE mutex) : mutex_(mutex) {}
    ~MutexLock() override {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }

private:
    HANDLE mutex_;
};

// File times count 100-nanosecond ticks from 1601.
constexpr long long kTicksPerSecond = 10000000;
constexpr long long kTicksAt1970 = 116444736000000000;

long long Ticks(const FILETIME& time) { return (static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

bool RunsUnderWine() {
    static const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return underWine;
}

// Wine turns an access list into the file's Unix mode, giving the owner's rights to the
// group as well whenever the owner is the user running, and execute with every read. So
// under Wine the list states only what the mode can hold: the owner's (a creator outside
// the running user's groups, which keeps the group out) and everyone's read and write.
std::string WineSecurity(PSECURITY_DESCRIPTOR descriptor) {
    PSID owner = nullptr;
    PACL list = nullptr;
    BOOL defaulted = FALSE, present = FALSE;
    if (!GetSecurityDescriptorOwner(descriptor, &owner, &defaulted) || !owner ||
        !GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) || !present || !list) {
        return {};
    }
    DWORD ownerAccess = 0, everyoneAccess = 0;
    for (DWORD index = 0; index < list->AceCount; ++index) {
        ACCESS_ALLOWED_ACE* entry = nullptr;
        if (!GetAce(list, index, reinterpret_cast<void**>(&entry)) || entry->Header.AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
        PSID sid = &entry->SidStart;
        if (EqualSid(sid, owner)) ownerAccess |= entry->Mask;
        if (IsWellKnownSid(sid, WinWorldSid)) everyoneAccess |= entry->Mask;
    }
    // Wine creates no file for writing under a list that denies its owner writing (a read-only
    // file's list, when its backup is made); the owner may give itself that right anyway.
    ownerAccess |= FILE_WRITE_DATA;
    auto rights = [](DWORD access) {
        std::string text;
        if (access & FILE_READ_DATA) text += "FR";
        if (access & FILE_WRITE_DATA) text += "FW";
        return text;
    };
    std::string text = "O:COD:P";
    if (DWORD denied = everyoneAccess & ~ownerAccess & FILE_READ_DATA) text += "(D;;" + rights(denied) + ";;;CO)";
    text += "(A;;" + rights(ownerAccess) + ";;;CO)";
    if (!rights(everyoneAccess).empty()) text += "(A;;" + rights(everyoneAccess) + ";;;WD)";
    PSECURITY_DESCRIPTOR made = nullptr;
    ULONG size = 0;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(text.c_str(), SDDL_REVISION_1, &made, &size)) return {};
    std::string bytes(static_cast<const char*>(made), size);
    LocalFree(made);
    return bytes;
}

// A temporary file's security: that of the file it will replace, so that it never allows
// more than the file did. Empty where the file's security cannot be read.
std::string SecurityOf(const std::string& path) {
    std::wstring wide = SystemPath(path);
    const SECURITY_INFORMATION kWanted = DACL_SECURITY_INFORMATION | (RunsUnderWine() ? OWNER_SECURITY_INFORMATION : 0);
    DWORD needed = 0;
    GetFileSecurityW(wide.c_str(), kWanted, nullptr, 0, &needed);
    if (needed == 0) return {};
    std::string descriptor(needed, '\0');
    if (!GetFileSecurityW(wide.c_str(), kWanted, &descriptor[0], needed, &needed)) return {};
    return RunsUnderWine() ? WineSecurity(&descriptor[0]) : descriptor;
}

class Win32FileSystem final : public FileSystem {
public:
    FileStatus LockForWriting(const std::string& path, std::unique_ptr<WriteLock>& lock) override {
        HANDLE mutex = CreateMutexW(OpenToEveryone(), FALSE, WriteLockName(path).c_str());
        if (!mutex) return FileStatus::NoWriteLock;
        // An abandoned mutex is one whose writer was killed: its file is whole (old or new).
        DWORD waited = WaitForSingleObject(mutex, kWriteLockTimeoutMilliseconds);
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
            CloseHandle(mutex);
            return waited == WAIT_TIMEOUT ? FileStatus::OtherWriterSaving : FileStatus::NoWriteLock;
        }
        lock = std::make_unique<MutexLock>(mutex);
        return FileStatus::Ok;
    }

    FileStatus Read(const std::string& path, std::string& bytes) override {
        HANDLE file = Open(path, GENERIC_READ);
        if (file == INVALID_HANDLE_VALUE) {
            DWORD error = GetLastError();
            // A folder opened as a file is refused as access denied.
            if (error == ERROR_ACCESS_DENIED && IsFolder(path)) return FileStatus::IsFolder;
            return StatusOf(error);
        }
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

    FileStatus Locate(const std::string& path, Location& location) override {
        HANDLE file = Open(path, 0, kShareAll | FILE_SHARE_DELETE, FILE_FLAG_BACKUP_SEMANTICS);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        location = Location{path, false};
        BY_HANDLE_FILE_INFORMATION information;
        if (GetFileInformationByHandle(file, &information)) location.otherNames = information.nNumberOfLinks > 1;
        // The final path names the file a symbolic link leads to (also a link of the host
        // system under Wine, which shows no reparse point). A link whose target cannot be
        // named in the code page is written through in place.
        std::wstring wide;
        std::string final;
        if (FinalPath(file, wide) && Narrow(wide, final)) {
            location.path = final;
        } else {
            DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                location.otherNames = true;
            }
        }
        CloseHandle(file);
        return FileStatus::Ok;
    }

    FileStatus CheckWritable(const std::string& path) override {
        DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return StatusOfLastError();
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileStatus::IsFolder;
        if (attributes & FILE_ATTRIBUTE_READONLY) return FileStatus::ReadOnly;
        // Opening for writing finds a program that holds the file without sharing it.
        HANDLE file = Open(path, GENERIC_READ | GENERIC_WRITE);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        CloseHandle(file);
        return FileStatus::Ok;
    }

    FileStatus WriteNewFile(const std::string& path, const std::string& bytes,
                            const std::string& permissionsOf) override {
        std::string descriptor = permissionsOf.empty() ? std::string() : SecurityOf(permissionsOf);
        SECURITY_ATTRIBUTES security = {sizeof security, descriptor.empty() ? nullptr : &descriptor[0], FALSE};
        std::wstring wide = SystemPath(path);
        HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, descriptor.empty() ? nullptr : &security,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE && !descriptor.empty() &&
            (error == ERROR_INVALID_SECURITY_DESCR || error == ERROR_INVALID_ACL || error == ERROR_PRIVILEGE_NOT_HELD ||
             error == ERROR_INVALID_OWNER)) {
            // A list the system will not apply to a new file (a Wine may refuse the creator as
            // its owner): the folder's, as for any new file.
            file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        }
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        FileStatus status = WriteAllBytes(file, bytes);
        CloseHandle(file);
        if (status != FileStatus::Ok) DeleteFileW(wide.c_str());
        return status;
    }

    FileStatus CopyAttributes(const std::string& from, const std::string& to) override {
        DWORD attributes = GetFileAttributesW(SystemPath(from).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return StatusOfLastError();
        constexpr DWORD kKept = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        DWORD kept = attributes & kKept;
        if (!SetFileAttributesW(SystemPath(to).c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL)) return StatusOfLastError();
        return FileStatus::Ok;
    }

    // A rename within the folder: the new content appears at once and whole. (ReplaceFile
    // would keep more of the old file, but some of its failures leave no file at the
    // target at all.)
    FileStatus Replace(const std::string& source, const std::string& target, bool replaceExisting) override {
        if (!MoveFileExW(SystemPath(source).c_str(), SystemPath(target).c_str(),
                         (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH)) {
            return StatusOfLastError();
        }
        return FileStatus::Ok;
    }

    FileStatus WriteInPlace(const std::string& path, std::size_t offset, const std::string& bytes) override {
        HANDLE file = Open(path, GENERIC_WRITE);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        FileStatus status = MoveTo(file, offset) ? WriteAllBytes(file, bytes) : StatusOfLastError();
        CloseHandle(file);
        return status;
    }

    FileStatus Truncate(const std::string& path, std::size_t size) override {
        HANDLE file = Open(path, GENERIC_WRITE);
        if (file == INVALID_HANDLE_VALUE) return StatusOfLastError();
        FileStatus status = FileStatus::Ok;
        if (!MoveTo(file, size) || !SetEndOfFile(file) || !FlushFileBuffers(file)) status = StatusOfLastError();
        CloseHandle(file);
        return status;
    }

    FileStatus Remove(const std::string& path) override {
        if (!DeleteFileW(SystemPath(path).c_str())) return StatusOfLastError();
        return FileStatus::Ok;
    }

    FileStatus LastWritten(const std::string& path, long long& secondsSince1970) override {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data)) return StatusOfLastError();
        secondsSince1970 = (Ticks(data.ftLastWriteTime) - kTicksAt1970) / kTicksPerSecond;
        return FileStatus::Ok;
    }

    std::vector<FolderFile> ListFiles(const std::string& folder, const std::string& prefix) override {
        std::vector<FolderFile> files;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(SystemPath(folder + prefix + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return files;
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        do {
            std::string name;
            if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
            if (!Narrow(found.cFileName, name)) continue;
            files.push_back({name, (Ticks(now) - Ticks(found.ftLastWriteTime)) / kTicksPerSecond});
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return files;
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}
