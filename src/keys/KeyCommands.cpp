#include "keys/KeyCommands.h"

#include <cstdio>
#include <vector>

#include "platform/MissingValue.h"
#include "platform/Profile.h"

namespace {

// The commands of the add-on's cockpit in the order the cockpit reads them, with their
// default assignments; the spare slots stay last.
constexpr KeyCommands kDefaults = {{
    {"T.O CONFIG", 3, 20},
    {"Panel Flood Light", 3, 33},
    {"Reset Flight", 3, 19},
    {"[MCDU] INIT Key", 2, 23},
    {"[MCDU] DIR Key", 2, 32},
    {"[MCDU] PERF Key", 2, 25},
    {"[MCDU] PROG Key", 2, 24},
    {"[MCDU] DATA Key", 2, 30},
    {"[MCDU] FPLN Key", 2, 49},
    {"[MCDU] RAD NAV Key", 2, 19},
    {"[MCDU] FUEL PRED Key", 2, 22},
    {"[MCDU] MENU Key", 2, 50},
    {"[MCDU] NEXT PAGE Key", 2, 209},
    {"[MCDU] Up Arrow Key", 2, 200},
    {"[MCDU] Down Arrow Key", 2, 208},
    {"[BARO] Toggle Barometric Setting", 3, 48},
    {"[BARO] Set Barometric Unit to InHg", 0, 0},
    {"[BARO] Set Barometric Unit to hPa", 0, 0},
    {"[BARO] Set Barometric Standard Mode", 0, 0},
    {"[BARO] Set Barometric QNH Mode", 0, 0},
    {"[BARO] Increase Barometric Pressure", 0, 0},
    {"[BARO] Decrease Barometric Pressure", 0, 0},
    {"[FCU] Decrease Speed/Mach", 2, 79},
    {"[FCU] Increase Speed/Mach", 2, 80},
    {"[FCU] Decrease Speed/Mach Quickly", 0, 0},
    {"[FCU] Increase Speed/Mach Quickly", 0, 0},
    {"[FCU] Decrease Heading/Track", 2, 75},
    {"[FCU] Increase Heading/Track", 2, 76},
    {"[FCU] Decrease Heading/Track Quickly", 0, 0},
    {"[FCU] Increase Heading/Track Quickly", 0, 0},
    {"[FCU] Decrease Altitude", 2, 71},
    {"[FCU] Increase Altitude", 2, 72},
    {"[FCU] Decrease Altitude Quickly", 0, 0},
    {"[FCU] Increase Altitude Quickly", 0, 0},
    {"[FCU] Decrease V/S", 2, 81},
    {"[FCU] Increase V/S", 2, 77},
    {"[FCU] Decrease V/S Quickly", 0, 0},
    {"[FCU] Increase V/S Quickly", 0, 0},
    {"[FCU] Toggle AP1", 0, 0},
    {"[FCU] Toggle AP2", 0, 0},
    {"[FCU] Toggle EXPED", 0, 0},
    {"[FCU] Toggle LOC mode", 0, 0},
    {"[FCU] Toggle APPR mode", 0, 0},
    {"[FCU] Speed Selected (Pull speed knob)", 3, 63},
    {"[FCU] Speed Managed (Push speed knob)", 3, 64},
    {"[FCU] Heading Selected (Pull heading knob)", 3, 65},
    {"[FCU] Heading Managed (Push heading knob)", 3, 66},
    {"[FCU] Open Climb/Descent (Pull altitude knob)", 3, 67},
    {"[FCU] Managed Climb/Descent (Push altitude knob)", 3, 68},
    {"[FCU] V/S Mode (Pull V/S knob)", 3, 87},
    {"[FCU] Level Off (Push V/S knob)", 3, 88},
    {"[FCU] Speed/Mach display", 0, 0},
    {"[FCU] HDG-VS/TRK-FPA display", 0, 0},
    {"[FCU] Metric Alt display", 0, 0},
    {"[FCU] Altitude variation by 100 feet", 0, 0},
    {"[FCU] Altitude variation by 1000 feet", 0, 0},
    {"[EFIS] Show/Hide Airports on ND", 0, 0},
    {"[EFIS] Show/Hide NDB on ND", 0, 0},
    {"[EFIS] Show/Hide VOR/DME on ND", 0, 0},
    {"[EFIS] Show/Hide Waypoints on ND", 0, 0},
    {"[EFIS] Show/Hide Constraints on ND", 0, 0},
    {"[EFIS] Set NAV1 Switch to ADF mode", 0, 0},
    {"[EFIS] Set NAV1 Switch to OFF", 0, 0},
    {"[EFIS] Set NAV1 Switch to VOR mode", 0, 0},
    {"[EFIS] Set NAV2 Switch to ADF mode", 0, 0},
    {"[EFIS] Set NAV2 Switch to OFF", 0, 0},
    {"[EFIS] Set NAV2 Switch to VOR mode", 0, 0},
    {"[EFIS] Toggle ILS display", 0, 0},
    {"[ECAM] Engine Page (ENG)", 0, 0},
    {"[ECAM] Bleed Page (BLEED)", 0, 0},
    {"[ECAM] Pressure Page (PRESS)", 0, 0},
    {"[ECAM] AC Electricity Page (EL/AC)", 0, 0},
    {"[ECAM] DC Electricity Page (EL/DC)", 0, 0},
    {"[ECAM] Hydraulic Page (HYD)", 0, 0},
    {"[ECAM] Auxiliary Power Unit Page (APU)", 0, 0},
    {"[ECAM] Air Conditioning Page (COND)", 0, 0},
    {"[ECAM] Door Page (DOOR)", 0, 0},
    {"[ECAM] Wheel Page (WHEEL)", 0, 0},
    {"[ECAM] Flight Controls Page (F/CTL)", 0, 0},
    {"[ECAM] Fuel Page (FUEL)", 0, 0},
    {"[ECAM] System Page (STS)", 0, 0},
    {"[ECAM] Circuit Breaker Page (CB)", 0, 0},
    {"Aircraft Cold & Dark", 3, 32},
    {"Clear ECAM Alerts", 0, 0},
    {"Recall cleared ECAM Alerts", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
}};

constexpr const char* kSection = "Keys";

std::string EntryName(int slot, const char* field) {
    char name[32];
    std::snprintf(name, sizeof name, "Command.%02d-%s", slot, field);
    return name;
}

}  // namespace

const KeyCommands& DefaultKeyCommands() { return kDefaults; }

int FindCommandHolding(const KeyCommands& table, KeyAssignment assignment, int slot) {
    if (assignment.key == 0) return -1;
    for (int other = 0; other < kKeyCommandSlots; ++other) {
        const KeyCommand& command = table[other];
        // Spare slots are not listed: the user could neither see nor change what they hold.
        if (other == slot || !*command.name) continue;
        if (command.modifier == assignment.modifier && command.key == assignment.key) return other;
    }
    return -1;
}

OwnedEntries KeyAssignmentEntries() { return {kSection, {}}; }

void ReadKeyAssignments(const ProfileSnapshot& file, KeyCommands& table) {
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        std::int32_t modifier = file.ReadInt(kSection, EntryName(slot, "Modifier"), kMissingNumber);
        std::int32_t key = file.ReadInt(kSection, EntryName(slot, "Key"), kMissingNumber);
        if (modifier == kMissingNumber || key == kMissingNumber) continue;
        table[slot].modifier = modifier;
        table[slot].key = key;
    }
}

FileStatus WriteKeyAssignments(const std::string& path, const KeyCommands& table, FileSystem& fileSystem) {
    std::vector<ProfileEntry> entries;
    entries.reserve(2 * kKeyCommandSlots);
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        entries.push_back({kSection, EntryName(slot, "Modifier"), std::to_string(table[slot].modifier)});
        entries.push_back({kSection, EntryName(slot, "Key"), std::to_string(table[slot].key)});
    }
    return Profile(path, fileSystem).WriteAll(entries);
}
