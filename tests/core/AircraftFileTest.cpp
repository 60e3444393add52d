#include <gtest/gtest.h>

#include "TestFiles.h"
#include "loadmgr/AircraftFile.h"
#include "platform/Profile.h"

namespace {

class AircraftFileTest : public ::testing::Test {
protected:
    std::string WithWeights(const std::string& entries) {
        return folder.Put("Aircraft.cfg", "[fltsim.0]\r\ntitle=Quill\r\n\r\n[WEIGHT_AND_BALANCE]\r\n" + entries +
                                              "\r\n[GeneralEngineData]\r\nengine_type=1\r\n");
    }
    std::string Entry(const std::string& path, const char* key) {
        return Profile(path).ReadString("WEIGHT_AND_BALANCE", key, "<UNDEFINED>", 99);
    }
    ScratchFolder folder;
};

TEST_F(AircraftFileTest, EmptyWeightFallsBackToTheVariantDefault) {
    struct Case {
        const char* entries;
        std::int32_t expectedKg;
    };
    const Case cases[] = {
        {"max_gross_weight=169756\r\n", 42411},          // missing: truncated
        {"empty_weight=0\r\n", 42412},                   // present but 0: rounded
        {"empty_weight=none\r\n", 42412},                // no number
        {"empty_weight=-5\r\n", 42412},
        {"empty_weight=86650\r\n", 39304},
        {"EMPTY_WEIGHT = \"86650\" \r\n", 39304},
        {"empty_weight=\"86650\" ; lb\r\n", 42412},  // quotes not at both ends
    };
    for (const Case& c : cases) {
        WeightAndBalance payload = ReadWeightAndBalance(WithWeights(c.entries), 93500, 3402, 4536);
        EXPECT_EQ(payload.emptyWeight, c.expectedKg) << c.entries;
    }
    WeightAndBalance missingFile = ReadWeightAndBalance(folder.Path("none.cfg"), 93500, 3402, 4536);
    EXPECT_EQ(missingFile.emptyWeight, 42411);
    EXPECT_EQ(missingFile.firstCabinCount + missingFile.secondCabinCount + missingFile.forwardHoldPercentage +
                  missingFile.aftHoldPercentage,
              0);
}

TEST_F(AircraftFileTest, StationLoadsAreWrittenQuotedAndReadBack) {
    std::string path = WithWeights("empty_weight=86650\r\nstation_load.0=\"340, 37.0, -1.5, 0.0, Pilot\"\r\n");
    WeightAndBalance payload{0, 8, 0, 50, 0};
    ASSERT_EQ(WriteWeightAndBalance(path, payload, 2260, 3020), FileStatus::Ok);

    EXPECT_EQ(Entry(path, "station_load.4"), "1322,   26.0, 0.0, 0.0, First");
    EXPECT_EQ(Entry(path, "station_load.5"), "0,  0.0, 0.0, 0.0, Coach");
    EXPECT_EQ(Entry(path, "station_load.2"), "2491,   16.0, 0.0, 0.0, Baggage");
    EXPECT_EQ(Entry(path, "station_load.3"), "0,   0.0, 0.0, 0.0, Cargo");
    EXPECT_NE(folder.Take("Aircraft.cfg").find("station_load.4=\"1322,   26.0, 0.0, 0.0, First\"\r\n"),
              std::string::npos);

    WeightAndBalance back = ReadWeightAndBalance(path, 89500, 2260, 3020);
    EXPECT_EQ(back.emptyWeight, 39304);
    EXPECT_EQ(back.firstCabinCount, 8);
    EXPECT_EQ(back.secondCabinCount, 0);
    EXPECT_EQ(back.forwardHoldPercentage, 50);
    EXPECT_EQ(back.aftHoldPercentage, 0);
    EXPECT_EQ(Entry(path, "station_load.0"), "340, 37.0, -1.5, 0.0, Pilot");
    EXPECT_EQ(Entry(path, "empty_weight"), "86650");
}

TEST_F(AircraftFileTest, NewEntriesKeepTheirOrderAndOtherSectionsTheirBytes) {
    std::string path = WithWeights("empty_weight=93500\r\n");
    ASSERT_EQ(WriteWeightAndBalance(path, WeightAndBalance{0, 1, 2, 3, 4}, 3402, 4536), FileStatus::Ok);
    std::string text = folder.Take("Aircraft.cfg");
    std::size_t four = text.find("station_load.4=");
    std::size_t five = text.find("station_load.5=");
    std::size_t two = text.find("station_load.2=");
    std::size_t three = text.find("station_load.3=");
    EXPECT_LT(four, five);
    EXPECT_LT(five, two);
    EXPECT_LT(two, three);
    const std::string head = "[fltsim.0]\r\ntitle=Quill\r\n\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n";
    const std::string tail = "\r\n\r\n[GeneralEngineData]\r\nengine_type=1\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(AircraftFileTest, UnquotedAndOversizedValuesAreReadAsStored) {
    std::string path = WithWeights("station_load.4=1322,   26.0, 0.0, 0.0, First\r\n"
                                   "station_load.5=20000, 0.0, 0.0, 0.0, Coach\r\n"
                                   "station_load.2=abc\r\nstation_load.3=-40\r\n");
    WeightAndBalance payload = ReadWeightAndBalance(path, 86650, 1614, 2131);
    EXPECT_EQ(payload.firstCabinCount, 8);
    EXPECT_EQ(payload.secondCabinCount, 121);
    EXPECT_EQ(payload.forwardHoldPercentage, 0);
    EXPECT_EQ(payload.aftHoldPercentage, 0);
}

TEST_F(AircraftFileTest, EveryCountAndPercentageSurvivesARoundTrip) {
    struct Variant {
        std::int32_t firstCabin, secondCabin, forwardKg, aftKg;
    };
    const Variant variants[] = {{8, 99, 1614, 2131}, {8, 116, 2260, 3020}, {12, 138, 3402, 4536},
                                {16, 169, 5670, 5670}, {6, 36, 2260, 3020}};
    std::string path = WithWeights("empty_weight=90000\r\n");
    for (const Variant& v : variants) {
        for (std::int32_t n = 0; n <= std::max({v.secondCabin, 100}); ++n) {
            WeightAndBalance payload{0, std::min(n, v.firstCabin), std::min(n, v.secondCabin), std::min(n, 100),
                                     100 - std::min(n, 100)};
            ASSERT_EQ(WriteWeightAndBalance(path, payload, v.forwardKg, v.aftKg), FileStatus::Ok);
            WeightAndBalance back = ReadWeightAndBalance(path, 90000, v.forwardKg, v.aftKg);
            ASSERT_EQ(back.firstCabinCount, payload.firstCabinCount);
            ASSERT_EQ(back.secondCabinCount, payload.secondCabinCount);
            ASSERT_EQ(back.forwardHoldPercentage, payload.forwardHoldPercentage);
            ASSERT_EQ(back.aftHoldPercentage, payload.aftHoldPercentage);
        }
    }
}

TEST_F(AircraftFileTest, WritesReportFailures) {
    EXPECT_EQ(WriteWeightAndBalance(folder.Path("gone/Aircraft.cfg"), WeightAndBalance{}, 3402, 4536),
              FileStatus::FolderMissing);
    EXPECT_FALSE(FileExists(folder.Path("gone/Aircraft.cfg")));
    EXPECT_TRUE(FileExists(WithWeights("")));
}

}  // namespace
