#pragma once

#include <cstdint>
#include <string>

#include "keys/KeyCommands.h"

// Key codes are physical keys; what a key is called, and which key carries a letter,
// depends on the keyboard layout. Two layouts are known: the French one (language
// 0x040C) and every other, called standard.

// The language of the keyboard layout in use, as the system reports it. The portable
// code cannot ask the system itself: the Win32 layer installs the question, and until it
// does every layout counts as standard.
using KeyboardLanguageQuery = std::uint16_t (*)();
void SetKeyboardLanguageQuery(KeyboardLanguageQuery query);

bool FrenchLayout();

// The modifier flags of a hot-key control.
constexpr unsigned kHotKeyShift = 0x01;
constexpr unsigned kHotKeyControl = 0x02;
constexpr unsigned kHotKeyAlt = 0x04;
constexpr unsigned kHotKeyExtended = 0x08;

// The stored codes of a key combination captured by a hot-key control; a key that no
// table knows (Enter, Space, Escape, ...) gives key code 0, no key.
KeyAssignment VirtualKeyToKeyCode(std::uint8_t virtualKey, unsigned modifierFlags);

// The name of a key code as the user knows it (at most 19 characters, Windows-1252);
// "?" for a code no table knows, "No key defined" for 0.
std::string KeyName(KeyCode key);

// "SHIFT + CTRL + " and the like before the key's name; an unknown modifier adds nothing.
std::string AssignmentText(ModifierCode modifier, KeyCode key);

// The capture takes its letter and special-key tables from the layout in use when it first
// needs each, and the naming its tables at its first call; they then hold for the run,
// so that a code keeps its name however the user switches layouts. For tests: forgets
// those choices.
void ForgetLayoutChoices();
