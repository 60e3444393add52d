#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// Entries that this program writes into a file: every key of `section`, or only `keys`.
struct OwnedEntries {
    std::string section;
    std::vector<std::string> keys;
};

// Whether two contents of one INI file differ in anything but the entries this program
// writes, so that another program's change can be told from ours: the lines of those
// entries, blank lines and blanks around a line are passed over, section names compare in
// any letter case, and a header counts only with what its section holds.
bool DifferBeyondOwnEntries(const std::string& first, const std::string& second,
                            const std::vector<OwnedEntries>& owned);

// One entry to write: section, key and the exact value text.
struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
};

// The bytes of an INI file as one read found them, answering every entry read as Profile
// answers it for the file at that moment. A dialog loads all its entries from one snapshot,
// so that what it shows is one state of the file, and a failed read is seen once.
class ProfileSnapshot {
public:
    ProfileSnapshot(std::string path, FileStatus status, std::string bytes);

    const std::string& Path() const { return path_; }
    // Ok; NotFound or FolderMissing when the file is absent (the reads then give their
    // defaults); otherwise why it could not be read.
    FileStatus Status() const { return status_; }
    // Whether the entries can be shown: read, or absent.
    bool Usable() const { return status_ == FileStatus::Ok || IsMissing(status_); }

    // As Profile::ReadString and Profile::ReadInt.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultText,
                           std::size_t bufferSize) const;
    std::int32_t ReadInt(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

private:
    std::string path_;
    FileStatus status_;
    std::string bytes_;
};

// An INI file read and written the way the platform's private-profile functions do it,
// entry by entry, with the file read afresh for every operation. Beyond the platform:
// every byte outside the changed lines is kept, a write replaces the file atomically
// where the folder allows it, and every write reports why it failed.
class Profile {
public:
    explicit Profile(std::string path, FileSystem& fileSystem = SystemFileSystem());

    const std::string& Path() const { return path_; }

    // Whether the file can be read now: Ok; NotFound or FolderMissing when it is absent
    // (the reads then give their defaults); otherwise why it cannot be read, which a
    // dialog must say rather than open on defaults that would overwrite the real values.
    FileStatus CheckReadable() const;

    // The file read once, for many entry reads.
    ProfileSnapshot Snapshot() const;

    // The value of `key` in `section`, blanks trimmed and one pair of enclosing quotes
    // removed, cut to bufferSize - 1 characters; `defaultText` (trailing spaces removed,
    // cut the same way) when the file, section or key is missing. A file that exists but
    // cannot be read gives the default too, as the platform does; `fileStatus`, when
    // given, tells that apart: Ok, NotFound or FolderMissing, or why the file could not
    // be read.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultText, std::size_t bufferSize,
                           FileStatus* fileStatus = nullptr) const;

    // The leading integer of the value as the platform's integer read takes it: an
    // automatic base ("0x" hexadecimal, "0o" octal, "0b" binary, else decimal), wrapping
    // modulo 2^32; 0 when the value holds no digits; `defaultValue` when the entry is
    // missing or empty. `fileStatus` as for ReadString.
    std::int32_t ReadInt(std::string_view section, std::string_view key, std::int32_t defaultValue,
                         FileStatus* fileStatus = nullptr) const;

    // Sets one entry: replaced in its own line, or added after the last entry of its
    // section, or appended with a new section; a missing file is created. An entry that
    // could not be found again (a line break or NUL anywhere; "=" in a key or "[" or ";"
    // first; "]" in a section; blanks other than spaces around a name) is refused with
    // InvalidEntry before anything is written.
    FileStatus Write(std::string_view section, std::string_view key, std::string_view value);

    // Many entries with one read and one replacement of the file, giving the same bytes
    // as writing them one at a time in this order.
    FileStatus WriteAll(const std::vector<ProfileEntry>& entries);

    // The whole file given by `edit` from its current bytes (none when it does not exist),
    // with the same lock, check before the swap and atomic replacement as any write. A file
    // that `edit` creates never allows more than `permissionsOf`, when that is given.
    FileStatus Rewrite(const std::function<std::string(const std::optional<std::string>& bytes)>& edit,
                       const std::string& permissionsOf = std::string());

private:
    std::string path_;
    FileSystem& fileSystem_;
};
