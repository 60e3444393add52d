#pragma once

#include <cstdint>
#include <string>

#include "prefs/Preferences.h"

// What the Configuration dialog does with the preferences, apart from its controls.

// The word beside the volume slider: "No Sound", "Low", "Medium", "High" or "Maximum".
std::string VolumeLabel(std::int32_t volume);

// The alignment time beside its slider: "45s" up to a minute, "2m05s" above.
std::string IrsTimeLabel(std::int32_t seconds);

// A realism level comes with its usual alignment time (10 s, 60 s, 600 s), replacing the
// time chosen before. Other levels change nothing.
void ChooseExperience(CommonPreferenceValues& values, std::int32_t level);

// How the MCDU keyboard input is told apart from the simulator's keys: by a lock key, or
// by a modifier held down (no lock), or not decided by the Locker value (outside 0 to 3).
enum class KeyInputMode { Lock, Modifier, Undecided };

// Puts the preferences in the mode that their Locker value selects. A lock key means no
// modifier (Modifier 0); without a lock some modifier is needed, Control-Shift if none
// was chosen.
KeyInputMode ApplyLocker(CommonPreferenceValues& values);
