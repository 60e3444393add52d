// The engine on the real file system where a user's machine tries it hardest: links,
// private files, leftovers of a crash, paths at the length limit, entries that could
// never be read back.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <climits>

#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

const std::string kBefore = "[S]\r\nk=1\r\n";
const std::string kAfter = "[S]\r\nk=2\r\n";

// A symbolic link stays a link (alone: a hard link would make the write go in place), and
// every name of a hard-linked file sees the new content.
TEST(ProfileSafetyTest, LinkedFilesAreWrittenWhereTheirContentLives) {
    ScratchFolder folder;
    std::string target = folder.Put("real.ini", kBefore);
    std::string symbolic = folder.Path("symbolic.ini");
    ASSERT_EQ(symlink("real.ini", symbolic.c_str()), 0);
    ASSERT_EQ(Profile(symbolic).Write("S", "k", "2"), FileStatus::Ok);
    struct stat info {};
    ASSERT_EQ(lstat(symbolic.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link was replaced by a file";
    EXPECT_EQ(folder.Take("real.ini"), kAfter);

    ASSERT_EQ(link(target.c_str(), folder.Path("hard.ini").c_str()), 0);
    ASSERT_EQ(Profile(folder.Path("hard.ini")).Write("S", "k", "3"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("real.ini"), "[S]\r\nk=3\r\n");
    EXPECT_EQ(folder.Take("symbolic.ini"), "[S]\r\nk=3\r\n");
    EXPECT_EQ(folder.FileCount(), 3);
}

TEST(ProfileSafetyTest, StaleTemporaryFilesOfOursAreRemovedOnTheNextWrite) {
    ScratchFolder folder;
    std::string path = folder.Put("Aircraft.cfg", kBefore);
    struct Leftover {
        const char* name;
        int ageSeconds;
        bool removed;
    };
    const Leftover leftovers[] = {
        {"~skyliner-0123abcd.tmp", 3600, true},
        {"~SKYLINER-89ABCDEF.TMP", 3600, true},
        {"~skyliner-00000001.tmp", 5, false},  // perhaps another instance writing now
        {"~sky0123abcd.tmp", 3600, false},     // someone else's
        {"~skyliner-0123abcd.tmp.bak", 3600, false},
        {"skyliner.tmp", 3600, false},
    };
    for (const Leftover& leftover : leftovers) {
        folder.Put(leftover.name, "x");
        folder.Age(leftover.name, leftover.ageSeconds);
    }
    ASSERT_EQ(Profile(path).Write("S", "k", "2"), FileStatus::Ok);
    for (const Leftover& leftover : leftovers) EXPECT_EQ(folder.Has(leftover.name), !leftover.removed) << leftover.name;
    EXPECT_EQ(folder.Take("Aircraft.cfg"), kAfter);
}

// A path a few characters under the limit: the file itself can be written, a temporary
// name longer than its own could not.
TEST(ProfileSafetyTest, FilesAtThePathLengthLimitCanBeWritten) {
    ScratchFolder folder;
    std::string deep = folder.Path("");
    const std::string name = "Prefs.cfg";
    while (deep.size() + 1 + name.size() < PATH_MAX - 1) {
        std::size_t room = PATH_MAX - 1 - deep.size() - 1 - name.size();
        std::string part(std::min<std::size_t>(200, room < 2 ? 1 : room - 1), 'd');
        deep += "/" + part;
        ASSERT_EQ(mkdir(deep.c_str(), 0755), 0) << deep.size();
    }
    std::string path = deep + "/" + name;
    ASSERT_LT(path.size(), static_cast<std::size_t>(PATH_MAX));
    ASSERT_GT(path.size() + 16, static_cast<std::size_t>(PATH_MAX));
    Profile file(path);
    EXPECT_EQ(file.Write("Common", "UnitSystem", "1"), FileStatus::Ok);  // a new file
    EXPECT_EQ(file.Write("Common", "UnitSystem", "0"), FileStatus::Ok);  // an existing one
    EXPECT_EQ(file.ReadInt("Common", "UnitSystem", -9999), 0);
}

TEST(ProfileSafetyTest, EntriesThatCouldNotBeReadBackAreRefusedBeforeAnyWrite) {
    ScratchFolder folder;
    struct Entry {
        const char* section;
        const char* key;
        std::string value;
    };
    const Entry refused[] = {
        {"S", "k", "1\r\n[T]\r\nx=2"}, {"S", "k", "1\n"}, {"S", "k", std::string("1\0x", 3)},
        {"S", "a=b", "1"}, {"S", "[k", "1"}, {"S", ";k", "1"}, {"S", "\tk", "1"}, {"S", "k\v", "1"},
        {"S]", "k", "1"}, {"\tS", "k", "1"}, {"S\n", "k", "1"},
    };
    std::string path = folder.Put("Prefs.cfg", kBefore);
    for (const Entry& entry : refused) {
        FileStatus status = Profile(path).WriteAll({{"S", "k", "2"}, {entry.section, entry.key, entry.value}});
        EXPECT_EQ(status, FileStatus::InvalidEntry) << entry.section << entry.key << entry.value;
        EXPECT_EQ(folder.Take("Prefs.cfg"), kBefore) << entry.key;
    }
    // What the platform trims or takes as written stays allowed.
    EXPECT_EQ(Profile(path).Write(" S ", " k ", " \"quoted; = [x]\" "), FileStatus::Ok);
    EXPECT_EQ(Profile(path).ReadString("S", "k", "", 99), "quoted; = [x]");
}

}  // namespace
