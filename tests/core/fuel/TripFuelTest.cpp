#include <gtest/gtest.h>

#include "FuelDigest.h"
#include "fuel/TripFuel.h"

namespace {

// A320, 500 NM at 35000 ft, cost index 30, zero-fuel weight 60000 kg: the first pass
// guesses 20 kg per NM (70000 kg), the second starts from 60000 kg plus its result, and a
// third pass, which would give 4036, is not made.
TEST(TripFuelTest, WorkedExampleGoesThroughExactlyTwoPasses) {
    const Variant& a320 = *FindVariant(kA320);
    EXPECT_EQ(TripFuel(a320, 500, 35000, 30, 70000), 4302);
    EXPECT_EQ(TripFuel(a320, 500, 35000, 30, 64302), 4042);
    EXPECT_EQ(PlanTripFuel(a320, 500, 35000, 30, 60000), 4042);
}

// Every variant, altitude, cost index and weight range at once, including the table edges
// and continuations: one fingerprint of many pseudo-random trips. The Windows build checks
// the same value. After a deliberate change of the model, record the new value printed here
// in FuelDigest.h.
TEST(TripFuelTest, ManyTripsGiveTheRecordedFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}

}  // namespace
