#pragma once

#include <cstdint>

#include "aircraft/Variants.h"
#include "loadmgr/AircraftFile.h"

// An OFP's passengers and cargo over the variant's two cabins and two holds, as the load
// manager's sliders can hold them.
struct PayloadSpread {
    WeightAndBalance payload;  // the sliders' four values; the empty weight is the file's, left to the caller
    // What did not fit, when there was more than the cabins or holds take.
    std::int32_t passengersLeftOver = 0;
    std::int32_t cargoLeftOverKg = 0;
};

// Passengers in proportion to the seats of each cabin, whole ones, their sum exact (a tie
// goes to the first cabin). Cargo in proportion to the holds' capacities: both holds at the
// highest whole percentage whose load stays within the cargo, then one of them a percent
// more when that still fits, the one that takes more. Too many of either: full, and the
// rest left over.
PayloadSpread SpreadPayload(const Variant& variant, std::int32_t passengers, double cargoKg);
