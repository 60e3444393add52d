#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ProfileCorpus.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

TEST(ProfileWriteTest, WritesGiveTheBytesWindowsWrites) {
    ScratchFolder folder;
    for (const WriteCase& c : WriteCorpus()) {
        Profile file(folder.Put("write.ini", c.before));
        for (const ProfileEntry& write : c.writes) ASSERT_EQ(file.Write(write.section, write.key, write.value), FileStatus::Ok);
        EXPECT_EQ(folder.Take("write.ini"), c.windows) << c.name;
    }
}

// A missing file is created; every other file that cannot be written says why, in the
// answer of a read, of CheckReadable and of a write, and nothing is created or changed.
TEST(ProfileWriteTest, FailuresSayWhyAndLeaveEverythingAsItWas) {
    ScratchFolder folder;
    EXPECT_EQ(Profile(folder.Path("new.ini")).Write("Common", "UnitSystem", "0"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("new.ini"), "[Common]\r\nUnitSystem=0\r\n");

    std::string readOnly = folder.Put("readonly.ini", "[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    ASSERT_EQ(mkdir(folder.Path("folder.ini").c_str(), 0755), 0);
    struct Case {
        const char* name;
        FileStatus read;
        FileStatus write;
    };
    const Case cases[] = {
        {"absent/new.ini", FileStatus::FolderMissing, FileStatus::FolderMissing},
        {"new.ini/below.ini", FileStatus::FolderMissing, FileStatus::FolderMissing},
        {"readonly.ini", FileStatus::Ok, FileStatus::ReadOnly},
        {"folder.ini", FileStatus::IsFolder, FileStatus::IsFolder},
    };
    for (const Case& c : cases) {
        Profile file(folder.Path(c.name));
        FileStatus read = FileStatus::Failed;
        EXPECT_EQ(file.ReadString("S", "k", "<none>", 99, &read), c.read == FileStatus::Ok ? "1" : "<none>") << c.name;
        EXPECT_EQ(read, c.read) << c.name;
        EXPECT_EQ(file.CheckReadable(), c.read) << c.name;
        EXPECT_EQ(file.Write("S", "k", "2"), c.write) << c.name;
    }
    EXPECT_EQ(folder.Take("readonly.ini"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(folder.FileCount(), 3);
}

}  // namespace
