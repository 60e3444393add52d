#include "keys/KeyCapture.h"

#include "keys/KeyNames.h"

KeyCapture ReadKeyCapture(std::uint8_t virtualKey, unsigned modifierFlags) {
    if (modifierFlags & kHotKeyAlt) return {{}, "ALT modifier is not authorized, please use another."};
    if (virtualKey == 0) return {{kNoModifier, 0}, {}};
    const KeyAssignment assignment = VirtualKeyToKeyCode(virtualKey, modifierFlags);
    if (assignment.key == 0) return {{}, "This key cannot be assigned, please use another."};
    return {assignment, {}};
}

HotKey HotKeyFor(KeyAssignment assignment) {
    unsigned flags = 0;
    if (assignment.modifier == kShiftModifier || assignment.modifier == kShiftCtrlModifier) flags |= kHotKeyShift;
    if (assignment.modifier == kCtrlModifier || assignment.modifier == kShiftCtrlModifier) flags |= kHotKeyControl;
    if (assignment.key == 0) return {0, 0};
    for (unsigned virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (VirtualKeyToKeyCode(static_cast<std::uint8_t>(virtualKey), flags).key != assignment.key) continue;
        // Page Up to Delete and the keypad's slash are extended keys: the control names them so.
        const bool extended = (virtualKey >= 0x21 && virtualKey <= 0x2E) || virtualKey == 0x6F;
        return {static_cast<std::uint8_t>(virtualKey), flags | (extended ? kHotKeyExtended : 0)};
    }
    return {0, 0};
}

std::string ReassignQuestion(const KeyCommands& table, int holder, KeyAssignment assignment) {
    const std::string name = table[holder].name;
    return AssignmentText(assignment.modifier, assignment.key) + " is already assigned to " + name +
           ".\nAssign it to this command instead? " + name + " will then have no key.";
}
