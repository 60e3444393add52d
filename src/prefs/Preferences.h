#pragma once

#include <cstdint>
#include <string_view>

#include "platform/FileStatus.h"
#include "platform/Profile.h"

// The add-on's general preferences, the [Common] section of Prefs.cfg, one member per key.
// Values are kept exactly as read: no range is imposed, so whatever the file holds is
// written back unchanged unless the user picks another value. The defaults, for entries
// the file does not give, are in the table of Preferences.cpp.
struct CommonPreferenceValues {
    std::int32_t UnitSystem = 0;        // 0 kg, 1 lbs
    std::int32_t PushbackType = 0;      // 0 Standard, 1 PPU
    std::int32_t UserExperience = 0;    // 0 Beginner, 1 Intermediate, 2 Expert
    std::int32_t PanelVolume = 0;       // 0 (no sound) to 100
    std::int32_t IRSAlignmentTime = 0;  // seconds, 0 to 600
    std::int32_t Modifier = 0;          // 0 none (a lock key is used), 1 Shift, 2 Control, 3 Control-Shift, 4 Windows
    std::int32_t Locker = 0;            // 0 none (a modifier is used), 1 Scroll Lock, 2 Caps Lock, 3 Num Lock
    std::int32_t AutoPause = 0;         // 0 off, anything else on
    std::int32_t FsuipcUsage = 0;       // 0 off, anything else on
    std::int32_t FMGCSaveMode = 0;      // kept as read; nothing edits it
};

// One entry of [Common] as a number: the leading integer of its value (at most 48
// characters of it are looked at); `fallback` when the entry is missing, holds no number,
// or holds the add-on's missing number.
std::int32_t ReadPreference(const ProfileSnapshot& prefs, std::string_view key, std::int32_t fallback);

// Every preference from one read of the file, with the defaults where the file gives none.
CommonPreferenceValues LoadCommonPreferences(const ProfileSnapshot& prefs);

// The ten entries in one replacement of the file, in the order that a file created here
// holds them; every other line of the file keeps its bytes.
FileStatus SaveCommonPreferences(Profile& prefs, const CommonPreferenceValues& values);

// What this program writes into Prefs.cfg's [Common]: any of its entries.
OwnedEntries PreferenceEntries();

// Asks the add-on to load the aircraft cold and dark next time ("ColdAndDark=1").
FileStatus WriteColdAndDark(Profile& prefs);
