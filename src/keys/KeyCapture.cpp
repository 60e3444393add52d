#include "keys/KeyCapture.h"

#include "keys/KeyNames.h"

KeyCapture ReadKeyCapture(std::uint8_t virtualKey, unsigned modifierFlags) {
    if (modifierFlags & kHotKeyAlt) return {{}, "ALT modifier is not authorized, please use another."};
    if (virtualKey == 0) return {{kNoModifier, 0}, {}};
    const KeyAssignment assignment = VirtualKeyToKeyCode(virtualKey, modifierFlags);
    if (assignment.key == 0) return {{}, "This key cannot be assigned, please use another."};
    return {assignment, {}};
}

std::string ReassignQuestion(const KeyCommands& table, int holder, KeyAssignment assignment) {
    const std::string name = table[holder].name;
    return AssignmentText(assignment.modifier, assignment.key) + " is already assigned to " + name +
           ".\nAssign it to this command instead? " + name + " will then have no key.";
}
