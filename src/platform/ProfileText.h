#pragma once

// Parsing and editing of profile text, shared by ANSI files (char) and UTF-16LE files
// (char16_t). Internal to the profile engine.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/AnsiCodePage.h"

namespace profile_text {

template <typename Char>
bool IsBlank(Char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// Trims blanks (space, tab, vertical tab) at both ends, as lines of the file are trimmed.
template <typename Char>
std::basic_string_view<Char> TrimBlanks(std::basic_string_view<Char> text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// Trims spaces only, as the section and key arguments of a call are trimmed.
inline std::string_view TrimSpaces(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

template <typename Char>
char16_t Unit(Char c) {
    if constexpr (sizeof(Char) == 1) {
        return AnsiToUtf16(std::string_view(reinterpret_cast<const char*>(&c), 1))[0];
    } else {
        return static_cast<char16_t>(c);
    }
}

// Names compare in any letter case. ASCII, which nearly every name is, is compared at once;
// other characters through their UTF-16 unit.
template <typename Char>
bool SameName(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<std::make_unsigned_t<Char>>(a[i]), y = static_cast<std::make_unsigned_t<Char>>(b[i]);
        if (x < 0x80 && y < 0x80) {
            const unsigned lower = x | 0x20u;
            const bool letter = lower - 'a' <= unsigned('z' - 'a');
            if (letter ? lower != (y | 0x20u) : x != y) return false;
        } else if (FoldCase(Unit(a[i])) != FoldCase(Unit(b[i]))) {
            return false;
        }
    }
    return true;
}

enum class LineKind { Other, Header, Comment, Entry };

// One line of the text: [begin, end) is its content, next is where the following line
// starts (after the CRLF, LF or CR that ends it, if any).
template <typename Char>
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::Other;
    std::basic_string_view<Char> name;  // section name of a header, key name of an entry
    std::size_t equals = 0;              // position of the '=' of an entry
};

template <typename Char>
Line<Char> ReadLine(std::basic_string_view<Char> text, std::size_t begin) {
    Line<Char> line;
    line.begin = begin;
    std::size_t end = begin;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    line.end = end;
    line.next = end;
    if (end < text.size()) {
        line.next = end + 1;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') line.next = end + 2;
    }
    std::size_t first = begin;
    while (first < end && IsBlank(text[first])) ++first;
    std::basic_string_view<Char> content = text.substr(first, end - first);
    if (content.empty()) return line;
    if (content[0] == '[') {
        std::size_t close = content.find(Char(']'));
        std::size_t nameEnd = close == std::basic_string_view<Char>::npos ? content.size() : close;
        line.kind = LineKind::Header;
        line.name = TrimBlanks(content.substr(1, nameEnd - 1));
    } else if (content[0] == ';') {
        line.kind = LineKind::Comment;
    } else {
        std::size_t equals = content.find(Char('='));
        if (equals != std::basic_string_view<Char>::npos) {
            line.kind = LineKind::Entry;
            line.name = TrimBlanks(content.substr(0, equals));
            line.equals = first + equals;
        }
    }
    return line;
}

// Where a section starts and what it holds, as far as a lookup or an edit needs it.
template <typename Char>
struct SectionScan {
    bool found = false;
    Line<Char> header;
    std::optional<Line<Char>> entry;       // the first entry of the wanted key
    std::optional<Line<Char>> lastEntry;  // the last entry line of the section
};

// Only the first section of a name counts, and within it the first entry of a key. A lookup
// stops there; an edit reads on to the section's last entry.
template <typename Char>
SectionScan<Char> ScanSection(std::basic_string_view<Char> text, std::basic_string_view<Char> section,
                              std::basic_string_view<Char> key, bool stopAtEntry = false) {
    SectionScan<Char> scan;
    for (std::size_t pos = 0; pos < text.size();) {
        Line<Char> line = ReadLine(text, pos);
        pos = line.next;
        if (line.kind == LineKind::Header) {
            if (scan.found) break;
            if (SameName(line.name, section)) {
                scan.found = true;
                scan.header = line;
            }
        } else if (scan.found && line.kind == LineKind::Entry) {
            scan.lastEntry = line;
            if (!scan.entry && SameName(line.name, key)) {
                scan.entry = line;
                if (stopAtEntry) break;
            }
        }
    }
    return scan;
}

// The stored value of an entry: blanks trimmed, then one pair of enclosing quotes removed.
template <typename Char>
std::basic_string<Char> EntryValue(std::basic_string_view<Char> text, const Line<Char>& entry) {
    std::basic_string_view<Char> value =
        TrimBlanks(text.substr(entry.equals + 1, entry.end - entry.equals - 1));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
    }
    return std::basic_string<Char>(value);
}

template <typename Char>
std::optional<std::basic_string<Char>> FindValue(std::basic_string_view<Char> text,
                                                 std::basic_string_view<Char> section,
                                                 std::basic_string_view<Char> key) {
    SectionScan<Char> scan = ScanSection(text, section, key, true);
    if (!scan.entry) return std::nullopt;
    return EntryValue(text, *scan.entry);
}

template <typename Char>
std::basic_string<Char> Literal(const char* ascii) {
    return std::basic_string<Char>(ascii, ascii + std::char_traits<char>::length(ascii));
}

// Sets one entry in the text. `markOnly` tells that the file holds nothing but a UTF-16
// byte-order mark, which counts as text without a final line break.
template <typename Char>
void SetValue(std::basic_string<Char>& text, std::basic_string_view<Char> section,
              std::basic_string_view<Char> key, std::basic_string_view<Char> value,
              bool markOnly = false) {
    const std::basic_string<Char> lineBreak = Literal<Char>("\r\n");
    std::basic_string_view<Char> view(text);
    SectionScan<Char> scan = ScanSection(view, section, key);
    if (scan.entry) {
        // The line keeps its key text, its spacing around the '=' and its line break; only
        // the value itself is replaced.
        std::size_t valueBegin = scan.entry->equals + 1;
        while (valueBegin < scan.entry->end && IsBlank(text[valueBegin])) ++valueBegin;
        text.replace(valueBegin, scan.entry->end - valueBegin, value);
        return;
    }
    std::basic_string<Char> newLine(key);
    newLine += Char('=');
    newLine += value;
    newLine += lineBreak;
    if (scan.found) {
        const Line<Char>& after = scan.lastEntry ? *scan.lastEntry : scan.header;
        if (after.next == after.end) newLine.insert(0, lineBreak);  // that line ends the file unbroken
        text.insert(after.next, newLine);
        return;
    }
    bool unbroken = text.empty() ? markOnly : text.back() != '\r' && text.back() != '\n';
    if (unbroken) text += lineBreak;
    text += Char('[');
    text += section;
    text += Char(']');
    text += lineBreak;
    text += newLine;
}

}  // namespace profile_text
