// The write lock on the real file system of each build, natively and under Wine alike.

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

// The thread holding a file's lock may write the file again; another writer waits for it,
// then gives up with its reason and leaves the file alone, and gets it once it is let go.
TEST(WriteLockTest, AWriterThatCannotGetTheLockInTimeChangesNothingAndSaysWhy) {
    ScratchFolder folder;
    std::string path = folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n");
    auto otherWriter = [&](const char* value) {
        FileStatus status = FileStatus::Failed;
        std::thread([&] { status = Profile(path).Write("Common", "UnitSystem", value); }).join();
        return status;
    };
    std::unique_ptr<FileSystem::WriteLock> held;
    ASSERT_EQ(SystemFileSystem().LockForWriting(path, held), FileStatus::Ok);
    EXPECT_EQ(Profile(path).Write("Common", "UnitSystem", "2"), FileStatus::Ok) << "the holder";
    EXPECT_STREQ(DescribeFileStatus(otherWriter("3")), "another program is saving it; try again in a moment");
    EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -1), 2) << "the other writer changed it";
    held.reset();
    EXPECT_EQ(otherWriter("4"), FileStatus::Ok);
}

}  // namespace
