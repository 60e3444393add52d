#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// Modifier of a key assignment. There is no code for ALT: the cockpit cannot use it.
using ModifierCode = std::int32_t;
constexpr ModifierCode kNoModifier = 0;
constexpr ModifierCode kShiftModifier = 1;
constexpr ModifierCode kCtrlModifier = 2;
constexpr ModifierCode kShiftCtrlModifier = 3;

// The set-1 scan code of a physical key, plus 0x80 for keys sent with the extended prefix
// (Page Up is 201). Assignments are stored this way, whatever the keyboard layout. 0 is no key.
using KeyCode = std::int32_t;

struct KeyAssignment {
    ModifierCode modifier;
    KeyCode key;
};

// One assignable cockpit command with its current assignment.
struct KeyCommand {
    const char* name;  // as listed to the user; empty for a spare slot
    ModifierCode modifier;
    KeyCode key;

    void Assign(KeyAssignment assignment) {
        modifier = assignment.modifier;
        key = assignment.key;
    }
};

// Slots of the table, as stored in [Keys]: the named commands first, then spare slots.
constexpr int kKeyCommandSlots = 91;
using KeyCommands = std::array<KeyCommand, kKeyCommandSlots>;

// The table as the process starts.
const KeyCommands& DefaultKeyCommands();

// The first listed command other than `slot` whose assignment is exactly `assignment`; -1
// when there is none. No key (code 0) is never held, whatever its modifier: many commands
// share it.
int FindCommandHolding(const KeyCommands& table, KeyAssignment assignment, int slot);

class ProfileSnapshot;
struct OwnedEntries;

// What this program writes into Prefs.cfg's [Keys]: any of its entries.
OwnedEntries KeyAssignmentEntries();

// Loads the [Keys] section of the preferences file into `table`: a slot takes the two values
// the file gives it, and keeps its own when either entry is missing (or reads as the missing
// number). The caller has seen that the snapshot is usable.
void ReadKeyAssignments(const ProfileSnapshot& prefs, KeyCommands& table);

// Writes both entries of every slot, modifier before key and in slot order, with one
// replacement of the file; the other sections keep their bytes.
FileStatus WriteKeyAssignments(const std::string& path, const KeyCommands& table,
                               FileSystem& fileSystem = SystemFileSystem());
