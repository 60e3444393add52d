#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The aircraft variants of the family, as the selector numbers them.
enum : std::int32_t {
    kNoAircraft = 0,
    kA318 = 1,
    kA319 = 2,
    kA320 = 3,
    kA321 = 4,
    kACJ = 5,
    kVariantCount = 5,
};

// Everything constant about one variant, read by the load manager and the fuel model alike:
// its load manager template and pictures, its cabins and holds, its empty weight, its tanks,
// and its aircraft files below the simulator's folder (the alternative file belongs to the
// IAE-engined version, where there is one).
struct Variant {
    std::int32_t selection;
    int loadManagerTemplate;
    int cabinPicture;  // the top view, under the cabin bars
    int holdPicture;   // the side view, under the hold bars
    std::int32_t firstCabinSeats;
    std::int32_t secondCabinSeats;
    std::int32_t forwardHoldKg;
    std::int32_t aftHoldKg;
    // The empty weight when the aircraft file gives none, and the weight the fuel model's
    // climb and descent tables are measured from.
    std::int32_t emptyWeightLb;
    // Capacity of one tank of each kind; an outer capacity of 0 means no outer tanks.
    std::int32_t innerTankKg;
    std::int32_t outerTankKg;
    std::int32_t centerTankKg;
    const char* primaryFile;      // relative to the simulator's folder, starting with a backslash
    const char* alternativeFile;  // null when the variant has none
};

// The variant of a selector value; null outside 1..5.
const Variant* FindVariant(std::int32_t selection);

// Full paths of the variant's candidate files: the primary, then the alternative if any.
// The relative paths are appended to the folder as they stand.
std::vector<std::string> CandidateFiles(const Variant& variant, const std::string& fsRoot);
