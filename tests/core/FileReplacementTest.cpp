#include <gtest/gtest.h>

#include <cctype>

#include "MemoryFileSystem.h"
#include "loadmgr/AircraftFile.h"
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

// New values shorter and longer than the old one, by replacement and in place.
struct Scenario {
    bool inPlace;
    const char* value;
};
const Scenario kScenarios[] = {{false, "1"}, {false, "93500000"}, {true, "1"}, {true, "93500000"}, {true, "93500"}};

FileStatus WriteEmptyWeight(FileSystem& fileSystem, const char* value) {
    return Profile(kPath, fileSystem).WriteAll({{"WEIGHT_AND_BALANCE", "empty_weight", value},
                                                {"WEIGHT_AND_BALANCE", "station_load.5", "\"8267,  0.0, 0.0, 0.0, Coach\""}});
}

TEST(FileReplacementTest, AnInterruptedWriteLeavesTheOldOrTheNewFile) {
    for (const Scenario& scenario : kScenarios) {
        MemoryFileSystem reference = WithOldFile(scenario.inPlace);
        ASSERT_EQ(WriteEmptyWeight(reference, scenario.value), FileStatus::Ok);
        const std::string expectedNew = reference.files[kPath];
        for (int crashAt = 0; crashAt < reference.changes; ++crashAt) {
            MemoryFileSystem fileSystem = WithOldFile(scenario.inPlace);
            fileSystem.crashAtChange = crashAt;
            EXPECT_THROW(WriteEmptyWeight(fileSystem, scenario.value), Crash);
            const std::string& now = fileSystem.files[kPath];
            if (scenario.inPlace) {
                // In place only the bytes from the first change on can be touched.
                EXPECT_EQ(now.substr(0, 35), kOld.substr(0, 35)) << scenario.value << " crash " << crashAt;
            } else {
                EXPECT_TRUE(now == kOld || now == expectedNew) << scenario.value << " crash " << crashAt;
            }
        }
    }
}

// Whatever step is refused, and with whatever reason, a reported failure means the file
// is as it was and nothing else is left in the folder.
TEST(FileReplacementTest, AFailureAtAnyStepLeavesTheOldFileAndIsReported) {
    for (const Scenario& scenario : kScenarios) {
        MemoryFileSystem reference = WithOldFile(scenario.inPlace);
        ASSERT_EQ(WriteEmptyWeight(reference, scenario.value), FileStatus::Ok);
        for (FileStatus failure : {FileStatus::DiskFull, FileStatus::AccessDenied, FileStatus::Locked, FileStatus::Failed}) {
            for (int step = 0; step < reference.operations; ++step) {
                MemoryFileSystem fileSystem = WithOldFile(scenario.inPlace);
                fileSystem.failAtOperation = step;
                fileSystem.failure = failure;
                FileStatus status = WriteEmptyWeight(fileSystem, scenario.value);
                const std::string& now = fileSystem.files[kPath];
                std::string where = std::string(scenario.value) + " step " + std::to_string(step) + " " +
                                    DescribeFileStatus(failure);
                if (status == FileStatus::Ok) {
                    EXPECT_EQ(now, reference.files[kPath]) << where;
                } else {
                    EXPECT_EQ(now, kOld) << where;
                }
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
    const Refusal refusals[] = {
        {"Read", FileStatus::Locked, FileStatus::Locked},
        {"CheckWritable", FileStatus::Locked, FileStatus::Locked},
        {"WriteNewFile", FileStatus::DiskFull, FileStatus::DiskFull},
        {"WriteNewFile", FileStatus::AccessDenied, FileStatus::Ok},
        {"Replace", FileStatus::Locked, FileStatus::Ok},
        {"Replace", FileStatus::AccessDenied, FileStatus::Ok},
        {"CopyAttributes", FileStatus::AccessDenied, FileStatus::Ok},
        {"WriteNewFile", FileStatus::Failed, FileStatus::Failed},
        {"Replace", FileStatus::Failed, FileStatus::Failed},
    };
    for (const Refusal& refusal : refusals) {
        MemoryFileSystem reference = WithOldFile(false);
        ASSERT_EQ(WriteEmptyWeight(reference, "1"), FileStatus::Ok);
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
    std::string seen = std::prev(watch.files.end())->first == kPath ? watch.files.begin()->first
                                                                    : std::prev(watch.files.end())->first;
    std::string lower;
    for (char c : seen) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("skyliner"), std::string::npos) << seen;
    EXPECT_EQ(seen.substr(0, seen.find_last_of('\\')), kPath.substr(0, kPath.find_last_of('\\')));

    MemoryFileSystem fileSystem = WithOldFile(false);
    fileSystem.refusals["WriteNewFile"] = FileStatus::AlreadyExists;
    FileStatus status = WriteEmptyWeight(fileSystem, "1");
    EXPECT_STRNE(DescribeFileStatus(status), DescribeFileStatus(FileStatus::AlreadyExists));
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
    EXPECT_EQ(fileSystem.files.count(kPath), 0u);

    EXPECT_EQ(Profile(kPath, fileSystem).WriteAll({}), FileStatus::Ok);
    EXPECT_EQ(fileSystem.files.count(kPath), 0u);

    MemoryFileSystem unchanged = WithOldFile(false);
    EXPECT_EQ(Profile(kPath, unchanged).Write("weight_and_balance", "EMPTY_WEIGHT", "93500"), FileStatus::Ok);
    EXPECT_EQ(unchanged.changes, 0);
}

}  // namespace
