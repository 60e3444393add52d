#include <gtest/gtest.h>

#include "SelectedAircraft.h"
#include "fuel/ClimbDescentLookup.h"
#include "fuel/ClimbDescentSpeeds.h"

namespace {

TEST(ClimbDescentTest, SpeedsTruncateTheAltitudeTermAndCapAt340) {
    struct Case {
        std::int32_t altitude, costIndex, climbSpeed, descentSpeed;
    };
    const Case cases[] = {
        {35000, 30, 290, 274},  {31000, 30, 294, 278},
        {32500, 30, 292, 276},  {33500, 30, 292, 276},  // -500 div 1000 is 0, not -1
        {34999, 30, 291, 275},  {33000, 1, 281, 242},
        {33000, 153, 339, 340}, {33000, 154, 340, 340}, {33000, 83, 313, 339}, {33000, 84, 313, 340},
        {35000, 200, 340, 340}, {1000, 100, 340, 340},
    };
    for (const Case& c : cases) {
        const ClimbDescentSpeeds speeds = SpeedsFor(c.altitude, c.costIndex);
        EXPECT_EQ(speeds.climbSpeed, c.climbSpeed) << c.altitude << " ft, cost index " << c.costIndex;
        EXPECT_EQ(speeds.descentSpeed, c.descentSpeed) << c.altitude << " ft, cost index " << c.costIndex;
    }
    const ClimbDescentSpeeds example = SpeedsFor(35000, 30);
    EXPECT_FLOAT_EQ(example.climbRatio, 0.9666667f);
    EXPECT_FLOAT_EQ(example.descentRatio, 0.9133334f);
}

// The A320's weight step is 0 at 50811 kg in the climb tables and at 48021 kg in the
// descent tables, so the expected values read straight off the rows.
TEST(ClimbDescentTest, LookupsInterpolateAndContinueThePublishedRows) {
    SelectedAircraft a320(kA320);
    struct Case {
        bool climb;
        const char* what;
        std::int32_t weight, altitude;
        double expected;
    };
    const Case cases[] = {
        {true, "ground", 50811, 0, 0.0},
        {true, "below ground", 50811, -1, 0.0},
        {true, "between rows", 50811, 500, 0.65},
        {true, "top row", 50811, 33000, 69.5},
        {true, "continues rows 32 and 33", 50811, 34000, 74.3},
        {true, "step -999 kg truncates to 0", 49812, 12000, 17.0},
        {true, "step -1000 kg", 49811, 12000, 16.485},
        {true, "step +2000 kg", 52811, 12000, 18.03},
        {false, "top row", 48021, 33000, 73.5},
        {false, "continues rows 0 and 5", 48021, 34000, 75.16},
        {false, "row 5", 48021, 28000, 65.2},
        {false, "between rows 0 and 1", 48021, 32500, 71.95},
        {false, "bottom row", 48021, 2000, 0.0},
        {false, "below the table", 48021, 1999, 0.0},
        {false, "step -999 kg truncates to 0", 47022, 33000, 73.5},
        {false, "step -1000 kg", 47021, 33000, 72.9},
    };
    for (const Case& c : cases) {
        const double distance = c.climb ? ClimbLookup(kClimbDistance, c.weight, c.altitude)
                                        : DescentLookup(kDescentDistance, c.weight, c.altitude);
        EXPECT_NEAR(distance, c.expected, 0.001) << (c.climb ? "climb: " : "descent: ") << c.what;
    }
    EXPECT_NEAR(ClimbLookup(kClimbFuel, 50811, 6500), 383.0, 0.001);
    EXPECT_NEAR(DescentLookup(kDescentFuel, 48021, 33000), 228.0, 0.001);
}

}  // namespace
