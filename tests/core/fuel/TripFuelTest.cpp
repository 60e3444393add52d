#include <gtest/gtest.h>

#include "FuelDigest.h"
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

// Every variant, altitude, cost index and weight range at once, including the table edges
// and continuations: one fingerprint of many pseudo-random trips. The Windows build checks
// the same value. After a deliberate change of the model, record the new value printed here
// in FuelDigest.h.
TEST(TripFuelTest, ManyTripsGiveTheRecordedFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}

}  // namespace
