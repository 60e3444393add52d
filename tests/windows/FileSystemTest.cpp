// The engine on the real Windows file system: other programs holding the file, file
// attributes, and nothing left behind.

#include <windows.h>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "loadmgr/AircraftFile.h"
#include "platform/Profile.h"

namespace {

class OpenElsewhere {
public:
    OpenElsewhere(const std::string& path, DWORD access, DWORD share)
        : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenElsewhere() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    bool Ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

const std::string kPrefs = "[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\nCommand.00-Key=20\r\n";

TEST(FileSystemTest, AFileHeldWithoutSharingIsReportedLocked) {
    ScratchFolder folder;
    std::string path = folder.Put("Prefs.cfg", kPrefs);
    {
        OpenElsewhere exclusive(path, GENERIC_READ, 0);
        ASSERT_TRUE(exclusive.Ok());
        EXPECT_EQ(Profile(path).Write("Common", "UnitSystem", "0"), FileStatus::Locked);
        EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -9999), -9999);
        EXPECT_TRUE(FileExists(path)) << "held, not missing";
    }
    {
        OpenElsewhere readers(path, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(readers.Ok());
        EXPECT_EQ(Profile(path).Write("Common", "UnitSystem", "0"), FileStatus::Locked);
        EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -9999), 1);
    }
    EXPECT_EQ(folder.Take("Prefs.cfg"), kPrefs);
    EXPECT_EQ(folder.FileCount(), 1);
}

TEST(FileSystemTest, AFileSharedForReadingAndWritingIsStillWritten) {
    ScratchFolder folder;
    std::string path = folder.Put("Prefs.cfg", kPrefs);
    OpenElsewhere simulator(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(simulator.Ok());
    EXPECT_EQ(Profile(path).Write("Common", "UnitSystem", "0"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("Prefs.cfg"), "[Common]\r\nUnitSystem=0\r\n\r\n[Keys]\r\nCommand.00-Key=20\r\n");
    EXPECT_EQ(folder.FileCount(), 1);
}

TEST(FileSystemTest, AttributesSurviveTheReplacement) {
    ScratchFolder folder;
    std::string path = folder.Put("Aircraft.cfg", "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(WriteWeightAndBalance(path, WeightAndBalance{0, 2, 3, 4, 5}, 3402, 4536), FileStatus::Ok);
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ReadWeightAndBalance(path, 93500, 3402, 4536).secondCabinCount, 3);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder.FileCount(), 1);
}

TEST(FileSystemTest, MissingThingsAreToldApart) {
    ScratchFolder folder;
    EXPECT_EQ(Profile(folder.Path("no folder\\Prefs.cfg")).Write("Common", "A", "1"), FileStatus::FolderMissing);
    EXPECT_FALSE(FileExists(folder.Path("Aircraft.cfg")));
    EXPECT_EQ(Profile(folder.Path("Prefs.cfg")).Write("Common", "A", "1"), FileStatus::Ok);
    EXPECT_TRUE(FileExists(folder.Path("Prefs.cfg")));
}

}  // namespace
