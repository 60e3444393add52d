#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "TestFiles.h"
#include "loadmgr/AircraftSelection.h"
#include "loadmgr/PayloadFiles.h"
#include "loadmgr/PayloadTotals.h"
#include "loadmgr/Variants.h"

namespace {

TEST(PayloadTotalsTest, ReadOutsRoundWhereTheyAlwaysHave) {
    struct Case {
        const char* what;
        PayloadFigures in;
        PayloadTotals out;  // rows, passengers, holds, cargo, aircraft, ZFW shown, ZFW kg
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
        const std::uint32_t shown[] = {t.firstCabinWeight, t.secondCabinWeight, t.passengerWeight,
                                       t.forwardHoldWeight, t.aftHoldWeight, t.cargoWeight,
                                       t.aircraftWeight, t.zeroFuelWeight};
        const std::uint32_t expected[] = {c.out.firstCabinWeight, c.out.secondCabinWeight, c.out.passengerWeight,
                                          c.out.forwardHoldWeight, c.out.aftHoldWeight, c.out.cargoWeight,
                                          c.out.aircraftWeight, c.out.zeroFuelWeight};
        EXPECT_EQ(std::vector<std::uint32_t>(std::begin(shown), std::end(shown)),
                  std::vector<std::uint32_t>(std::begin(expected), std::end(expected)))
            << c.what;
        EXPECT_EQ(t.zeroFuelWeightKg, c.out.zeroFuelWeightKg) << c.what;
    }
}

TEST(PayloadTotalsTest, InKilogramsTheZfwIsTheSumOfItsParts) {
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        const VariantParameters& v = *FindVariant(selection);
        for (std::int32_t n = 0; n <= 100; n += 7) {
            PayloadFigures in{std::min(n, v.firstCabinCapacity), std::min(n, v.secondCabinCapacity), n, 100 - n,
                              v.forwardHoldKg, v.aftHoldKg, 40000 + n, kKilogramFactor};
            std::int32_t expected = in.emptyWeightKg + 75 * (in.firstCabinCount + in.secondCabinCount) +
                                    n * v.forwardHoldKg / 100 + (100 - n) * v.aftHoldKg / 100;
            ASSERT_EQ(ComputePayloadTotals(in).zeroFuelWeightKg, expected) << v.caption << " " << n;
        }
    }
}

// The real files, except that the listed ones are held by another program.
class HoldingFileSystem final : public FileSystem {
public:
    std::string held;
    FileStatus Read(const std::string& path, std::string& bytes) override {
        return path == held ? FileStatus::Locked : real.Read(path, bytes);
    }
    FileStatus CheckWritable(const std::string& path) override {
        return path == held ? FileStatus::Locked : real.CheckWritable(path);
    }
    FileStatus WriteNewFile(const std::string& p, const std::string& b) override { return real.WriteNewFile(p, b); }
    FileStatus CopyAttributes(const std::string& f, const std::string& t) override { return real.CopyAttributes(f, t); }
    FileStatus Replace(const std::string& s, const std::string& t) override { return real.Replace(s, t); }
    FileStatus WriteInPlace(const std::string& p, std::size_t o, const std::string& b) override {
        return real.WriteInPlace(p, o, b);
    }
    FileStatus Truncate(const std::string& p, std::size_t s) override { return real.Truncate(p, s); }
    FileStatus Remove(const std::string& p) override { return real.Remove(p); }
    FileSystem& real = SystemFileSystem();
};

// An A320 installation below a scratch folder; on POSIX each candidate is a file named
// after its whole relative path, backslashes included.
class PayloadFilesTest : public ::testing::Test {
protected:
    std::string Install(const char* relativeFile) {
        return folder.Put(std::string("FS9") + relativeFile, "[WEIGHT_AND_BALANCE]\r\n");
    }
    ScratchFolder folder;
    const VariantParameters& a320 = *FindVariant(kA320);
    std::vector<std::string> candidates = CandidateFiles(a320, folder.Path("FS9"));
    HoldingFileSystem files;
};

TEST_F(PayloadFilesTest, ThePayloadComesFromTheFirstFileThatExists) {
    EXPECT_EQ(FindPayloadSource(candidates, files).path, candidates[0]);
    EXPECT_TRUE(CanShowPayload(FindPayloadSource(candidates, files))) << "nothing installed: defaults";
    Install(a320.alternativeFile);
    EXPECT_EQ(FindPayloadSource(candidates, files).path, candidates[1]) << "only the IAE version is installed";
    Install(a320.primaryFile);
    EXPECT_EQ(FindPayloadSource(candidates, files).path, candidates[0]);

    // Held by another program: still there, and never passed over for the other file.
    files.held = candidates[0];
    EXPECT_TRUE(FileExists(candidates[0], files));
    PayloadSource source = FindPayloadSource(candidates, files);
    EXPECT_EQ(source.path, candidates[0]);
    EXPECT_FALSE(CanShowPayload(source));
    EXPECT_EQ(PayloadReadFailureMessage(source).rfind(
                  DescribeFileFailure(FileAccess::Read, candidates[0], FileStatus::Locked), 0),
              0u);
    EXPECT_FALSE(FileExists(folder.Path("gone/Aircraft.cfg"), files));
}

TEST_F(PayloadFilesTest, AnIncompleteSaveNamesEachFailureAndWhatWasSaved) {
    Install(a320.primaryFile);
    std::string alternative = Install(a320.alternativeFile);
    files.held = candidates[0];
    PayloadSaveOutcome outcome = SavePayloadToFiles(candidates, WeightAndBalance{0, 1, 2, 3, 4}, 3402, 4536, files);
    ASSERT_EQ(outcome.writes.size(), 2u) << "a held file still counts as existing";
    EXPECT_FALSE(outcome.AllWritten());
    std::string message = outcome.FailureMessage();
    EXPECT_NE(message.find(DescribeFileFailure(FileAccess::Write, candidates[0], FileStatus::Locked)),
              std::string::npos);
    EXPECT_NE(message.find("saved only in\n" + alternative), std::string::npos);

    std::remove(alternative.c_str());
    message = SavePayloadToFiles(candidates, WeightAndBalance{}, 3402, 4536, files).FailureMessage();
    EXPECT_NE(message.find("No aircraft file received the new payload."), std::string::npos);
    EXPECT_FALSE(folder.Has(std::string("FS9") + a320.alternativeFile)) << "never created";
    EXPECT_FALSE(PayloadSaveOutcome{}.AllWritten()) << "nothing left to write into is no save";
}

// Facts that follow from the variant table and the file conversions together.
TEST(VariantPayloadTest, DerivedFactsOfTheVariants) {
    const VariantParameters& a319 = *FindVariant(kA319);
    const VariantParameters& acj = *FindVariant(kACJ);
    EXPECT_EQ(std::tie(a319.defaultEmptyWeightLb, a319.forwardHoldKg, a319.aftHoldKg),
              std::tie(acj.defaultEmptyWeightLb, acj.forwardHoldKg, acj.aftHoldKg));
    EXPECT_NE(a319.firstCabinCapacity, acj.firstCabinCapacity);
    EXPECT_NE(a319.secondCabinCapacity, acj.secondCabinCapacity);
    EXPECT_EQ(FindVariant(kA321)->forwardHoldKg, FindVariant(kA321)->aftHoldKg);

    ScratchFolder folder;
    std::string missing = folder.Path("none.cfg");
    EXPECT_EQ(ReadWeightAndBalance(missing, a319.defaultEmptyWeightLb, 2260, 3020).emptyWeight, 40597);
    // An A320 whose file has no empty_weight, in kilograms and in pounds.
    PayloadFigures figures;
    figures.emptyWeightKg = ReadWeightAndBalance(missing, FindVariant(kA320)->defaultEmptyWeightLb, 3402, 4536).emptyWeight;
    EXPECT_EQ(ComputePayloadTotals(figures).aircraftWeight, 42411u);
    EXPECT_EQ(ComputePayloadTotals(figures).zeroFuelWeight, 42411u);
    figures.unitFactor = kPoundFactor;
    EXPECT_EQ(ComputePayloadTotals(figures).aircraftWeight, 93498u);
    EXPECT_EQ(ComputePayloadTotals(figures).zeroFuelWeight, 93499u);
}

}  // namespace
