#include "platform/AnsiCodePage.h"

namespace {

// Windows-1252 characters 0x80..0x9F; the five unassigned bytes map to the C1 controls
// of the same value, both ways, as the platform does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t AnsiToUnit(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

char UnitToAnsi(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (char c : text) result.push_back(AnsiToUnit(static_cast<unsigned char>(c)));
    return result;
}

std::string Utf16ToAnsi(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char16_t unit : text) result.push_back(UnitToAnsi(unit));
    return result;
}

char16_t FoldCase(char16_t unit) {
    if (unit >= u'A' && unit <= u'Z') return unit + 32;
    // Latin-1 capitals, except the multiplication sign.
    if (unit >= 0xC0 && unit <= 0xDE && unit != 0xD7) return unit + 32;
    switch (unit) {
        case 0x0160: return 0x0161;  // S caron
        case 0x0152: return 0x0153;  // OE ligature
        case 0x017D: return 0x017E;  // Z caron
        case 0x0178: return 0x00FF;  // Y diaeresis
        default: return unit;
    }
}
