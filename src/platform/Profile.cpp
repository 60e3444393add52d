#include "platform/Profile.h"

#include <algorithm>
#include <utility>

#include "platform/AnsiCodePage.h"
#include "platform/FileReplacement.h"
#include "platform/IntegerText.h"
#include "platform/ProfileText.h"

namespace {

using profile_text::TrimSpaces;

// A file that starts with the UTF-16LE byte-order mark is UTF-16LE text; everything else
// is ANSI bytes (a UTF-8 mark is not recognised and belongs to the first line).
bool IsUtf16(const std::string& bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFE;
}

std::u16string DecodeUtf16(const std::string& bytes) {
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return text;
}

// Keeps an odd last byte, which is not part of any UTF-16 unit, where it was.
std::string EncodeUtf16(const std::u16string& text, const std::string& original) {
    std::string bytes("\xFF\xFE", 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    if (original.size() % 2 == 1) bytes.push_back(original.back());
    return bytes;
}

std::optional<std::string> FindAnsiValue(const std::string& bytes, std::string_view section,
                                         std::string_view key) {
    if (IsUtf16(bytes)) {
        std::u16string text = DecodeUtf16(bytes);
        std::u16string wideSection = AnsiToUtf16(section);
        std::u16string wideKey = AnsiToUtf16(key);
        auto value = profile_text::FindValue<char16_t>(text, wideSection, wideKey);
        if (!value) return std::nullopt;
        return Utf16ToAnsi(*value);
    }
    return profile_text::FindValue<char>(bytes, section, key);
}

std::string WithEntries(const std::string& bytes, const std::vector<ProfileEntry>& entries) {
    if (IsUtf16(bytes)) {
        std::u16string text = DecodeUtf16(bytes);
        bool markOnly = bytes.size() < 4;
        for (const ProfileEntry& entry : entries) {
            std::u16string section = AnsiToUtf16(TrimSpaces(entry.section));
            std::u16string key = AnsiToUtf16(TrimSpaces(entry.key));
            std::u16string value = AnsiToUtf16(entry.value);
            profile_text::SetValue<char16_t>(text, section, key, value, markOnly && text.empty());
        }
        return EncodeUtf16(text, bytes);
    }
    std::string text = bytes;
    for (const ProfileEntry& entry : entries) {
        profile_text::SetValue<char>(text, TrimSpaces(entry.section), TrimSpaces(entry.key),
                                     entry.value);
    }
    return text;
}

bool HasBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

// A name as the line holding it gives it back: the same after the trimming of the file's
// lines, and not taken for a header, a comment or part of the value.
bool IsReadableName(std::string_view name) {
    return !HasBreakOrNul(name) && profile_text::TrimBlanks(name) == name;
}

bool CanBeReadBack(const ProfileEntry& entry) {
    std::string_view section = TrimSpaces(entry.section);
    std::string_view key = TrimSpaces(entry.key);
    if (!IsReadableName(section) || section.find(']') != std::string_view::npos) return false;
    if (!IsReadableName(key) || key.find('=') != std::string_view::npos) return false;
    if (!key.empty() && (key[0] == '[' || key[0] == ';')) return false;
    return !HasBreakOrNul(entry.value);
}

std::string CutToBuffer(std::string text, std::size_t bufferSize) {
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

// The lines of a file that are not its own entries, each behind the name of its section,
// names in lower case; Windows-1252 text either way.
std::vector<std::string> LinesOfOthers(const std::string& bytes, const std::vector<OwnedEntries>& owned) {
    const std::string text = IsUtf16(bytes) ? Utf16ToAnsi(DecodeUtf16(bytes)) : bytes;
    const std::string_view view(text);
    auto lower = [](std::string_view name) {
        std::u16string folded = AnsiToUtf16(name);
        for (char16_t& unit : folded) unit = FoldCase(unit);
        return Utf16ToAnsi(folded);
    };
    std::vector<std::string> lines;
    std::string section;
    const OwnedEntries* ownSection = nullptr;
    for (std::size_t pos = 0; pos < view.size();) {
        const profile_text::Line<char> line = profile_text::ReadLine(view, pos);
        pos = line.next;
        const std::string_view content = profile_text::TrimBlanks(view.substr(line.begin, line.end - line.begin));
        if (content.empty()) continue;
        if (line.kind == profile_text::LineKind::Header) {
            section = lower(line.name);
            ownSection = nullptr;
            for (const OwnedEntries& entries : owned) {
                if (profile_text::SameName<char>(line.name, entries.section)) ownSection = &entries;
            }
            continue;
        }
        if (ownSection && line.kind == profile_text::LineKind::Entry) {
            const std::vector<std::string>& keys = ownSection->keys;
            auto same = [&](const std::string& key) { return profile_text::SameName<char>(line.name, key); };
            if (keys.empty() || std::any_of(keys.begin(), keys.end(), same)) continue;
        }
        lines.push_back(section + "]" + std::string(content));
    }
    return lines;
}

}  // namespace

ProfileSnapshot::ProfileSnapshot(std::string path, FileStatus status, std::string bytes)
    : path_(std::move(path)), status_(status), bytes_(status == FileStatus::Ok ? std::move(bytes) : std::string()) {}

std::string ProfileSnapshot::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultText, std::size_t bufferSize) const {
    if (bufferSize == 0) return {};
    if (status_ == FileStatus::Ok) {
        auto value = FindAnsiValue(bytes_, TrimSpaces(section), TrimSpaces(key));
        if (value) return CutToBuffer(std::move(*value), bufferSize);
    }
    std::size_t end = defaultText.find_last_not_of(' ');
    std::string fallback(defaultText.substr(0, end == std::string_view::npos ? 0 : end + 1));
    return CutToBuffer(std::move(fallback), bufferSize);
}

std::int32_t ProfileSnapshot::ReadInt(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
    // The platform reads the value into a buffer of 30 characters before parsing it.
    constexpr std::size_t kIntBuffer = 30;
    if (status_ != FileStatus::Ok) return defaultValue;
    auto value = FindAnsiValue(bytes_, TrimSpaces(section), TrimSpaces(key));
    if (!value || value->empty()) return defaultValue;
    return ScanProfileInt(CutToBuffer(std::move(*value), kIntBuffer));
}

bool DifferBeyondOwnEntries(const std::string& first, const std::string& second,
                            const std::vector<OwnedEntries>& owned) {
    return LinesOfOthers(first, owned) != LinesOfOthers(second, owned);
}

Profile::Profile(std::string path, FileSystem& fileSystem)
    : path_(std::move(path)), fileSystem_(fileSystem) {}

FileStatus Profile::CheckReadable() const { return Snapshot().Status(); }

ProfileSnapshot Profile::Snapshot() const {
    std::string bytes;
    FileStatus status = fileSystem_.Read(path_, bytes);
    return ProfileSnapshot(path_, status, std::move(bytes));
}

std::string Profile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultText, std::size_t bufferSize,
                                FileStatus* fileStatus) const {
    const ProfileSnapshot snapshot = Snapshot();
    if (fileStatus) *fileStatus = snapshot.Status();
    return snapshot.ReadString(section, key, defaultText, bufferSize);
}

std::int32_t Profile::ReadInt(std::string_view section, std::string_view key,
                              std::int32_t defaultValue, FileStatus* fileStatus) const {
    const ProfileSnapshot snapshot = Snapshot();
    if (fileStatus) *fileStatus = snapshot.Status();
    return snapshot.ReadInt(section, key, defaultValue);
}

FileStatus Profile::Write(std::string_view section, std::string_view key, std::string_view value) {
    return WriteAll({ProfileEntry{std::string(section), std::string(key), std::string(value)}});
}

FileStatus Profile::WriteAll(const std::vector<ProfileEntry>& entries) {
    if (entries.empty()) return FileStatus::Ok;
    for (const ProfileEntry& entry : entries) {
        if (!CanBeReadBack(entry)) return FileStatus::InvalidEntry;
    }
    return Rewrite([&](const std::optional<std::string>& bytes) { return WithEntries(bytes.value_or(""), entries); });
}

FileStatus Profile::Rewrite(const std::function<std::string(const std::optional<std::string>& bytes)>& edit,
                            const std::string& permissionsOf) {
    // Writers that take the lock wait for each other. Another program that changes the file
    // between our reading and our swap without it (the simulator) would lose its change:
    // the edit is then made again on what it wrote.
    std::unique_ptr<FileSystem::WriteLock> lock;
    FileStatus status = fileSystem_.LockForWriting(path_, lock);
    if (status != FileStatus::Ok) return status;
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::optional<std::string> bytes(std::in_place);
        status = fileSystem_.Read(path_, *bytes);
        if (status == FileStatus::NotFound) {
            bytes.reset();
        } else if (status != FileStatus::Ok) {
            return status;
        } else {
            status = fileSystem_.CheckWritable(path_);
            if (status != FileStatus::Ok) return status;
        }
        std::string updated = edit(bytes);
        if (bytes && updated == *bytes) return FileStatus::Ok;
        status = ReplaceFileContent(fileSystem_, path_, bytes, updated, permissionsOf);
        if (status != FileStatus::ChangedMeanwhile) return status;
    }
    return status;
}
