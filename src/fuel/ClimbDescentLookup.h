#pragma once

#include <cstdint>

#include "aircraft/Variants.h"
#include "fuel/FuelTables.h"

// The amount (NM or kg) a climb from the ground to the altitude takes at gross weight W
// of the variant. Above 33000 ft the top two rows are continued
// in a straight line.
double ClimbLookup(const ClimbTable& table, const Variant& variant, std::int32_t weight, std::int32_t altitude);

// The amount (NM or kg) a descent from the altitude down to 2000 ft takes at gross weight
// W, for the variant; 0 below 2000 ft. Above 33000 ft the line
// through the 33000 and 28000 ft rows is continued.
double DescentLookup(const DescentTable& table, const Variant& variant, std::int32_t weight, std::int32_t altitude);
