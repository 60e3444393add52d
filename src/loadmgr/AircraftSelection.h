#pragma once

#include <cstdint>

// Process-wide values of one run, read by the core and the dialogs alike.

// The aircraft variant chosen in the selector: 0 none, 1 A318, 2 A319, 3 A320, 4 A321,
// 5 ACJ. It is 0 whenever the launcher is idle.
extern std::int32_t AircraftSelection;

enum : std::int32_t {
    kNoAircraft = 0,
    kA318 = 1,
    kA319 = 2,
    kA320 = 3,
    kA321 = 4,
    kACJ = 5,
    kVariantCount = 5,
};

// The zero-fuel weight (kg) that the load manager of each variant last saved in this run,
// indexed by AircraftSelection - 1; 0 = none yet. The fuel planner starts from it.
extern std::int32_t VariantZfw[kVariantCount];

// The zero-fuel weight (kg) of the last recomputation in any load manager dialog, 0 before
// the first; the launcher copies it into VariantZfw after a save.
extern std::int32_t LoadManagerZfw;
