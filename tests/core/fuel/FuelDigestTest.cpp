#include <gtest/gtest.h>

#include "FuelDigest.h"

TEST(FuelDigestTest, ManyTripsGiveTheRecordedFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}
