#include <gtest/gtest.h>

#include "SelectedAircraft.h"
#include "fuel/FuelDistribution.h"
#include "fuel/FuelOnBoard.h"
#include "fuel/VariantFuel.h"

namespace {

TEST(FuelDistributionTest, RouteReserveIsTruncatedAfterTheSinglePrecisionHundredth) {
    struct Case {
        std::int32_t trip, taxi, percentage, final, total;
    };
    const Case cases[] = {
        {10000, 0, 5, 0, 10499}, {4042, 200, 5, 1000, 5444}, {2000, 0, 100, 0, 3999},
        {3, 0, 50, 0, 4},        {-500, 0, 5, 0, -524},      {4042, 0, 0, 0, 4042},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FuelOnBoard(c.trip, c.taxi, c.percentage, c.final), c.total)
            << c.trip << " kg, " << c.percentage << " %";
    }
}

TEST(FuelDistributionTest, EachVariantTakesExactlyItsLargestTotal) {
    struct Case {
        std::int32_t variant, emptyWeight, inner, outer, center, largest;
    };
    const Case cases[] = {
        {kA318, 39304, 4960, 590, 6375, 17475}, {kA319, 40597, 5435, 691, 6476, 18728},
        {kA320, 42411, 5435, 691, 6476, 18728}, {kA321, 48217, 6084, 0, 6437, 18605},
        {kACJ, 40597, 5435, 691, 11718, 23970},
    };
    for (const Case& c : cases) {
        SelectedAircraft selected(c.variant);
        SCOPED_TRACE(c.variant);
        EXPECT_EQ(ReferenceEmptyWeight(), c.emptyWeight);
        EXPECT_EQ(TankCapacity(TankKind::Inner), c.inner);
        EXPECT_EQ(TankCapacity(TankKind::Outer), c.outer);
        EXPECT_EQ(TankCapacity(TankKind::Center), c.center);

        const FuelDistribution full = DistributeFuel(c.largest);
        EXPECT_EQ(full.leftover, 0);
        EXPECT_EQ(full.innerFraction, 1.0f);
        EXPECT_EQ(full.outerFraction, c.outer > 0 ? 1.0f : 0.0f);
        EXPECT_EQ(full.centerFraction, 1.0f);
        EXPECT_EQ(DistributeFuel(c.largest + 1).leftover, 1);
    }
}

TEST(FuelDistributionTest, FillsInnerThenOuterThenCenter) {
    struct Case {
        std::int32_t variant, total, inner, outer, center, leftover;
    };
    const Case cases[] = {
        {kA320, 5444, 2722, 0, 0, 0},      {kA320, 9129, 4564, 0, 1, 0},  // odd kilogram to the center
        {kA320, 12253, 5435, 691, 1, 0},   {kA321, 13902, 6084, 0, 1734, 0},
        {kA321, 18606, 6084, 0, 6437, 1},  {kACJ, 20195, 5435, 691, 7943, 0},
        {kA318, -5, -2, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SelectedAircraft selected(c.variant);
        const FuelDistribution tanks = DistributeFuel(c.total);
        EXPECT_EQ(tanks.inner, c.inner) << c.total;
        EXPECT_EQ(tanks.outer, c.outer) << c.total;
        EXPECT_EQ(tanks.center, c.center) << c.total;
        EXPECT_EQ(tanks.leftover, c.leftover) << c.total;
    }
    SelectedAircraft a320(kA320);
    EXPECT_NEAR(DistributeFuel(5444).innerFraction, 0.5008, 0.0001);
}

}  // namespace
