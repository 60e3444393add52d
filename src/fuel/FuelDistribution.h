#pragma once

#include <cstdint>

#include "aircraft/Variants.h"

// How a total of fuel is spread over the tanks. Amounts are kg in one tank of each kind;
// fractions are amount / capacity. The outer amount and fraction stay 0 when the variant
// has no outer tanks.
struct FuelDistribution {
    std::int32_t inner = 0;
    std::int32_t outer = 0;
    std::int32_t center = 0;
    float innerFraction = 0.0f;
    float outerFraction = 0.0f;
    float centerFraction = 0.0f;
    std::int32_t leftover = 0;  // kg that found no room; above 0 the aircraft cannot take the total
};

// Fills both inner tanks, then both outer tanks, then the center tank of the variant.
// A kilogram that cannot be halved between a pair passes on, ending
// in the center tank.
FuelDistribution DistributeFuel(const Variant& variant, std::int32_t totalFuel);
