#include <sys/stat.h>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

struct WriteCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class ProfileWriteTest : public ::testing::Test {
protected:
    std::string WriteOnce(const std::string& before, const char* section, const char* key,
                          const char* value) {
        Profile file(folder.Put("write.ini", before));
        EXPECT_EQ(file.Write(section, key, value), FileStatus::Ok);
        return folder.Take("write.ini");
    }
    ScratchFolder folder;
};

TEST_F(ProfileWriteTest, ExistingValuesChangeInTheirOwnLine) {
    const WriteCase cases[] = {
        {"[S]\r\nk=1\r\nm=2\r\n", "S", "k", "9", "[S]\r\nk=9\r\nm=2\r\n"},
        {"[s]\r\nKEY = 1 \r\n", "S", "key", "9", "[s]\r\nKEY = 9\r\n"},
        {"[S]\r\nk=\t \r\n", "S", "k", "9", "[S]\r\nk=\t 9\r\n"},
        {"  [S]\n\n  k=1\n\n[T]\nk=1\n", "S", "k", "22", "  [S]\n\n  k=22\n\n[T]\nk=1\n"},
        {"[S]\rk=1\r", "S", "k", "x", "[S]\rk=x\r"},
        {"[S]\r\nk=1", "S", "k", "long value", "[S]\r\nk=long value"},
        {"[S]\r\nk=first\r\nk=second\r\n", "S", "k", "3", "[S]\r\nk=3\r\nk=second\r\n"},
        {"[S]\r\nk=1\r\n[S]\r\nk=2\r\n", "S", "k", "3", "[S]\r\nk=3\r\n[S]\r\nk=2\r\n"},
        {"[S]\r\nk=1\r\n", "S", "k", "  spaced  ", "[S]\r\nk=  spaced  \r\n"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(WriteOnce(c.before, c.section, c.key, c.value), c.after) << c.before;
    }
}

TEST_F(ProfileWriteTest, NewKeysFollowTheLastEntryOfTheirSection) {
    const WriteCase cases[] = {
        {"[S]\r\na=1\r\n; note\r\n\r\n[T]\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n; note\r\n\r\n[T]\r\n"},
        {"[S]\r\n\r\n[T]\r\n", "S", "b", "2", "[S]\r\nb=2\r\n\r\n[T]\r\n"},
        {"[S]", "S", "b", "2", "[S]\r\nb=2\r\n"},
        {"[S]\r\na=1", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n"},
        {"[S]\na=1\nlone line\n", "S", "b", "2", "[S]\na=1\nb=2\r\nlone line\n"},
        {"[S]\r\n;b=commented\r\n", "S", "b", "2", "[S]\r\nb=2\r\n;b=commented\r\n"},
        {"[S]\r\na=1\r\n", "  S ", " b  ", "2", "[S]\r\na=1\r\nb=2\r\n"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(WriteOnce(c.before, c.section, c.key, c.value), c.after) << c.before;
    }
}

TEST_F(ProfileWriteTest, NewSectionsAreAppended) {
    const WriteCase cases[] = {
        {"[S]\r\na=1\r\n", "T", "b", "2", "[S]\r\na=1\r\n[T]\r\nb=2\r\n"},
        {"[S]\r\na=1", "T", "b", "2", "[S]\r\na=1\r\n[T]\r\nb=2\r\n"},
        {"", "T", "b", "2", "[T]\r\nb=2\r\n"},
        {"free text\n\n", "T", "b", "2", "free text\n\n[T]\r\nb=2\r\n"},
        {"\xEF\xBB\xBF", "T", "b", "2", "\xEF\xBB\xBF\r\n[T]\r\nb=2\r\n"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(WriteOnce(c.before, c.section, c.key, c.value), c.after) << c.before;
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

TEST_F(ProfileWriteTest, Utf16FilesStayUtf16) {
    auto utf16 = [](const std::u16string& text) {
        std::string bytes("\xFF\xFE", 2);
        for (char16_t unit : text) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
        return bytes;
    };
    Profile file(folder.Put("wide.ini", utf16(u"[S]\r\nk=\u4E2D\r\n")));
    ASSERT_EQ(file.Write("S", "k", "caf\xE9"), FileStatus::Ok);
    ASSERT_EQ(file.Write("T", "n", "1"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("wide.ini"), utf16(u"[S]\r\nk=caf\u00E9\r\n[T]\r\nn=1\r\n"));
    EXPECT_EQ(file.ReadString("S", "k", "", 99), "caf\xE9");

    Profile markOnly(folder.Put("mark.ini", "\xFF\xFE"));
    ASSERT_EQ(markOnly.Write("T", "n", "1"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("mark.ini"), utf16(u"\r\n[T]\r\nn=1\r\n"));
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
