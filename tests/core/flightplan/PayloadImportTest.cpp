#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "flightplan/PayloadNote.h"
#include "flightplan/PayloadSpread.h"
#include "loadmgr/PayloadTotals.h"

namespace {

auto Fields(const PayloadSpread& s) {
    return std::make_tuple(s.payload.firstCabinCount, s.payload.secondCabinCount, s.payload.forwardHoldPercentage,
                           s.payload.aftHoldPercentage, s.passengersLeftOver, s.cargoLeftOverKg);
}

// A320: 12 + 138 seats, holds of 3402 and 4536 kg; A321: 16 + 169 seats, two holds of 5670 kg.
TEST(PayloadImportTest, SpreadOverCabinsAndHolds) {
    const std::tuple<std::int32_t, std::int32_t, double, std::tuple<int, int, int, int, int, int>> cases[] = {
        // 41 % of both gives 3253 kg; 42 % of the aft hold brings 46 kg more, of the forward one 34.
        {kA320, 148, 3320, {12, 136, 41, 42, 0, 0}},
        {kA320, 0, 0, {0, 0, 0, 0, 0, 0}},
        {kA320, 151, 7938.4, {12, 138, 100, 100, 1, 0}},
        {kA320, 1000, 9000.6, {12, 138, 100, 100, 850, 1063}},
        {kA321, 100, 1190, {9, 91, 11, 10, 0, 0}},   // equal holds: the forward one first
        {kA321, 100, 1189.9, {9, 91, 10, 10, 0, 0}},  // a percent more of either would be 1190 kg
    };
    for (const auto& [variant, passengers, cargo, expected] : cases) {
        const PayloadSpread spread = SpreadPayload(*FindVariant(variant), passengers, cargo);
        EXPECT_EQ(Fields(spread), expected) << passengers << " passengers, " << cargo << " kg";
    }
}

TEST(PayloadImportTest, TheNoteSaysWhatWasSetAndWhatDidNotFit) {
    FlightPlan plan;
    plan.departure = "EBBR", plan.destination = "LEMD";
    plan.load.zeroFuelWeightKg = 60500;
    const Variant& a320 = *FindVariant(kA320);
    const std::tuple<PayloadSpread, float, const char*> cases[] = {
        {SpreadPayload(a320, 148, 3320), kKilogramFactor,
         "EBBR to LEMD: 148 passengers, 3299 kg of cargo.\n"
         "Zero-fuel weight: 56810 kg here, 60500 kg in the flight plan (75 kg a passenger here)."},
        {SpreadPayload(a320, 151, 8000), kPoundFactor,
         "EBBR to LEMD: 150 passengers, 17500 lb of cargo.\n1 passenger and 137 lb of cargo did not fit.\n"
         "Zero-fuel weight: 135798 lb here, 133377 lb in the flight plan (165 lb a passenger here)."},
        {SpreadPayload(a320, 200, 10), kKilogramFactor,
         "EBBR to LEMD: 150 passengers, 0 kg of cargo.\n50 passengers did not fit.\n"
         "Zero-fuel weight: 53661 kg here, 60500 kg in the flight plan (75 kg a passenger here)."}};
    for (const auto& [spread, factor, expected] : cases) EXPECT_EQ(PayloadNote(plan, a320, spread, 42411, factor), expected);
}

TEST(PayloadImportTest, AnotherTypeIsImportedOnlyAfterAQuestion) {
    const std::tuple<std::int32_t, const char*, std::optional<std::string>> cases[] = {
        {kA320, "A321",
         "This flight plan is filed for the A321, and this is the load manager of the A320.\nImport its payload all the same?"},
        {kACJ, "A20N",
         "This flight plan is filed for the A20N, and this is the load manager of the ACJ.\nImport its payload all the same?"},
        {kACJ, "A319", std::nullopt}, {kA318, "A318", std::nullopt}};
    for (const auto& [variant, type, expected] : cases) {
        OfpLoad load;
        load.aircraftType = type;
        EXPECT_EQ(OtherTypeQuestion(*FindVariant(variant), load), expected);
    }
}

TEST(PayloadImportTest, AFlightIsPreparedWithTheVariantsFiledAsItsType) {
    EXPECT_EQ(VariantsFiledAs("A319"), (std::vector<std::int32_t>{kA319, kACJ}));
    EXPECT_EQ(VariantsFiledAs("A321"), (std::vector<std::int32_t>{kA321}));
    EXPECT_TRUE(VariantsFiledAs("B738").empty());
    EXPECT_EQ(OtherAircraftMessage("B738"),
              "The latest flight plan from SimBrief is filed for the B738, and this program prepares flights of the "
              "A318, A319, A320, A321 and ACJ only.\nPlan the flight for one of them on SimBrief, then try again.");
}

}  // namespace
