#include "platform/SystemCodePage.h"

#include <windows.h>

std::wstring Widen(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

bool Narrow(const std::wstring& wide, std::string& text) {
    BOOL lossy = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, &lossy);
    text.assign(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), &text[0], length,
                        nullptr, &lossy);
    return !lossy;
}

bool Narrow(const std::u16string& text, std::string& ansi) {
    return Narrow(std::wstring(text.begin(), text.end()), ansi);
}
