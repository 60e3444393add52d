#include <gtest/gtest.h>

#include "TestFiles.h"
#include "loadmgr/AircraftFile.h"
#include "loadmgr/AircraftSelection.h"
#include "loadmgr/PayloadFiles.h"
#include "loadmgr/PayloadTotals.h"
#include "loadmgr/Variants.h"

namespace {

TEST(PayloadTotalsTest, ReadOutsRoundWhereTheyAlwaysHave) {
    struct Case {
        const char* what;
        PayloadFigures in;
        std::vector<std::int64_t> out;  // rows, passengers, holds, cargo, aircraft, ZFW shown, ZFW kg
    };
    const Case cases[] = {
        {"2 passengers in kg", {2, 0, 0, 0, 3402, 4536, 42411, kKilogramFactor},
         {150, 0, 150, 0, 0, 0, 42411, 42561, 42561}},
        // The row is rounded (331), the total truncated (330); the ZFW comes back from the
        // pound totals, so it is a kilogram below the one of the kilogram read-out.
        {"2 passengers in lb", {2, 0, 0, 0, 3402, 4536, 42411, kPoundFactor},
         {331, 0, 330, 0, 0, 0, 93498, 93827, 42560}},
        {"empty A320 in lb", {0, 0, 0, 0, 3402, 4536, 42411, kPoundFactor}, {0, 0, 0, 0, 0, 0, 93498, 93499, 42411}},
        // 33 % of 3402 kg is 1122 kg by integer division, not 1122.66.
        {"mixed in kg", {12, 138, 33, 67, 3402, 4536, 42411, kKilogramFactor},
         {900, 10350, 11250, 1122, 3039, 4161, 42411, 57822, 57822}},
        {"mixed in lb", {12, 138, 33, 67, 3402, 4536, 42411, kPoundFactor},
         {1984, 22817, 24801, 2474, 6700, 9174, 93498, 127474, 57822}},
    };
    for (const Case& c : cases) {
        PayloadTotals t = ComputePayloadTotals(c.in);
        EXPECT_EQ(c.out, (std::vector<std::int64_t>{t.firstCabinWeight, t.secondCabinWeight, t.passengerWeight,
                                                    t.forwardHoldWeight, t.aftHoldWeight, t.cargoWeight,
                                                    t.aircraftWeight, t.zeroFuelWeight, t.zeroFuelWeightKg}))
            << c.what;
    }
}

// What each variant's figures add up to: the heaviest zero-fuel weight its load manager
// can set on an aircraft file without empty_weight, and how many files it looks for.
TEST(PayloadTotalsTest, EachVariantAddsUpToItsFullLoad) {
    struct Case {
        std::int32_t selection, fullZfwKg;
        std::size_t files;
    };
    const Case cases[] = {
        {kA318, 51074, 1}, {kA319, 55177, 2}, {kA320, 61599, 2}, {kA321, 73432, 2}, {kACJ, 49027, 1}};
    ScratchFolder folder;
    for (const Case& c : cases) {
        const VariantParameters& v = *FindVariant(c.selection);
        std::int32_t empty = ReadWeightAndBalance(folder.Path("none"), v.defaultEmptyWeightLb, 1, 1).emptyWeight;
        PayloadFigures full{v.firstCabinCapacity, v.secondCabinCapacity, 100, 100, v.forwardHoldKg, v.aftHoldKg, empty,
                            kKilogramFactor};
        EXPECT_EQ(ComputePayloadTotals(full).zeroFuelWeightKg, c.fullZfwKg) << v.caption;
        EXPECT_EQ(CandidateFiles(v, "C:").size(), c.files) << v.caption;
    }
    for (std::int32_t outside : {std::int32_t{kNoAircraft}, 6, -1}) EXPECT_EQ(FindVariant(outside), nullptr) << outside;
}

TEST(PayloadFilesTest, AnIncompleteSaveNamesEachFailureAndWhatWasSaved) {
    const std::string a = "C:\\A\\Aircraft.cfg", b = "C:\\B\\Aircraft.cfg";
    PayloadSaveOutcome half{{{a, FileStatus::Locked}, {b, FileStatus::Ok}}};
    EXPECT_FALSE(half.AllWritten());
    std::string message = half.FailureMessage();
    EXPECT_NE(message.find(DescribeFileFailure(FileAccess::Write, a, FileStatus::Locked)), std::string::npos);
    EXPECT_NE(message.find("saved only in\n" + b), std::string::npos);
    message = PayloadSaveOutcome{{{a, FileStatus::ReadOnly}}}.FailureMessage();
    EXPECT_NE(message.find("No aircraft file received the new payload."), std::string::npos);
    EXPECT_FALSE(PayloadSaveOutcome{}.AllWritten()) << "nothing left to write into is no save";
}

}  // namespace
