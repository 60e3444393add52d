#pragma once

#include <cstdint>

// Climb and descent speeds for a cruising altitude and cost index, and their ratios to
// 300 knots, which scale the climb and descent fuel.
struct ClimbDescentSpeeds {
    std::int32_t climbSpeed;    // V1, knots
    std::int32_t descentSpeed;  // V2, knots
    float climbRatio;           // k1 = V1 / 300
    float descentRatio;         // k2 = V2 / 300
};

ClimbDescentSpeeds SpeedsFor(std::int32_t altitude, std::int32_t costIndex);
