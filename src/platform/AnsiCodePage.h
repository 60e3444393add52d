#pragma once

#include <string>
#include <string_view>

// Conversions between the ANSI code page (Windows-1252, the code page of the English and
// French systems the program targets) and UTF-16, for profile files stored as UTF-16LE.
std::u16string AnsiToUtf16(std::string_view text);

// Characters that have no ANSI form become '?', as the platform's default conversion does.
std::string Utf16ToAnsi(std::u16string_view text);

// Case folding for name comparison: ASCII and the Latin letters of the code page.
char16_t FoldCase(char16_t unit);
