// The engine on the real file system where a user's machine tries it hardest: links and
// paths at the length limit.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "TestFiles.h"
#include "platform/Backups.h"
#include "platform/Profile.h"

namespace {

// A symbolic link stays a link; a path a few characters under the limit is written. A backup
// never allows more than its file.
TEST(ProfileSafetyTest, LinksPathsAtTheLimitAndBackupModes) {
    ScratchFolder folder;
    std::string target = folder.Put("real.ini", "[S]\r\nk=1\r\n"), symbolic = folder.Path("symbolic.ini");
    ASSERT_EQ(symlink("real.ini", symbolic.c_str()), 0);
    ASSERT_EQ(Profile(symbolic).Write("S", "k", "2"), FileStatus::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(symbolic)) << "the link was replaced by a file";
    EXPECT_EQ(folder.Take("real.ini"), "[S]\r\nk=2\r\n");
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_EQ(FirstBackups().Keep(target), FileStatus::Ok);
    struct stat info {};
    ASSERT_EQ(stat(BackupPathOf(target).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    std::string deep = folder.Path("");
    while (deep.size() < PATH_MAX - 16) {
        deep += "/" + std::string(std::min<std::size_t>(200, PATH_MAX - 16 - deep.size()), 'd');
        ASSERT_EQ(mkdir(deep.c_str(), 0755), 0) << deep.size();
    }
    Profile file(deep + "/Prefs.cfg");  // 5 or 6 characters to spare, too few for a longer temporary name
    EXPECT_EQ(file.Write("Common", "UnitSystem", "1"), FileStatus::Ok);  // a new file
    EXPECT_EQ(file.Write("Common", "UnitSystem", "0"), FileStatus::Ok);  // an existing one
    EXPECT_EQ(file.ReadInt("Common", "UnitSystem", -9999), 0);
}

}  // namespace
