#include <gtest/gtest.h>

#include "fuel/FuelDigest.h"

// The 32-bit Windows build must plan every trip to the kilogram as the native build does.
TEST(FuelConsistencyTest, WindowsBuildReproducesTheNativeFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}
