#pragma once

#include <cstdint>

// The language of the keyboard layout active on this thread (the low word of its handle).
std::uint16_t ActiveKeyboardLanguage();

// Makes the key naming and the key capture follow that layout.
void FollowSystemKeyboardLayout();
