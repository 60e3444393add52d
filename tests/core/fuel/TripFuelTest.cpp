#include <gtest/gtest.h>

#include "SelectedAircraft.h"
#include "fuel/ClimbDescentLookup.h"
#include "fuel/ClimbDescentSpeeds.h"
#include "fuel/CruisePerformance.h"
#include "fuel/TripFuel.h"

namespace {

// A320, 500 NM at 35000 ft, cost index 30, zero-fuel weight 60000 kg: both passes, with
// the intermediate values each pass must pass through.
TEST(TripFuelTest, WorkedExampleGoesThroughBothPasses) {
    SelectedAircraft a320(kA320);
    struct Pass {
        std::int32_t grossWeight;
        double climbFuel, climbDistance;
        std::int32_t topOfClimbWeight;
        double flow;
        std::int32_t topOfDescentWeight;
        double descentDistance, descentFuel;
        std::int32_t tripFuel;
    };
    const Pass passes[] = {
        {70000, 2131.48, 121.242, 67868, 1389.47, 65837, 102.482, 464.79, 4302},
        {64302, 1885.44, 107.934, 62416, 1305.51, 60431, 99.346, 458.32, 4042},
    };
    const ClimbDescentSpeeds speeds = SpeedsFor(35000, 30);
    for (const Pass& pass : passes) {
        SCOPED_TRACE(pass.grossWeight);
        EXPECT_NEAR(ClimbLookup(kClimbFuel, pass.grossWeight, 35000) * speeds.climbRatio, pass.climbFuel, 0.01);
        EXPECT_NEAR(ClimbLookup(kClimbDistance, pass.grossWeight, 35000), pass.climbDistance, 0.001);
        EXPECT_NEAR(CruiseFuelFlow(35000, pass.topOfClimbWeight), pass.flow, 0.01);
        EXPECT_NEAR(DescentLookup(kDescentDistance, pass.topOfDescentWeight, 35000) + 15, pass.descentDistance, 0.001);
        EXPECT_NEAR((DescentLookup(kDescentFuel, pass.topOfDescentWeight, 35000) + 250) * speeds.descentRatio,
                    pass.descentFuel, 0.01);
        EXPECT_EQ(TripFuel(500, 35000, 30, pass.grossWeight), pass.tripFuel);
    }
    // A third pass would give 4036.
    EXPECT_EQ(PlanTripFuel(500, 35000, 30, 60000), 4042);
}

TEST(TripFuelTest, PlansAcrossVariantsAndTableEdges) {
    struct Case {
        std::int32_t variant, distance, altitude, costIndex, zeroFuelWeight, expected;
    };
    const Case cases[] = {
        {kA320, 50, 35000, 30, 60000, 1368},     // negative cruise segment lowers the total
        {kA318, 1200, 37000, 40, 45000, 7228},   // climb continued above 33000 ft
        {kA318, 300, 37000, 40, 20000, 2208},    // light: negative weight steps
        {kA321, 2500, 41000, 80, 70000, 23719},  // above the cruise table
        {kA319, 300, 15000, 20, 50000, 2779},    // below the cruise table
        {kACJ, 3500, 33000, 10, 55000, 26418},   // top row of climb and descent
        {kA320, 800, 1500, 30, 60000, 6579},     // below the descent table
        {kA320, 500, 32500, 30, 60000, 4126},
        {kA320, 500, 33500, 30, 60000, 4093},
        {kA320, 10, 5000, 999, 60000, 648},      // both speeds capped
    };
    for (const Case& c : cases) {
        SelectedAircraft selected(c.variant);
        EXPECT_EQ(PlanTripFuel(c.distance, c.altitude, c.costIndex, c.zeroFuelWeight), c.expected)
            << "variant " << c.variant << ", " << c.distance << " NM at " << c.altitude << " ft";
    }
}

}  // namespace
