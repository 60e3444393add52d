#include <gtest/gtest.h>

#include "MemoryFileSystem.h"
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

// A missing file is created; one that is there but cannot be read or written says why
// (to a read, to CheckReadable, to a write) and is left as it was. Each platform's own
// reasons are tested on that platform.
TEST(ProfileWriteTest, FailuresSayWhyAndLeaveEverythingAsItWas) {
    MemoryFileSystem fileSystem;
    const std::string created = "[Common]\r\nUnitSystem=0\r\n";
    Profile file("C:\\Prefs.cfg", fileSystem);
    EXPECT_EQ(file.Write("Common", "UnitSystem", "0"), FileStatus::Ok);
    EXPECT_EQ(fileSystem.files["C:\\Prefs.cfg"], created);

    fileSystem.refusals["Read"] = FileStatus::Locked;
    FileStatus read = FileStatus::Ok;
    EXPECT_EQ(file.ReadString("Common", "UnitSystem", "<none>", 99, &read), "<none>");
    EXPECT_EQ(read, FileStatus::Locked) << "there, not missing";
    EXPECT_EQ(file.CheckReadable(), FileStatus::Locked);
    EXPECT_EQ(file.Write("Common", "UnitSystem", "1"), FileStatus::Locked);
    fileSystem.refusals = {{"CheckWritable", FileStatus::ReadOnly}};
    EXPECT_EQ(file.Write("Common", "UnitSystem", "1"), FileStatus::ReadOnly);
    EXPECT_EQ(fileSystem.files["C:\\Prefs.cfg"], created);
    EXPECT_EQ(fileSystem.files.size(), 1u);
}

}  // namespace
