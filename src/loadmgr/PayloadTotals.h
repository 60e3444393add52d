#pragma once

#include <cstdint>

#include "aircraft/Units.h"

// The unit factors of the load manager's read-outs: kilograms as held, or pounds.
inline constexpr float kKilogramFactor = 1.0f;
inline constexpr float kPoundFactor = kPoundsPerKilogramShown;

// The payload as the four sliders show it, with what the variant and its file add.
struct PayloadFigures {
    std::int32_t firstCabinCount = 0;
    std::int32_t secondCabinCount = 0;
    std::int32_t forwardHoldPercentage = 0;
    std::int32_t aftHoldPercentage = 0;
    std::int32_t forwardCapacityKg = 0;
    std::int32_t aftCapacityKg = 0;
    std::int32_t emptyWeightKg = 0;
    float unitFactor = kKilogramFactor;
};

// Every weight the dialog shows, in the unit of the factor, and the zero-fuel weight in
// kilograms that the fuel planner starts from.
struct PayloadTotals {
    std::uint32_t firstCabinWeight = 0;   // rounded to the nearest
    std::uint32_t secondCabinWeight = 0;  // rounded to the nearest
    std::uint32_t passengerWeight = 0;    // both cabins at once, truncated
    std::uint32_t forwardHoldWeight = 0;  // rounded to the nearest
    std::uint32_t aftHoldWeight = 0;      // rounded to the nearest
    std::uint32_t cargoWeight = 0;        // sum of the two hold weights shown
    std::uint32_t aircraftWeight = 0;     // empty weight, truncated
    std::uint32_t zeroFuelWeight = 0;     // rounded to the nearest
    std::int32_t zeroFuelWeightKg = 0;    // from the totals shown, truncated
};

// A hold's load at a whole percentage of its capacity, truncated.
std::uint32_t HoldKilograms(std::int32_t percentage, std::int32_t capacityKg);

PayloadTotals ComputePayloadTotals(const PayloadFigures& figures);
