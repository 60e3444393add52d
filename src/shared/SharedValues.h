#pragma once

#include <cstdint>
#include <string>

#include "aircraft/Variants.h"
#include "keys/KeyCommands.h"
#include "prefs/Preferences.h"

// What the dialogs of one run share, and nothing else: the core's functions take these as
// arguments and never read them. docs/architecture.md says who writes and reads each.

// The variant chosen in the selector (kNoAircraft, kA318 ... kACJ); kNoAircraft whenever
// the launcher is idle.
extern std::int32_t AircraftSelection;

// The zero-fuel weight (kg) that the load manager of each variant last saved in this run,
// indexed by AircraftSelection - 1; 0 = none yet. The fuel planner starts from it.
extern std::int32_t VariantZfw[kVariantCount];

// The simulator's folder and the add-on's preferences file, set once by the launcher.
extern std::string FsRootPath;
extern std::string PrefsPath;

// The [Common] preferences between the loading and the saving of the Configuration dialog.
extern CommonPreferenceValues CommonPreferences;

// The key commands and their assignments: the defaults at start, then what the key dialog
// saved. The dialog works on a copy, so a capture left with Cancel is not kept here.
extern KeyCommands KeyCommandTable;
