#include <gtest/gtest.h>

#include <tuple>

#include "MemoryFileSystem.h"
#include "loadmgr/AircraftFile.h"
#include "platform/Backups.h"
#include "platform/Profile.h"

namespace {

const std::string kFolder = "C:\\FS9\\Aircraft\\Velmora Quill A320\\", kPath = kFolder + "Aircraft.cfg";
const std::string kOld = "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\nstation_load.4=\"0, 26.0, 0.0, 0.0, First\"\r\n";
const std::string kAbsent = "<absent>";

MemoryFileSystem WithFile(bool old, const std::string& refused = "", FileStatus refusal = FileStatus::Ok) {
    MemoryFileSystem fileSystem;
    if (old) fileSystem.files[kPath] = kOld;
    if (!refused.empty()) fileSystem.refusals[refused] = refusal;  // every time
    return fileSystem;
}

std::string Content(const MemoryFileSystem& memory) { return memory.files.count(kPath) ? memory.files.at(kPath) : kAbsent; }

FileStatus WriteEmptyWeight(FileSystem& fileSystem, const char* value) {
    return Profile(kPath, fileSystem).WriteAll({{"WEIGHT_AND_BALANCE", "empty_weight", value},
                                                {"WEIGHT_AND_BALANCE", "station_load.5", "\"8267,  0.0, 0.0, 0.0, Coach\""}});
}

// By replacement and for a new file, with values shorter, longer and as long as the old one,
// and with a step refused every time (in place where the folder refuses new files, another
// program's handle the swap or the attributes their copy): a crash at any change leaves the
// old or the new file (in place, no byte before the first change moves); a failure of any
// step is overcome or reported with its reason and the old file intact; nothing else is left.
TEST(FileReplacementTest, ACrashOrAFailureAtAnyStepLeavesTheOldOrTheNewFile) {
    using S = FileStatus;
    const std::tuple<bool, const char*, S, S, const char*> scenarios[] = {
        {true, "", S::Ok, S::Ok, "1"}, {true, "", S::Ok, S::Ok, "93500000"}, {false, "", S::Ok, S::Ok, "1"},
        {true, "WriteNewFile", S::AccessDenied, S::Ok, "1"}, {true, "WriteNewFile", S::AccessDenied, S::Ok, "93500"},
        {true, "WriteNewFile", S::AccessDenied, S::Ok, "93500000"}, {true, "Replace", S::Locked, S::Ok, "93500000"},
        {true, "Replace", S::AccessDenied, S::Ok, "1"}, {true, "CopyAttributes", S::AccessDenied, S::Ok, "1"},
        {true, "Read", S::Locked, S::Locked, "1"}, {true, "CheckWritable", S::ReadOnly, S::ReadOnly, "1"},
        {true, "WriteNewFile", S::AlreadyExists, S::NoTemporaryName, "1"}};
    for (const auto& [old, refused, refusal, result, value] : scenarios) {
        const std::string where = std::string(refused) + " " + value, before = old ? kOld : kAbsent;
        MemoryFileSystem unrefused = WithFile(old), reference = WithFile(old, refused, refusal);
        ASSERT_EQ(WriteEmptyWeight(unrefused, value), S::Ok);
        ASSERT_EQ(WriteEmptyWeight(reference, value), result) << where;
        const std::string after = Content(unrefused);
        EXPECT_EQ(Content(reference), result == S::Ok ? after : before) << where;
        const bool inPlace = *refused && result == S::Ok;
        for (int crashAt = 0; crashAt < reference.changes; ++crashAt) {
            MemoryFileSystem fileSystem = WithFile(old, refused, refusal);
            fileSystem.crashAtChange = crashAt;
            EXPECT_THROW(WriteEmptyWeight(fileSystem, value), Crash);
            std::string now = Content(fileSystem);
            EXPECT_TRUE(inPlace ? now.substr(0, 35) == kOld.substr(0, 35) : now == before || now == after) << where << crashAt;
            // The half-written temporary file lies beside the file, named as ours.
            EXPECT_TRUE(*refused || crashAt > 0 || fileSystem.files.rbegin()->first.rfind(kFolder + "~skyliner-", 0) == 0);
        }
        for (S failure : {S::DiskFull, S::AccessDenied, S::Locked, S::Failed}) {
            for (int step = 0; step < reference.operations; ++step) {
                MemoryFileSystem fileSystem = WithFile(old, refused, refusal);
                fileSystem.failAtOperation = step, fileSystem.failure = failure;
                FileStatus status = WriteEmptyWeight(fileSystem, value);
                std::string at = where + " step " + std::to_string(step) + " " + DescribeFileStatus(failure);
                EXPECT_TRUE(status == S::Ok || status == result || status == failure) << at << ": " << DescribeFileStatus(status);
                EXPECT_EQ(Content(fileSystem), status == S::Ok ? after : before) << at;
                EXPECT_EQ(fileSystem.files.size(), Content(fileSystem) == kAbsent ? 0u : 1u) << at;
            }
        }
    }
}

// Another program that writes or creates the file while we do keeps its change: our edit is
// made again on its content. One that never stops is reported, and keeps its content.
TEST(FileReplacementTest, ChangesByAnotherProgramDuringTheWriteAreKept) {
    for (int interruptions : {1, 2, 100}) {
        MemoryFileSystem fileSystem = WithFile(true);
        int count = 0;
        fileSystem.beforeOperation = [&](const std::string& operation) {
            if (operation == "CopyAttributes" && count++ < interruptions) {
                fileSystem.files[kPath] += "[O" + std::to_string(count) + "]\r\nx=1\r\n";
            }
        };
        FileStatus status = WriteEmptyWeight(fileSystem, "1");
        Profile file(kPath, fileSystem);
        EXPECT_EQ(file.ReadInt("O" + std::to_string(std::min(count, interruptions)), "x", 0), 1) << interruptions;
        EXPECT_EQ(file.ReadInt("WEIGHT_AND_BALANCE", "empty_weight", 0), status == FileStatus::Ok ? 1 : 93500);
        EXPECT_EQ(status, interruptions < 3 ? FileStatus::Ok : FileStatus::ChangedMeanwhile) << interruptions;
        EXPECT_EQ(fileSystem.files.size(), 1u);
    }
    // A file that another program creates just before a new one is swapped in is edited.
    MemoryFileSystem appearing = WithFile(false);
    appearing.beforeOperation = [&](const std::string& operation) {
        if (operation == "Replace" && !appearing.files.count(kPath)) appearing.files[kPath] = "[O]\r\nx=1\r\n";
    };
    ASSERT_EQ(WriteEmptyWeight(appearing, "1"), FileStatus::Ok);
    Profile appeared(kPath, appearing);
    EXPECT_EQ(appeared.ReadInt("O", "x", 0), 1) << "overwritten";
    EXPECT_EQ(appeared.ReadInt("WEIGHT_AND_BALANCE", "empty_weight", 0), 1);
}

// Through a symbolic link the file it leads to is written, and the link stays a link. Where
// only the temporary file's name is too long, an existing file is edited in place and a new
// one is created directly.
TEST(FileReplacementTest, LinksAndNamesTooLongForATemporaryFile) {
    MemoryFileSystem linked = WithFile(true);
    linked.links[kFolder + "Link.cfg"] = kPath;
    ASSERT_EQ(Profile(kFolder + "Link.cfg", linked).Write("WEIGHT_AND_BALANCE", "empty_weight", "1"), FileStatus::Ok);
    EXPECT_EQ(std::tuple(linked.files.size(), Profile(kPath, linked).ReadInt("WEIGHT_AND_BALANCE", "empty_weight", 0)),
              std::tuple(1u, 1));
    for (bool old : {true, false}) {
        MemoryFileSystem fileSystem = WithFile(old);
        fileSystem.longestPath = kPath.size();
        EXPECT_EQ(WriteEmptyWeight(fileSystem, "1"), FileStatus::Ok) << old;
        EXPECT_EQ(Profile(kPath, fileSystem).ReadInt("WEIGHT_AND_BALANCE", "empty_weight", 0), 1) << old;
    }
}

// What a crash left beside the file goes at the next write once older than five minutes, in
// any letter case; a younger one may be another instance's write in flight. Nothing of
// another program matches.
TEST(FileReplacementTest, StaleTemporaryFilesOfOursGoAtTheNextWrite) {
    MemoryFileSystem fileSystem = WithFile(true);
    fileSystem.now = 100000;
    const std::tuple<const char*, int, bool> leftovers[] = {
        {"~skyliner-0123abcd.tmp", 301, false}, {"~SKYLINER-89ABCDEF.TMP", 3600, false}, {"~skyliner-00000001.tmp", 300, true},
        {"~sky0123abcd.tmp", 3600, true}, {"~skyliner-0123abcd.tmp.bak", 3600, true}, {"~skyliner-0123abcg.tmp", 3600, true}};
    for (const auto& [name, age, stays] : leftovers) {
        fileSystem.files[kFolder + name] = "x", fileSystem.times[kFolder + name] = fileSystem.now - age;
    }
    ASSERT_EQ(WriteEmptyWeight(fileSystem, "1"), FileStatus::Ok);
    for (const auto& [name, age, stays] : leftovers) EXPECT_EQ(fileSystem.files.count(kFolder + name), stays ? 1u : 0u) << name;
}

// Nothing is written where nothing may or need be: for an entry that could not be found
// again (even beside a valid one), an empty batch, a value that is there already. A file
// that is there but cannot be read says why to every read and is never taken for missing.
TEST(FileReplacementTest, NothingIsWrittenThatCouldNotBeReadBackOrWouldChangeNothing) {
    const ProfileEntry refused[] = {
        {"S", "k", "1\r\n[T]\r\nx=2"}, {"S", "k", "1\n"}, {"S", "k", std::string("1\0x", 3)}, {"S", "a=b", "1"}, {"S]", "k", "1"},
        {"S", "[k", "1"}, {"S", ";k", "1"}, {"S", "\tk", "1"}, {"S", "k\v", "1"}, {"\tS", "k", "1"}, {"S\n", "k", "1"}};
    MemoryFileSystem fileSystem = WithFile(true, "Read", FileStatus::Locked);
    Profile file(kPath, fileSystem);
    FileStatus read = FileStatus::Failed, readInt = FileStatus::Failed;
    EXPECT_EQ(file.ReadString("WEIGHT_AND_BALANCE", "empty_weight", "-", 99, &read), "-");
    EXPECT_EQ(file.ReadInt("WEIGHT_AND_BALANCE", "empty_weight", -1, &readInt), -1);
    EXPECT_EQ(std::vector<FileStatus>({read, readInt, file.CheckReadable()}), std::vector<FileStatus>(3, FileStatus::Locked));
    fileSystem.refusals.clear();
    for (const ProfileEntry& entry : refused) {
        EXPECT_EQ(file.WriteAll({{"S", "k", "2"}, entry}), FileStatus::InvalidEntry) << entry.section << entry.key << entry.value;
    }
    EXPECT_EQ(file.Write("weight_and_balance", "EMPTY_WEIGHT", "93500"), FileStatus::Ok);
    EXPECT_EQ(Profile(kFolder + "New.cfg", fileSystem).WriteAll({}), FileStatus::Ok);
    EXPECT_EQ(fileSystem.changes, 0);
}

// A backup keeps the file as it was before its first change, allows no more than it, and is
// never replaced, nor opened again: one made read-only is no failure. A missing file gets none, also once this
// run created it; a backup that cannot be written says why and leaves the file alone; a
// restore puts the backup back and keeps it, or says why it could not.
TEST(FileReplacementTest, BackupsKeepTheFirstStateAndComeBack) {
    MemoryFileSystem memory = WithFile(true);
    FirstBackups backups(memory);
    const std::string backup = BackupPathOf(kPath);
    ASSERT_EQ(backups.Keep(kPath), FileStatus::Ok);
    ASSERT_EQ(WriteEmptyWeight(memory, "1"), FileStatus::Ok);
    memory.refusals["CheckWritable"] = FileStatus::ReadOnly;
    ASSERT_EQ(backups.Keep(kPath), FileStatus::Ok);
    EXPECT_EQ(memory.files[backup], kOld);
    EXPECT_EQ(memory.permissionsFrom[backup], kPath) << "a backup may allow more than its file";
    memory.refusals.clear();
    // Listed with when the file was last written when another program changed more than the
    // payload since; unreadable backups are listed with their reason.
    const std::vector<SavedFile> saved = {{kPath, {PayloadEntries()}}, {kFolder + "Other.cfg", {}}};
    memory.times = {{backup, 100}, {kPath, 200}};
    const std::vector<FoundBackup> found = FindBackups(saved, memory);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(std::tuple(found[0].file, found[0].written, found[0].fileChanged), std::tuple(kPath, 100, 200));
    memory.files[kPath] = kOld + "station_load.2=\"9\"\r\n";
    EXPECT_TRUE(FindBackups(saved, memory)[0].Restorable());
    memory.refusals["Read"] = FileStatus::Locked;
    EXPECT_EQ(FindBackups(saved, memory)[0].status, FileStatus::Locked);
    memory.refusals.clear();
    ASSERT_EQ(RestoreBackup(kPath, memory).status, FileStatus::Ok);
    EXPECT_EQ(Content(memory), kOld);
    EXPECT_EQ(memory.files[backup], kOld);
    ASSERT_EQ(WriteEmptyWeight(memory, "2"), FileStatus::Ok);
    const std::string changed = Content(memory);
    memory.refusals["CheckWritable"] = FileStatus::ReadOnly;
    EXPECT_EQ(RestoreBackup(kPath, memory).failedPath, kPath);
    EXPECT_EQ(Content(memory), changed);
    memory.files.erase(backup);
    EXPECT_EQ(std::tuple(RestoreBackup(kPath, memory).status, RestoreBackup(kPath, memory).failedPath),
              std::tuple(FileStatus::NotFound, backup)) << "a vanished backup is named";

    MemoryFileSystem absent = WithFile(false);
    FirstBackups created(absent);
    EXPECT_EQ(created.Keep(kPath), FileStatus::Ok);
    ASSERT_EQ(WriteEmptyWeight(absent, "1"), FileStatus::Ok);
    created.Saved(kPath);
    EXPECT_EQ(created.Keep(kPath), FileStatus::Ok);
    EXPECT_EQ(absent.files.size(), 1u) << "no backup of a file this run created";
    for (const char* refused : {"WriteNewFile", "LockForWriting"}) {
        MemoryFileSystem full = WithFile(true, refused, FileStatus::DiskFull);
        EXPECT_EQ(FirstBackups(full).Keep(kPath), FileStatus::DiskFull) << refused;
        EXPECT_EQ(full.files, (std::map<std::string, std::string>{{kPath, kOld}}));
    }
}

// This program's own entries are told from another program's change, wherever they stand.
TEST(FileReplacementTest, OwnEntriesAreToldFromOtherChanges) {
    const std::vector<OwnedEntries> owned = {{"W", {"load"}}, {"Keys", {}}};
    const std::pair<const char*, bool> cases[] = {
        {"[W]\r\nempty=1\r\nload=6\r\n", false},
        {"[w]\r\n  empty=1 \r\n\r\nLOAD=5\r\nload=7\r\n\r\n[Keys]\r\nA=1\r\n", false},
        {"[W]\r\nempty=2\r\nload=5\r\n", true},
        {"[W]\r\nload=5\r\n", true},
        {"[X]\r\nempty=1\r\nload=5\r\n", true},
    };
    for (const auto& [now, differ] : cases) {
        EXPECT_EQ(DifferBeyondOwnEntries("[W]\r\nempty=1\r\nload=5\r\n", now, owned), differ) << now;
    }
}

}  // namespace
