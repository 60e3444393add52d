#include <sys/stat.h>

#include <gtest/gtest.h>

#include "ProfileCorpus.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

class ProfileWriteTest : public ::testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(ProfileWriteTest, WritesGiveTheBytesWindowsWrites) {
    for (const WriteCase& c : WriteCorpus()) {
        Profile file(folder.Put("write.ini", c.before));
        for (const Write& write : c.writes) {
            ASSERT_EQ(file.Write(write.section, write.key, write.value), FileStatus::Ok) << c.name;
        }
        EXPECT_EQ(folder.Take("write.ini"), c.windows) << c.name;
    }
}

TEST_F(ProfileWriteTest, MissingFileIsCreatedButNotAMissingFolder) {
    Profile created(folder.Path("new.ini"));
    EXPECT_EQ(created.Write("Common", "UnitSystem", "0"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("new.ini"), "[Common]\r\nUnitSystem=0\r\n");

    Profile nowhere(folder.Path("absent/new.ini"));
    EXPECT_EQ(nowhere.Write("Common", "UnitSystem", "0"), FileStatus::FolderMissing);
    EXPECT_FALSE(folder.Has("absent"));
}

TEST_F(ProfileWriteTest, ReadOnlyFilesAreRefusedAndKept) {
    std::string path = folder.Put("locked.ini", "[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Profile(path).Write("S", "k", "2"), FileStatus::ReadOnly);
    EXPECT_EQ(folder.Take("locked.ini"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(folder.FileCount(), 1);
}

TEST_F(ProfileWriteTest, ReplacementKeepsPermissionsAndLeavesNoTemporaryFile) {
    std::string path = folder.Put("perm.ini", "[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    EXPECT_EQ(Profile(path).Write("S", "k", "2"), FileStatus::Ok);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.FileCount(), 1);
}

TEST_F(ProfileWriteTest, BatchGivesTheBytesOfSingleWrites) {
    const std::string start = "; keys\n[Keys]\nCommand.00-Key=20\n\n[Common]\r\nUnitSystem=1";
    std::vector<ProfileEntry> entries;
    for (int slot = 0; slot < 91; ++slot) {
        char key[32];
        std::snprintf(key, sizeof key, "Command.%02d-Modifier", slot);
        entries.push_back({"Keys", key, std::to_string(slot % 4)});
        std::snprintf(key, sizeof key, "Command.%02d-Key", slot);
        entries.push_back({"Keys", key, std::to_string(slot * 3)});
    }
    entries.push_back({"Common", "UnitSystem", "0"});
    entries.push_back({"Other", "x", "y"});

    Profile single(folder.Put("single.ini", start));
    for (const ProfileEntry& entry : entries) {
        ASSERT_EQ(single.Write(entry.section, entry.key, entry.value), FileStatus::Ok);
    }
    Profile batch(folder.Put("batch.ini", start));
    ASSERT_EQ(batch.WriteAll(entries), FileStatus::Ok);
    EXPECT_EQ(folder.Take("batch.ini"), folder.Take("single.ini"));
    EXPECT_EQ(batch.ReadInt("keys", "command.90-key", -1), 270);
}

}  // namespace
