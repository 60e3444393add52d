#include "platform/FileReplacement.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <random>

namespace {

// Temporary files are named "~skyliner-" + 8 hex digits + ".tmp", so that a user can tell
// who left one, and so that nothing of another program ever matches.
constexpr char kTemporaryPrefix[] = "~skyliner-";
constexpr char kTemporarySuffix[] = ".tmp";
constexpr std::size_t kTemporaryNameLength = sizeof kTemporaryPrefix - 1 + 8 + sizeof kTemporarySuffix - 1;

// Older than this, a temporary file of ours is what a crash left: no write takes so long.
constexpr long long kStaleSeconds = 5 * 60;

std::string FolderOf(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// Random per process, so that names left by an interrupted run are not met again.
std::string TemporaryName(const std::string& folder) {
    static std::atomic<unsigned> counter{std::random_device{}()};
    char name[kTemporaryNameLength + 1];
    std::snprintf(name, sizeof name, "%s%08x%s", kTemporaryPrefix, counter++, kTemporarySuffix);
    return folder + name;
}

bool IsTemporaryName(const std::string& name) {
    if (name.size() != kTemporaryNameLength) return false;
    auto same = [](const char* expected, const std::string& text, std::size_t at) {
        for (std::size_t i = 0; expected[i]; ++i) {
            if (std::tolower(static_cast<unsigned char>(text[at + i])) != expected[i]) return false;
        }
        return true;
    };
    constexpr std::size_t digits = sizeof kTemporaryPrefix - 1;
    for (std::size_t i = digits; i < digits + 8; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return false;
    }
    return same(kTemporaryPrefix, name, 0) && same(kTemporarySuffix, name, digits + 8);
}

// What a crash left beside the file goes; what another instance may be writing now stays.
void RemoveStaleTemporaries(FileSystem& fileSystem, const std::string& folder) {
    for (const FileSystem::FolderFile& file : fileSystem.ListFiles(folder, kTemporaryPrefix)) {
        if (IsTemporaryName(file.name) && file.ageSeconds > kStaleSeconds) fileSystem.Remove(folder + file.name);
    }
}

// The existing file edited in place, for where no file can be swapped in. Growth comes
// first, past the old end, so that a full disk is found before any old byte changes; then
// only the changed range is written; a shrink comes last. A failed step puts the old
// bytes back, so that a reported failure leaves the file as it was.
FileStatus RewriteInPlace(FileSystem& fileSystem, const std::string& path, const std::string& oldBytes,
                          const std::string& bytes) {
    std::size_t common = std::min(oldBytes.size(), bytes.size());
    std::size_t firstChange =
        std::mismatch(oldBytes.begin(), oldBytes.begin() + common, bytes.begin()).first - oldBytes.begin();
    bool changesRange = firstChange < common;
    auto restore = [&](FileStatus failure, bool rangeTouched) {
        if (rangeTouched) {
            fileSystem.WriteInPlace(path, firstChange, oldBytes.substr(firstChange, common - firstChange));
        }
        if (bytes.size() > oldBytes.size() || rangeTouched) fileSystem.Truncate(path, oldBytes.size());
        return failure;
    };
    if (bytes.size() > oldBytes.size()) {
        FileStatus status = fileSystem.WriteInPlace(path, oldBytes.size(), bytes.substr(oldBytes.size()));
        if (status != FileStatus::Ok) return restore(status, false);
    }
    if (changesRange) {
        FileStatus status = fileSystem.WriteInPlace(path, firstChange, bytes.substr(firstChange, common - firstChange));
        if (status != FileStatus::Ok) return restore(status, true);
    }
    if (bytes.size() < oldBytes.size()) {
        FileStatus status = fileSystem.Truncate(path, bytes.size());
        if (status != FileStatus::Ok) return restore(status, changesRange);
    }
    return FileStatus::Ok;
}

bool RefusedByFolder(FileStatus status) {
    return status == FileStatus::AccessDenied || status == FileStatus::NameTooLong;
}

bool RefusedByOtherProgram(FileStatus status) {
    return status == FileStatus::AccessDenied || status == FileStatus::Locked;
}

// Whether the file is still as it was read (or still absent), just before it is swapped.
bool Unchanged(FileSystem& fileSystem, const std::string& path, const std::optional<std::string>& oldBytes) {
    std::string now;
    FileStatus status = fileSystem.Read(path, now);
    if (!oldBytes) return status == FileStatus::NotFound;
    return status == FileStatus::Ok && now == *oldBytes;
}

// A file created by another program (the simulator's add-on making Prefs.cfg) while ours
// was being made is then edited as the existing file it now is.
FileStatus AppearedMeanwhile(FileStatus creation) {
    return creation == FileStatus::AlreadyExists ? FileStatus::ChangedMeanwhile : creation;
}

}  // namespace

FileStatus ReplaceFileContent(FileSystem& fileSystem, const std::string& path,
                              const std::optional<std::string>& oldBytes, const std::string& bytes,
                              const std::string& permissionsOf) {
    // A symbolic link stays a link: the file it leads to is the one replaced.
    FileSystem::Location location{path, false};
    if (oldBytes) {
        FileStatus status = fileSystem.Locate(path, location);
        if (status != FileStatus::Ok) return status;
    }
    const std::string& target = location.path;
    const std::string folder = FolderOf(target);
    RemoveStaleTemporaries(fileSystem, folder);
    // A swap would leave the file's other names with the old content.
    if (oldBytes && location.otherNames) return RewriteInPlace(fileSystem, target, *oldBytes, bytes);

    constexpr int kAttempts = 4;
    FileStatus status = FileStatus::NoTemporaryName;
    std::string temporary;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = TemporaryName(folder);
        status = fileSystem.WriteNewFile(temporary, bytes, oldBytes ? target : permissionsOf);
        if (status != FileStatus::AlreadyExists) break;
        status = FileStatus::NoTemporaryName;
    }
    if (status != FileStatus::Ok) {
        if (oldBytes && RefusedByFolder(status)) return RewriteInPlace(fileSystem, target, *oldBytes, bytes);
        // A name too long for a temporary file may still do for the file itself, and a new
        // file is created whole or not at all by the same call.
        if (!oldBytes && status == FileStatus::NameTooLong) {
            return AppearedMeanwhile(fileSystem.WriteNewFile(target, bytes, permissionsOf));
        }
        // The file was just read, so its folder exists: that is not the reason.
        if (oldBytes && status == FileStatus::FolderMissing) return FileStatus::Failed;
        return status;
    }
    if (oldBytes) {
        status = fileSystem.CopyAttributes(target, temporary);
        if (status != FileStatus::Ok) {
            fileSystem.Remove(temporary);
            return RewriteInPlace(fileSystem, target, *oldBytes, bytes);
        }
    }
    if (!Unchanged(fileSystem, target, oldBytes)) {
        fileSystem.Remove(temporary);
        return FileStatus::ChangedMeanwhile;
    }
    // A new file never takes the place of one that appeared since it was found missing.
    status = fileSystem.Replace(temporary, target, oldBytes.has_value());
    if (status == FileStatus::Ok) return status;
    fileSystem.Remove(temporary);
    if (!oldBytes) return AppearedMeanwhile(status);
    if (RefusedByOtherProgram(status)) return RewriteInPlace(fileSystem, target, *oldBytes, bytes);
    return status;
}
