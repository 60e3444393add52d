#include <gtest/gtest.h>

#include <cctype>

#include "MemoryFileSystem.h"
#include "platform/Profile.h"

namespace {

const std::string kPath = "C:\\FS9\\Aircraft\\Velmora Quill A320\\Aircraft.cfg";
const std::string kOld = "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\nstation_load.4=\"0, 26.0, 0.0, 0.0, First\"\r\n";

MemoryFileSystem WithOldFile(bool inPlace) {
    MemoryFileSystem fileSystem;
    fileSystem.files[kPath] = kOld;
    if (inPlace) fileSystem.refusals["WriteNewFile"] = FileStatus::AccessDenied;  // the folder refuses new files
    return fileSystem;
}

FileStatus WriteEmptyWeight(FileSystem& fileSystem, const char* value) {
    return Profile(kPath, fileSystem).WriteAll({{"WEIGHT_AND_BALANCE", "empty_weight", value},
                                                {"WEIGHT_AND_BALANCE", "station_load.5", "\"8267,  0.0, 0.0, 0.0, Coach\""}});
}

// By replacement and in place, with values shorter, longer and as long as the old one: a
// crash at any change leaves the old or the new file (in place, nothing before the first
// changed byte moves); a refusal of any step with any reason is either overcome or
// reported with the old file intact, and nothing else is left in the folder.
TEST(FileReplacementTest, ACrashOrAFailureAtAnyStepLeavesTheOldOrTheNewFile) {
    const std::pair<bool, const char*> scenarios[] = {
        {false, "1"}, {false, "93500000"}, {true, "1"}, {true, "93500000"}, {true, "93500"}};
    for (const auto& [inPlace, value] : scenarios) {
        MemoryFileSystem reference = WithOldFile(inPlace);
        ASSERT_EQ(WriteEmptyWeight(reference, value), FileStatus::Ok);
        const std::string expectedNew = reference.files[kPath];
        for (int crashAt = 0; crashAt < reference.changes; ++crashAt) {
            MemoryFileSystem fileSystem = WithOldFile(inPlace);
            fileSystem.crashAtChange = crashAt;
            EXPECT_THROW(WriteEmptyWeight(fileSystem, value), Crash);
            const std::string& now = fileSystem.files[kPath];
            EXPECT_TRUE(inPlace ? now.substr(0, 35) == kOld.substr(0, 35) : now == kOld || now == expectedNew)
                << value << " crash " << crashAt;
        }
        for (FileStatus failure : {FileStatus::DiskFull, FileStatus::AccessDenied, FileStatus::Locked, FileStatus::Failed}) {
            for (int step = 0; step < reference.operations; ++step) {
                MemoryFileSystem fileSystem = WithOldFile(inPlace);
                fileSystem.failAtOperation = step;
                fileSystem.failure = failure;
                FileStatus status = WriteEmptyWeight(fileSystem, value);
                std::string where = std::string(value) + " step " + std::to_string(step) + " " + DescribeFileStatus(failure);
                EXPECT_EQ(fileSystem.files[kPath], status == FileStatus::Ok ? expectedNew : kOld) << where;
                EXPECT_EQ(fileSystem.files.size(), 1u) << where;
            }
        }
    }
}

TEST(FileReplacementTest, RefusalsOfTheSwapFallBackToAWriteInPlaceOthersAreReported) {
    struct Refusal {
        const char* operation;
        FileStatus status;
        FileStatus result;  // Ok where the file is written in place
    };
    // (A folder refusing new files is the in-place scenario of the sweep above.)
    const Refusal refusals[] = {
        {"Read", FileStatus::Locked, FileStatus::Locked},
        {"WriteNewFile", FileStatus::DiskFull, FileStatus::DiskFull},
        {"Replace", FileStatus::Locked, FileStatus::Ok},
        {"CopyAttributes", FileStatus::AccessDenied, FileStatus::Ok},
        {"Replace", FileStatus::Failed, FileStatus::Failed},
    };
    MemoryFileSystem reference = WithOldFile(false);
    ASSERT_EQ(WriteEmptyWeight(reference, "1"), FileStatus::Ok);
    for (const Refusal& refusal : refusals) {
        MemoryFileSystem fileSystem = WithOldFile(false);
        fileSystem.refusals[refusal.operation] = refusal.status;
        EXPECT_EQ(WriteEmptyWeight(fileSystem, "1"), refusal.result) << refusal.operation;
        EXPECT_EQ(fileSystem.files[kPath], refusal.result == FileStatus::Ok ? reference.files[kPath] : kOld)
            << refusal.operation;
        EXPECT_EQ(fileSystem.files.size(), 1u) << refusal.operation;
    }
}

TEST(FileReplacementTest, TemporaryFilesCarryTheProgramsNameAndTakenNamesAreSaidSo) {
    MemoryFileSystem watch = WithOldFile(false);
    watch.crashAtChange = 0;  // the temporary file is half-written
    EXPECT_THROW(WriteEmptyWeight(watch, "1"), Crash);
    watch.files.erase(kPath);
    ASSERT_EQ(watch.files.size(), 1u);
    std::string seen = watch.files.begin()->first, lower;
    for (char c : seen) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("skyliner"), std::string::npos) << seen;
    EXPECT_EQ(seen.substr(0, seen.find_last_of('\\')), kPath.substr(0, kPath.find_last_of('\\')));

    MemoryFileSystem fileSystem = WithOldFile(false);
    fileSystem.refusals["WriteNewFile"] = FileStatus::AlreadyExists;
    EXPECT_STRNE(DescribeFileStatus(WriteEmptyWeight(fileSystem, "1")), DescribeFileStatus(FileStatus::AlreadyExists));
    EXPECT_EQ(fileSystem.files[kPath], kOld);
}

// Another program that writes the file while we do keeps its change: our edit is made
// again on its content. One that never stops is reported, and keeps its content.
TEST(FileReplacementTest, ChangesByAnotherProgramDuringTheWriteAreKept) {
    for (int interruptions : {1, 2, 100}) {
        MemoryFileSystem fileSystem = WithOldFile(false);
        int count = 0;
        fileSystem.beforeOperation = [&](const std::string& operation) {
            if (operation == "CopyAttributes" && count++ < interruptions) {
                fileSystem.files[kPath] += "[Other" + std::to_string(count) + "]\r\nx=1\r\n";
            }
        };
        FileStatus status = WriteEmptyWeight(fileSystem, "1");
        Profile file(kPath, fileSystem);
        EXPECT_EQ(file.ReadInt("Other" + std::to_string(std::min(count, interruptions)), "x", 0), 1) << interruptions;
        EXPECT_EQ(file.ReadInt("WEIGHT_AND_BALANCE", "empty_weight", 0), status == FileStatus::Ok ? 1 : 93500);
        EXPECT_EQ(status, interruptions < 3 ? FileStatus::Ok : FileStatus::ChangedMeanwhile) << interruptions;
        EXPECT_EQ(fileSystem.files.size(), 1u);
    }
}

TEST(FileReplacementTest, ANewFileIsNeverHalfWrittenAndAnUnchangedFileNotTouched) {
    MemoryFileSystem fileSystem;
    fileSystem.crashAtChange = 0;
    EXPECT_THROW(Profile(kPath, fileSystem).Write("S", "k", "v"), Crash);
    EXPECT_EQ(Profile(kPath, fileSystem).WriteAll({}), FileStatus::Ok);
    EXPECT_EQ(fileSystem.files.count(kPath), 0u);

    MemoryFileSystem unchanged = WithOldFile(false);
    EXPECT_EQ(Profile(kPath, unchanged).Write("weight_and_balance", "EMPTY_WEIGHT", "93500"), FileStatus::Ok);
    EXPECT_EQ(unchanged.changes, 0);
}

}  // namespace
