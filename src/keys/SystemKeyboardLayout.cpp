#include "keys/SystemKeyboardLayout.h"

#include <windows.h>

#include "keys/KeyNames.h"

std::uint16_t ActiveKeyboardLanguage() {
    return LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0)));
}

void FollowSystemKeyboardLayout() { SetKeyboardLanguageQuery(ActiveKeyboardLanguage); }
