#include <gtest/gtest.h>

#include <algorithm>

#include "TestFiles.h"
#include "loadmgr/AircraftFile.h"
#include "loadmgr/AircraftSelection.h"
#include "loadmgr/Variants.h"

namespace {

std::vector<std::int32_t> Figures(const WeightAndBalance& p) {
    return {p.emptyWeight, p.firstCabinCount, p.secondCabinCount, p.forwardHoldPercentage, p.aftHoldPercentage};
}

class AircraftFileTest : public ::testing::Test {
protected:
    const std::string kHead = "[fltsim.0]\r\ntitle=Quill\r\n\r\n[WEIGHT_AND_BALANCE]\r\n";
    const std::string kTail = "\r\n[GeneralEngineData]\r\nengine_type=1\r\n";
    std::string WithWeights(const std::string& entries) { return folder.Put("Aircraft.cfg", kHead + entries + kTail); }
    ScratchFolder folder;
};

TEST_F(AircraftFileTest, ReadsWhatIsStoredAndFallsBackToTheDefaults) {
    struct Case {
        const char* entries;  // null: no file
        std::vector<std::int32_t> expected;  // empty weight kg, first, second, forward %, aft %
    };
    const Case cases[] = {
        {nullptr, {42411, 0, 0, 0, 0}},
        {"max_gross_weight=169756\r\n", {42411, 0, 0, 0, 0}},  // missing: the default, truncated
        {"empty_weight=0\r\n", {42412, 0, 0, 0, 0}},           // unusable: the default, rounded
        {"empty_weight=none\r\n", {42412, 0, 0, 0, 0}},
        {"empty_weight=-5\r\n", {42412, 0, 0, 0, 0}},
        {"EMPTY_WEIGHT = \"86650\" \r\n", {39304, 0, 0, 0, 0}},
        {"empty_weight=\"86650\" ; lb\r\n", {42412, 0, 0, 0, 0}},  // quotes not at both ends
        // Unquoted, beyond the cabin (the slider clamps it), no number, negative.
        {"station_load.4=1322,   26.0, 0.0, 0.0, First\r\nstation_load.5=20000, 0.0, 0.0, 0.0, Coach\r\n"
         "station_load.2=abc\r\nstation_load.3=-40\r\n",
         {42411, 8, 121, 0, 0}},
    };
    for (const Case& c : cases) {
        std::string path = c.entries ? WithWeights(c.entries) : folder.Path("none.cfg");
        EXPECT_EQ(Figures(ReadWeightAndBalance(path, 93500, 1614, 2131)), c.expected) << (c.entries ? c.entries : "");
    }
}

TEST_F(AircraftFileTest, StationLoadsAreWrittenQuotedInOneBlockAndReadBack) {
    std::string path = WithWeights("empty_weight=86650\r\n");
    ASSERT_EQ(WriteWeightAndBalance(path, WeightAndBalance{0, 8, 0, 50, 0}, 2260, 3020), FileStatus::Ok);
    EXPECT_EQ(folder.Take("Aircraft.cfg"), kHead + "empty_weight=86650\r\n"
                                                   "station_load.4=\"1322,   26.0, 0.0, 0.0, First\"\r\n"
                                                   "station_load.5=\"0,  0.0, 0.0, 0.0, Coach\"\r\n"
                                                   "station_load.2=\"2491,   16.0, 0.0, 0.0, Baggage\"\r\n"
                                                   "station_load.3=\"0,   0.0, 0.0, 0.0, Cargo\"\r\n" + kTail);
    EXPECT_EQ(Figures(ReadWeightAndBalance(path, 89500, 2260, 3020)), (std::vector<std::int32_t>{39304, 8, 0, 50, 0}));

    EXPECT_EQ(WriteWeightAndBalance(folder.Path("gone/Aircraft.cfg"), WeightAndBalance{}, 3402, 4536),
              FileStatus::FolderMissing);
    EXPECT_FALSE(FileExists(folder.Path("gone/Aircraft.cfg")));
}

TEST_F(AircraftFileTest, EveryCountAndPercentageSurvivesARoundTrip) {
    std::string path = WithWeights("empty_weight=90000\r\n");
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        const VariantParameters& v = *FindVariant(selection);
        for (std::int32_t n = 0; n <= std::max(v.secondCabinCapacity, 100); ++n) {
            WeightAndBalance payload{40824, std::min(n, v.firstCabinCapacity), std::min(n, v.secondCabinCapacity),
                                     std::min(n, 100), 100 - std::min(n, 100)};
            ASSERT_EQ(WriteWeightAndBalance(path, payload, v.forwardHoldKg, v.aftHoldKg), FileStatus::Ok);
            ASSERT_EQ(Figures(ReadWeightAndBalance(path, 1, v.forwardHoldKg, v.aftHoldKg)), Figures(payload))
                << v.caption << " " << n;
        }
    }
}

}  // namespace
