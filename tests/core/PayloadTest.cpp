#include <gtest/gtest.h>

#include <algorithm>

#include "MemoryFileSystem.h"
#include "app/RunState.h"
#include "aircraft/Variants.h"
#include "loadmgr/AircraftFile.h"
#include "loadmgr/PayloadFiles.h"
#include "loadmgr/PayloadTotals.h"

namespace {

// Read-outs: rows, passengers, holds, cargo, aircraft, ZFW shown, ZFW kg.
TEST(PayloadTotalsTest, ReadOutsRoundWhereTheyAlwaysHave) {
    constexpr float kg = kKilogramFactor, lb = kPoundFactor;
    const std::pair<PayloadFigures, std::vector<std::int64_t>> cases[] = {
        {{2, 0, 0, 0, 3402, 4536, 42411, kg}, {150, 0, 150, 0, 0, 0, 42411, 42561, 42561}},
        // The row is rounded (331), the total truncated (330); the ZFW comes back from the
        // pound totals, so it is a kilogram below the one of the kilogram read-out.
        {{2, 0, 0, 0, 3402, 4536, 42411, lb}, {331, 0, 330, 0, 0, 0, 93498, 93827, 42560}},
        {{0, 0, 0, 0, 3402, 4536, 42411, lb}, {0, 0, 0, 0, 0, 0, 93498, 93499, 42411}},
        // 33 % of 3402 kg is 1122 kg by integer division, not 1122.66.
        {{12, 138, 33, 67, 3402, 4536, 42411, kg}, {900, 10350, 11250, 1122, 3039, 4161, 42411, 57822, 57822}},
        {{12, 138, 33, 67, 3402, 4536, 42411, lb}, {1984, 22817, 24801, 2474, 6700, 9174, 93498, 127474, 57822}}};
    for (const auto& [in, out] : cases) {
        PayloadTotals t = ComputePayloadTotals(in);
        EXPECT_EQ(out, (std::vector<std::int64_t>{t.firstCabinWeight, t.secondCabinWeight, t.passengerWeight,
                                                  t.forwardHoldWeight, t.aftHoldWeight, t.cargoWeight,
                                                  t.aircraftWeight, t.zeroFuelWeight, t.zeroFuelWeightKg}))
            << in.firstCabinCount << " " << in.unitFactor;
    }
}

std::vector<std::int32_t> Figures(const WeightAndBalance& p) {  // empty weight kg, first, second, forward %, aft %
    return {p.emptyWeight, p.firstCabinCount, p.secondCabinCount, p.forwardHoldPercentage, p.aftHoldPercentage};
}

struct AircraftFileTest : ::testing::Test {
    const std::string kPath = "C:\\FS9\\Aircraft\\Velmora Quill A320\\Aircraft.cfg", kHead = "[WEIGHT_AND_BALANCE]\r\n";
    ProfileSnapshot WithWeights(const std::string& entries) {
        memory.files[kPath] = kHead + entries;
        return Profile(kPath, memory).Snapshot();
    }
    MemoryFileSystem memory;
};

// The payload's figures, then the maximum gross weight (kg, 0: none).
TEST_F(AircraftFileTest, ReadsWhatIsStoredAndFallsBackToTheDefaults) {
    const std::pair<const char*, std::vector<std::int32_t>> cases[] = {
        {"max_gross_weight=169756\r\n", {42411, 0, 0, 0, 0, 77001}},  // missing: the default, truncated
        {"empty_weight=0\r\nmax_gross_weight=0\r\n", {42412, 0, 0, 0, 0, 0}},  // unusable: the default, rounded
        {"EMPTY_WEIGHT = \"86650\" \r\nMax_Gross_Weight = \"149916\"\r\n", {39304, 0, 0, 0, 0, 68002}},
        {"empty_weight=\"86650\" ; lb\r\n", {42412, 0, 0, 0, 0, 0}},  // quotes not at both ends
        // Unquoted, beyond the cabin (the slider clamps it), no number, negative.
        {"station_load.4=1322,   26.0, 0.0, 0.0, First\r\nstation_load.5=20000, 0.0, 0.0, 0.0, Coach\r\n"
         "station_load.2=abc\r\nstation_load.3=-40\r\nmax_gross_weight=-169756\r\n", {42411, 8, 121, 0, 0, 0}}};
    for (const auto& [entries, expected] : cases) {
        const ProfileSnapshot file = WithWeights(entries);
        std::vector<std::int32_t> read = Figures(ReadWeightAndBalance(file, 93500, 1614, 2131));
        read.push_back(ReadMaximumGrossWeight(file));
        EXPECT_EQ(read, expected) << entries;
    }
}

TEST_F(AircraftFileTest, StationLoadsAreWrittenQuotedInOneBlockAndReadBackAlike) {
    WithWeights("empty_weight=86650\r\n");
    ASSERT_EQ(WriteWeightAndBalance(kPath, WeightAndBalance{0, 8, 0, 50, 0}, 2260, 3020, memory), FileStatus::Ok);
    EXPECT_EQ(memory.files[kPath], kHead + "empty_weight=86650\r\n"
                                           "station_load.4=\"1322,   26.0, 0.0, 0.0, First\"\r\n"
                                           "station_load.5=\"0,  0.0, 0.0, 0.0, Coach\"\r\n"
                                           "station_load.2=\"2491,   16.0, 0.0, 0.0, Baggage\"\r\n"
                                           "station_load.3=\"0,   0.0, 0.0, 0.0, Cargo\"\r\n");
    // Every count and percentage survives the round trip.
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        const Variant& v = *FindVariant(selection);
        for (std::int32_t n = 0; n <= std::max(v.secondCabinSeats, 100); ++n) {
            WeightAndBalance payload{39304, std::min(n, v.firstCabinSeats), std::min(n, v.secondCabinSeats),
                                     std::min(n, 100), 100 - std::min(n, 100)};
            ASSERT_EQ(WriteWeightAndBalance(kPath, payload, v.forwardHoldKg, v.aftHoldKg, memory), FileStatus::Ok);
            ASSERT_EQ(Figures(ReadWeightAndBalance(Profile(kPath, memory).Snapshot(), 1, v.forwardHoldKg, v.aftHoldKg)),
                      Figures(payload)) << selection << " " << n;
        }
    }
}

TEST(PayloadFilesTest, AnIncompleteSaveNamesEachFailureAndWhatWasSaved) {
    const std::string a = "C:\\A\\Aircraft.cfg", b = "C:\\B\\Aircraft.cfg";
    PayloadSaveOutcome half{{{a, FileStatus::ReadOnly}, {b, FileStatus::Ok}}};
    EXPECT_FALSE(half.AllWritten());
    EXPECT_EQ(half.FailureMessage(), "The new payload could not be saved completely.\n\nThe file\nC:\\A\\Aircraft.cfg\ncould not "
                                     "be written: the file is read-only.\n\nThe new payload was saved only in\nC:\\B\\Aircraft.cfg"
                                     "\n\nYour payload is still in this window. Make sure that the simulator is not running and that "
                                     "the file is not read-only, then press OK again, or press Cancel to leave without saving.");
    const std::string none = PayloadSaveOutcome{{{a, FileStatus::ReadOnly}}}.FailureMessage();
    EXPECT_NE(none.find("No aircraft file received"), std::string::npos);
    EXPECT_FALSE(PayloadSaveOutcome{}.AllWritten()) << "nothing left to write into is no save";
}

// The planner starts from the weight saved in this run only while the files hold its payload:
// after a restore, or another program's change, it starts from the files again.
TEST(RunStateTest, ASavedZeroFuelWeightCountsWhileTheFilesHoldItsPayload) {
    MemoryFileSystem memory;
    RunState run(InstallPaths{"C:\\FS9", "C:\\FS9\\Prefs.cfg", FolderSource::Registry, {}}, memory);
    const Variant& a320 = *FindVariant(kA320);
    const std::string file = CandidateFiles(a320, "C:\\FS9").front(), empty = "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n";
    memory.files[file] = empty;
    const WeightAndBalance payload{42412, 12, 0, 0, 0};
    ASSERT_EQ(WriteWeightAndBalance(file, payload, a320.forwardHoldKg, a320.aftHoldKg, memory), FileStatus::Ok);
    EXPECT_EQ(run.PlannerZeroFuelWeight(a320), 43312);
    run.PayloadSaved(a320, payload, 43311);  // as shown when closed in pounds
    EXPECT_EQ(run.PlannerZeroFuelWeight(a320), 43311);
    memory.files[file] = empty;
    EXPECT_EQ(run.PlannerZeroFuelWeight(a320), 42412);
    memory.refusals["Read"] = FileStatus::Locked;
    EXPECT_EQ(run.PlannerZeroFuelWeight(a320), 0);
}

TEST(PayloadFilesTest, NotInstalledNamesTheFilesLookedForAndAGuessedFolder) {
    EXPECT_EQ(NotInstalledMessage(*FindVariant(kA319), InstallPaths{"C:", "C:\\Prefs.cfg", FolderSource::AboveCurrentFolder, {}}),
              "Sorry, this aircraft is not installed on your system\n\nNo aircraft file was found at\n"
              "C:\\Aircraft\\Velmora Quill A319\\Aircraft.cfg\nnor at\nC:\\Aircraft\\Velmora Quill A319IAE\\Aircraft.cfg"
              "\n\nThe simulator's folder is not in the registry, so this program took the folder two levels above the "
              "one it was started from:\nC:\nStart it from the Velmora\\Skyliner folder of the simulator.");
}

}  // namespace
