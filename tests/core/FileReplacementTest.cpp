#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "loadmgr/AircraftFile.h"
#include "platform/Profile.h"

namespace {

struct Crash {};

// An in-memory file system that can refuse any operation and can stop the program
// (throw Crash) at its n-th change, leaving half-written data where a real crash would.
class FakeFileSystem final : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, FileStatus> refusals;  // operation name -> status
    int crashAtChange = -1;
    int changes = 0;

    FileStatus Read(const std::string& path, std::string& bytes) override {
        if (auto refusal = Refused("Read")) return *refusal;
        auto found = files.find(path);
        if (found == files.end()) return FileStatus::NotFound;
        bytes = found->second;
        return FileStatus::Ok;
    }
    FileStatus CheckWritable(const std::string&) override {
        return Refused("CheckWritable").value_or(FileStatus::Ok);
    }
    FileStatus WriteNewFile(const std::string& path, const std::string& bytes) override {
        if (auto refusal = Refused("WriteNewFile")) return *refusal;
        if (files.count(path)) return FileStatus::AlreadyExists;
        Change([&] { files[path] = bytes.substr(0, bytes.size() / 2); });
        files[path] = bytes;
        return FileStatus::Ok;
    }
    FileStatus CopyAttributes(const std::string&, const std::string&) override {
        return Refused("CopyAttributes").value_or(FileStatus::Ok);
    }
    FileStatus Replace(const std::string& source, const std::string& target) override {
        if (auto refusal = Refused("Replace")) return *refusal;
        Change([] {});
        files[target] = files[source];
        files.erase(source);
        return FileStatus::Ok;
    }
    // A refused write in place still gets half of its bytes to the disk, as a full disk does.
    FileStatus WriteInPlace(const std::string& path, std::size_t offset, const std::string& bytes) override {
        std::string& file = files[path];
        auto write = [&](std::size_t count) {
            if (file.size() < offset + count) file.resize(offset + count);
            file.replace(offset, count, bytes.substr(0, count));
        };
        if (auto refusal = Refused("WriteInPlace")) {
            write(bytes.size() / 2);
            return *refusal;
        }
        Change([&] { write(bytes.size() / 2); });
        write(bytes.size());
        return FileStatus::Ok;
    }
    FileStatus Truncate(const std::string& path, std::size_t size) override {
        Change([] {});
        files[path].resize(size);
        return FileStatus::Ok;
    }
    FileStatus Remove(const std::string& path) override {
        files.erase(path);
        return FileStatus::Ok;
    }

private:
    std::optional<FileStatus> Refused(const char* operation) {
        auto found = refusals.find(operation);
        if (found == refusals.end()) return std::nullopt;
        return found->second;
    }
    template <typename Partial>
    void Change(Partial partial) {
        if (changes++ == crashAtChange) {
            partial();
            throw Crash{};
        }
    }
};

const std::string kPath = "C:\\FS9\\Aircraft\\Velmora Quill A320\\Aircraft.cfg";
const std::string kOld = "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\nstation_load.4=\"0, 26.0, 0.0, 0.0, First\"\r\n";

TEST(FileReplacementTest, AnInterruptedWriteLeavesTheOldOrTheNewFile) {
    FakeFileSystem reference;
    reference.files[kPath] = kOld;
    WeightAndBalance payload{0, 12, 100, 50, 60};
    ASSERT_EQ(WriteWeightAndBalance(kPath, payload, 3402, 4536, reference), FileStatus::Ok);
    const std::string expectedNew = reference.files[kPath];
    ASSERT_NE(expectedNew, kOld);

    for (int crashAt = 0; crashAt < reference.changes; ++crashAt) {
        FakeFileSystem fileSystem;
        fileSystem.files[kPath] = kOld;
        fileSystem.crashAtChange = crashAt;
        EXPECT_THROW(WriteWeightAndBalance(kPath, payload, 3402, 4536, fileSystem), Crash);
        const std::string& now = fileSystem.files[kPath];
        EXPECT_TRUE(now == kOld || now == expectedNew) << "crash at change " << crashAt;
    }
}

TEST(FileReplacementTest, FailuresAreReportedAndTheFileKept) {
    struct Refusal {
        const char* operation;
        FileStatus status;
    };
    const Refusal refusals[] = {
        {"Read", FileStatus::Locked},
        {"Read", FileStatus::FolderMissing},
        {"CheckWritable", FileStatus::ReadOnly},
        {"CheckWritable", FileStatus::Locked},
        {"WriteNewFile", FileStatus::DiskFull},
    };
    for (const Refusal& refusal : refusals) {
        FakeFileSystem fileSystem;
        fileSystem.files[kPath] = kOld;
        fileSystem.refusals[refusal.operation] = refusal.status;
        EXPECT_EQ(Profile(kPath, fileSystem).Write("WEIGHT_AND_BALANCE", "empty_weight", "1"), refusal.status)
            << refusal.operation;
        EXPECT_EQ(fileSystem.files[kPath], kOld);
        EXPECT_EQ(fileSystem.files.size(), 1u) << "a temporary file was left behind";
    }
}

TEST(FileReplacementTest, OnlyARefusingFolderOrProgramLeadsToAWriteInPlace) {
    const std::string expected = "[WEIGHT_AND_BALANCE]\r\nempty_weight=1\r\n"
                                 "station_load.4=\"0, 26.0, 0.0, 0.0, First\"\r\n";
    struct Refusal {
        const char* operation;
        FileStatus status;
        FileStatus result;  // Ok where the file is written in place
    };
    const Refusal refusals[] = {
        {"WriteNewFile", FileStatus::AccessDenied, FileStatus::Ok},
        {"Replace", FileStatus::Locked, FileStatus::Ok},
        {"Replace", FileStatus::AccessDenied, FileStatus::Ok},
        {"CopyAttributes", FileStatus::AccessDenied, FileStatus::Ok},
        {"WriteNewFile", FileStatus::Failed, FileStatus::Failed},
        {"WriteNewFile", FileStatus::FolderMissing, FileStatus::Failed},  // a name too long, say
        {"Replace", FileStatus::Failed, FileStatus::Failed},
    };
    for (const Refusal& refusal : refusals) {
        FakeFileSystem fileSystem;
        fileSystem.files[kPath] = kOld;
        fileSystem.refusals[refusal.operation] = refusal.status;
        EXPECT_EQ(Profile(kPath, fileSystem).Write("WEIGHT_AND_BALANCE", "empty_weight", "1"), refusal.result)
            << refusal.operation;
        EXPECT_EQ(fileSystem.files[kPath], refusal.result == FileStatus::Ok ? expected : kOld) << refusal.operation;
        EXPECT_EQ(fileSystem.files.size(), 1u) << refusal.operation;
    }
}

TEST(FileReplacementTest, AWriteInPlaceThatRunsOutOfRoomLeavesTheOldFile) {
    FakeFileSystem fileSystem;
    fileSystem.files[kPath] = kOld;
    fileSystem.refusals["WriteNewFile"] = FileStatus::AccessDenied;
    fileSystem.refusals["WriteInPlace"] = FileStatus::DiskFull;
    EXPECT_EQ(Profile(kPath, fileSystem).Write("WEIGHT_AND_BALANCE", "station_load.5", "\"8267,  0.0, 0.0, 0.0, Coach\""),
              FileStatus::DiskFull);
    EXPECT_EQ(fileSystem.files[kPath], kOld);
}

TEST(FileReplacementTest, AWriteInPlaceTouchesOnlyWhatChanges) {
    for (const char* value : {"1", "93500000"}) {  // shorter, then longer than before
        FakeFileSystem fileSystem;
        fileSystem.files[kPath] = kOld;
        fileSystem.refusals["WriteNewFile"] = FileStatus::AccessDenied;
        ASSERT_EQ(Profile(kPath, fileSystem).Write("WEIGHT_AND_BALANCE", "empty_weight", value), FileStatus::Ok);
        // Interrupted at any step, the bytes before the changed value are never touched.
        for (int crashAt = 0; crashAt < fileSystem.changes; ++crashAt) {
            FakeFileSystem crashing;
            crashing.files[kPath] = kOld;
            crashing.refusals["WriteNewFile"] = FileStatus::AccessDenied;
            crashing.crashAtChange = crashAt;
            EXPECT_THROW(Profile(kPath, crashing).Write("WEIGHT_AND_BALANCE", "empty_weight", value), Crash);
            EXPECT_EQ(crashing.files[kPath].substr(0, 35), kOld.substr(0, 35)) << value << " " << crashAt;
        }
    }
}

TEST(FileReplacementTest, ANewFileIsNeverHalfWrittenAndAnUnchangedFileNotTouched) {
    FakeFileSystem fileSystem;
    fileSystem.crashAtChange = 0;
    EXPECT_THROW(Profile(kPath, fileSystem).Write("S", "k", "v"), Crash);
    EXPECT_EQ(fileSystem.files.count(kPath), 0u);

    EXPECT_EQ(Profile(kPath, fileSystem).WriteAll({}), FileStatus::Ok);
    EXPECT_EQ(fileSystem.files.count(kPath), 0u);

    FakeFileSystem unchanged;
    unchanged.files[kPath] = kOld;
    EXPECT_EQ(Profile(kPath, unchanged).Write("weight_and_balance", "EMPTY_WEIGHT", "93500"), FileStatus::Ok);
    EXPECT_EQ(unchanged.changes, 0);
}

}  // namespace
