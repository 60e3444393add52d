#pragma once

#include <string>

// Conversions between the ANSI code page of the running system, the form of every path the
// program holds, and the UTF-16 form that the system's own functions take (Windows only).
std::wstring Widen(const std::string& text);

// The ANSI text of UTF-16 text; false when the code page cannot hold it exactly, the text then
// holding the code page's substitutes.
bool Narrow(const std::wstring& wide, std::string& text);
bool Narrow(const std::u16string& text, std::string& ansi);  // for the portable code's UTF-16
