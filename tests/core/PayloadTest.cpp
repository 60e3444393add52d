#include <gtest/gtest.h>

#include <set>

#include "TestFiles.h"
#include "loadmgr/AircraftSelection.h"
#include "loadmgr/PayloadFiles.h"
#include "loadmgr/PayloadTotals.h"
#include "loadmgr/Variants.h"
#include "platform/Profile.h"

namespace {

// The real file system, except that the listed files are held by another program.
class LockingFileSystem final : public FileSystem {
public:
    std::set<std::string> locked;

    FileStatus Read(const std::string& path, std::string& bytes) override {
        return locked.count(path) ? FileStatus::Locked : real_.Read(path, bytes);
    }
    FileStatus CheckWritable(const std::string& path) override {
        return locked.count(path) ? FileStatus::Locked : real_.CheckWritable(path);
    }
    FileStatus WriteNewFile(const std::string& path, const std::string& bytes) override {
        return real_.WriteNewFile(path, bytes);
    }
    FileStatus CopyAttributes(const std::string& from, const std::string& to) override {
        return real_.CopyAttributes(from, to);
    }
    FileStatus Replace(const std::string& source, const std::string& target) override {
        return locked.count(target) ? FileStatus::Locked : real_.Replace(source, target);
    }
    FileStatus WriteInPlace(const std::string& path, std::size_t offset, const std::string& bytes) override {
        return locked.count(path) ? FileStatus::Locked : real_.WriteInPlace(path, offset, bytes);
    }
    FileStatus Truncate(const std::string& path, std::size_t size) override {
        return locked.count(path) ? FileStatus::Locked : real_.Truncate(path, size);
    }
    FileStatus Remove(const std::string& path) override { return real_.Remove(path); }

private:
    FileSystem& real_ = SystemFileSystem();
};

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
        {"empty A320 in lb", {0, 0, 0, 0, 3402, 4536, 42411, kPoundFactor},
         {0, 0, 0, 0, 0, 0, 93498, 93499, 42411}},
        // 33 % of 3402 kg is 1122 kg by integer division, not 1122.66.
        {"mixed in kg", {12, 138, 33, 67, 3402, 4536, 42411, kKilogramFactor},
         {900, 10350, 11250, 1122, 3039, 4161, 42411, 57822, 57822}},
        {"mixed in lb", {12, 138, 33, 67, 3402, 4536, 42411, kPoundFactor},
         {1984, 22817, 24801, 2474, 6700, 9174, 93498, 127474, 57822}},
        {"full A321 in lb", {16, 169, 100, 100, 5670, 5670, 48217, kPoundFactor},
         {2646, 27943, 30588, 12500, 12500, 25000, 106298, 161885, 73431}},
    };
    for (const Case& c : cases) {
        PayloadTotals t = ComputePayloadTotals(c.in);
        EXPECT_EQ(t.firstCabinWeight, c.out.firstCabinWeight) << c.what;
        EXPECT_EQ(t.secondCabinWeight, c.out.secondCabinWeight) << c.what;
        EXPECT_EQ(t.passengerWeight, c.out.passengerWeight) << c.what;
        EXPECT_EQ(t.forwardHoldWeight, c.out.forwardHoldWeight) << c.what;
        EXPECT_EQ(t.aftHoldWeight, c.out.aftHoldWeight) << c.what;
        EXPECT_EQ(t.cargoWeight, c.out.cargoWeight) << c.what;
        EXPECT_EQ(t.aircraftWeight, c.out.aircraftWeight) << c.what;
        EXPECT_EQ(t.zeroFuelWeight, c.out.zeroFuelWeight) << c.what;
        EXPECT_EQ(t.zeroFuelWeightKg, c.out.zeroFuelWeightKg) << c.what;
    }
}

TEST(PayloadTotalsTest, InKilogramsTheZfwIsTheSumOfItsParts) {
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        const VariantParameters& v = *FindVariant(selection);
        for (std::int32_t n = 0; n <= 100; n += 7) {
            PayloadFigures in{std::min(n, v.firstCabinCapacity), std::min(n, v.secondCabinCapacity), n, 100 - n,
                              v.forwardHoldKg, v.aftHoldKg, 40000 + n, kKilogramFactor};
            PayloadTotals t = ComputePayloadTotals(in);
            std::int32_t expected = in.emptyWeightKg + 75 * (in.firstCabinCount + in.secondCabinCount) +
                                    n * v.forwardHoldKg / 100 + (100 - n) * v.aftHoldKg / 100;
            ASSERT_EQ(t.zeroFuelWeightKg, expected) << v.caption << " " << n;
            ASSERT_EQ(t.zeroFuelWeight, static_cast<std::uint32_t>(expected));
        }
    }
}

// An installation below a scratch folder; on POSIX each candidate is a file named after
// its whole relative path, backslashes included.
class PayloadFilesTest : public ::testing::Test {
protected:
    std::string Install(const char* relativeFile, const std::string& weights) {
        return folder.Put(std::string("FS9") + relativeFile, "[WEIGHT_AND_BALANCE]\r\n" + weights);
    }
    std::string Entry(const std::string& path, const char* key) {
        return Profile(path).ReadString("WEIGHT_AND_BALANCE", key, "<UNDEFINED>", 99);
    }
    ScratchFolder folder;
    std::string root = folder.Path("FS9");
    const VariantParameters& a320 = *FindVariant(kA320);
    std::vector<std::string> candidates = CandidateFiles(a320, root);
    LockingFileSystem files;
};

TEST_F(PayloadFilesTest, ThePayloadComesFromTheFirstFileThatExists) {
    EXPECT_EQ(FindPayloadSource(candidates, files).path, candidates[0]);
    EXPECT_EQ(FindPayloadSource(candidates, files).status, FileStatus::NotFound);
    EXPECT_TRUE(CanShowPayload(FindPayloadSource(candidates, files)));

    Install(a320.alternativeFile, "station_load.4=\"1984\"\r\n");
    PayloadSource source = FindPayloadSource(candidates, files);
    EXPECT_EQ(source.path, candidates[1]) << "only the IAE version is installed";
    EXPECT_EQ(source.status, FileStatus::Ok);
    EXPECT_EQ(ReadWeightAndBalance(source.path, a320.defaultEmptyWeightLb, a320.forwardHoldKg, a320.aftHoldKg)
                  .firstCabinCount,
              12);

    Install(a320.primaryFile, "");
    EXPECT_EQ(FindPayloadSource(candidates, files).path, candidates[0]);
}

TEST_F(PayloadFilesTest, AFileThatCannotBeReadIsNeitherMissingNorShown) {
    Install(a320.primaryFile, "station_load.4=\"1984\"\r\n");
    Install(a320.alternativeFile, "");
    files.locked.insert(candidates[0]);

    EXPECT_TRUE(FileExists(candidates[0], files));
    EXPECT_TRUE(IsVariantInstalled(a320, root, files));
    PayloadSource source = FindPayloadSource(candidates, files);
    EXPECT_EQ(source.path, candidates[0]) << "not passed over for the readable alternative";
    EXPECT_EQ(source.status, FileStatus::Locked);
    EXPECT_FALSE(CanShowPayload(source));
    std::string message = PayloadReadFailureMessage(source);
    EXPECT_EQ(message.rfind(DescribeFileFailure(FileAccess::Read, candidates[0], FileStatus::Locked), 0), 0u);

    EXPECT_FALSE(FileExists(candidates[0] + ".none", files));
    EXPECT_FALSE(FileExists(folder.Path("gone/Aircraft.cfg"), files));
}

TEST_F(PayloadFilesTest, EveryExistingFileGetsTheSameEntriesAndNoneIsCreated) {
    const WeightAndBalance payload{0, 8, 100, 50, 25};
    std::string primary = Install(a320.primaryFile, "empty_weight=93500\r\n");
    PayloadSaveOutcome onlyPrimary = SavePayloadToFiles(candidates, payload, 3402, 4536, files);
    EXPECT_TRUE(onlyPrimary.AllWritten());
    ASSERT_EQ(onlyPrimary.writes.size(), 1u);
    EXPECT_FALSE(folder.Has(std::string("FS9") + a320.alternativeFile));

    std::string alternative = Install(a320.alternativeFile, "empty_weight=93000\r\n");
    EXPECT_TRUE(SavePayloadToFiles(candidates, payload, 3402, 4536, files).AllWritten());
    for (const char* key : {"station_load.2", "station_load.3", "station_load.4", "station_load.5"}) {
        EXPECT_EQ(Entry(primary, key), Entry(alternative, key)) << key;
    }
    EXPECT_EQ(Entry(primary, "station_load.4"), "1322,   26.0, 0.0, 0.0, First");
    EXPECT_EQ(Entry(alternative, "empty_weight"), "93000");
}

TEST_F(PayloadFilesTest, AFailedWriteIsNamedWithWhatWasSaved) {
    Install(a320.primaryFile, "");
    std::string alternative = Install(a320.alternativeFile, "");
    files.locked.insert(candidates[0]);
    PayloadSaveOutcome outcome = SavePayloadToFiles(candidates, WeightAndBalance{0, 1, 2, 3, 4}, 3402, 4536, files);
    ASSERT_EQ(outcome.writes.size(), 2u) << "a locked file still counts as existing";
    EXPECT_EQ(outcome.writes[0].status, FileStatus::Locked);
    EXPECT_EQ(outcome.writes[1].status, FileStatus::Ok);
    EXPECT_FALSE(outcome.AllWritten());
    std::string message = outcome.FailureMessage();
    EXPECT_NE(message.find(DescribeFileFailure(FileAccess::Write, candidates[0], FileStatus::Locked)),
              std::string::npos);
    EXPECT_NE(message.find("saved only in\n" + alternative), std::string::npos);

    files.locked.insert(candidates[1]);
    message = SavePayloadToFiles(candidates, WeightAndBalance{}, 3402, 4536, files).FailureMessage();
    EXPECT_NE(message.find("No aircraft file received the new payload."), std::string::npos);
    EXPECT_EQ(message.find("saved only in"), std::string::npos);

    EXPECT_FALSE(PayloadSaveOutcome{}.AllWritten()) << "nothing left to write into is no save";
}

// Facts that follow from the variant table and the file conversions together.
TEST(VariantPayloadTest, DerivedFactsOfTheVariants) {
    const VariantParameters& a319 = *FindVariant(kA319);
    const VariantParameters& acj = *FindVariant(kACJ);
    EXPECT_EQ(a319.defaultEmptyWeightLb, acj.defaultEmptyWeightLb);
    EXPECT_EQ(a319.forwardHoldKg, acj.forwardHoldKg);
    EXPECT_EQ(a319.aftHoldKg, acj.aftHoldKg);
    EXPECT_NE(a319.firstCabinCapacity, acj.firstCabinCapacity);
    EXPECT_NE(a319.secondCabinCapacity, acj.secondCabinCapacity);
    EXPECT_EQ(FindVariant(kA321)->forwardHoldKg, FindVariant(kA321)->aftHoldKg);

    ScratchFolder folder;
    std::string missing = folder.Path("none.cfg");
    EXPECT_EQ(ReadWeightAndBalance(missing, a319.defaultEmptyWeightLb, 2260, 3020).emptyWeight, 40597);

    // An A320 whose file has no empty_weight.
    const VariantParameters& a320 = *FindVariant(kA320);
    PayloadFigures figures;
    figures.emptyWeightKg = ReadWeightAndBalance(missing, a320.defaultEmptyWeightLb, 3402, 4536).emptyWeight;
    PayloadTotals kg = ComputePayloadTotals(figures);
    EXPECT_EQ(kg.aircraftWeight, 42411u);
    EXPECT_EQ(kg.zeroFuelWeight, 42411u);
    figures.unitFactor = kPoundFactor;
    PayloadTotals lb = ComputePayloadTotals(figures);
    EXPECT_EQ(lb.aircraftWeight, 93498u);
    EXPECT_EQ(lb.zeroFuelWeight, 93499u);
}

}  // namespace
