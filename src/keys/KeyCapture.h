#pragma once

#include <cstdint>
#include <string>

#include "keys/KeyCommands.h"

// What OK in the key assigner makes of the combination in its capture field, without the
// window.

// The assignment a capture stands for, or why it cannot be assigned (`refusal` not empty).
struct KeyCapture {
    KeyAssignment assignment;
    std::string refusal;
};

// Refuses ALT, which the cockpit cannot use, and a key that has no code (Space, Enter, the
// Windows keys, ...), which would leave the modifier assigned alone. No key at all clears
// the assignment, whatever modifier is held.
KeyCapture ReadKeyCapture(std::uint8_t virtualKey, unsigned modifierFlags);

// The hot-key control's key and modifier flags that capture `assignment`, for the capture
// to start from; no key (0) for an assignment that no key captures.
struct HotKey {
    std::uint8_t virtualKey;
    unsigned modifierFlags;
};
HotKey HotKeyFor(KeyAssignment assignment);

// The question asked before `assignment` is taken from the command of slot `holder`, named
// as the list and the assignment field name them.
std::string ReassignQuestion(const KeyCommands& table, int holder, KeyAssignment assignment);
