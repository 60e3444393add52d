#include <gtest/gtest.h>

#include "fuel/CruisePerformance.h"

namespace {

TEST(CruisePerformanceTest, SpeedInterpolatesInsideTheTableAnd394Outside) {
    const std::pair<std::int32_t, double> cases[] = {
        {39000, 447.0}, {36000, 448.5}, {24000, 425.5}, {20000, 400.0},
        {19000, 394.0}, {40000, 394.0}, {1, 394.0},
    };
    for (const auto& [altitude, speed] : cases) EXPECT_DOUBLE_EQ(CruiseSpeed(altitude), speed) << altitude;
    EXPECT_NEAR(CruiseTime(450.0, 35000), 60.0, 1e-9);
}

TEST(CruisePerformanceTest, FlowInterpolatesAndFallsBackToTheHeaviestColumn) {
    struct Case {
        std::int32_t altitude, weight;
        double tableFlow;  // before the 10 % margin
    };
    const Case cases[] = {
        {35000, 44000, 1035.0},   {35000, 67868, 1263.152}, {36000, 47000, 1022.75},
        {20000, 47000, 1307.75},
        {35000, 40000, 1490.0},   {35000, 80000, 1490.0},   {35000, 85000, 1490.0},
        {36000, 85000, 1500.0},  // the 37000 ft row's value, not interpolated down
        {40000, 47000, 945.5},    {45000, 30000, 1620.0},   // above 39000 ft: the 39000 ft row
        {19000, 47000, 1313.5},   {5000, 85000, 1496.0},    // at or below 19000 ft: that row
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(CruiseFuelFlow(c.altitude, c.weight), c.tableFlow * 1.1, 0.001)
            << c.altitude << " ft, " << c.weight << " kg";
    }
}

}  // namespace
