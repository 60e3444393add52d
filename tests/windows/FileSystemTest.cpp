// The engine on the real Windows file system: other programs holding the file, folders
// given as files, links, paths at the length limit, attributes, and nothing left behind.

#include <windows.h>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

const std::string kPrefs = "[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\nCommand.00-Key=20\r\n";

// Every way a file can be there and still not be read or written: the reason reaches the
// caller of a read, of CheckReadable and of a write, and a refused file keeps its value.
TEST(FileSystemTest, UnreadableAndUnwritableFilesSayWhy) {
    const struct {
        const char* name;
        DWORD otherAccess, otherShare, attributes;  // another program's handle, none without access
        FileStatus read, write;                      // read: Ok where the file can still be read
    } cases[] = {
        {"held without sharing", GENERIC_READ, 0, FILE_ATTRIBUTE_NORMAL, FileStatus::Locked, FileStatus::Locked},
        {"held for reading only", GENERIC_READ, FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL, FileStatus::Ok, FileStatus::Locked},
        {"held by a reader sharing writing, as the simulator does", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
         FILE_ATTRIBUTE_NORMAL, FileStatus::Ok, FileStatus::Ok},
        {"read-only", 0, 0, FILE_ATTRIBUTE_READONLY, FileStatus::Ok, FileStatus::ReadOnly},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        std::string path = folder.Put("Prefs.cfg", kPrefs);
        SetFileAttributesA(path.c_str(), c.attributes);
        HANDLE other = c.otherAccess ? CreateFileA(path.c_str(), c.otherAccess, c.otherShare, nullptr, OPEN_EXISTING,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr)
                                     : INVALID_HANDLE_VALUE;
        Profile file(path);
        FileStatus read = FileStatus::Failed;
        EXPECT_EQ(file.ReadInt("Common", "UnitSystem", -9999, &read), c.read == FileStatus::Ok ? 1 : -9999) << c.name;
        EXPECT_EQ(read, c.read) << c.name;
        EXPECT_EQ(file.CheckReadable(), c.read) << c.name;
        EXPECT_EQ(file.Write("Common", "UnitSystem", "0"), c.write) << c.name;
        if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -9999), c.write == FileStatus::Ok ? 0 : 1) << c.name;
        EXPECT_EQ(folder.FileCount(), 1) << c.name;
    }

    ScratchFolder folder;
    CreateDirectoryA(folder.Path("Prefs.cfg").c_str(), nullptr);
    Profile aFolder(folder.Path("Prefs.cfg"));
    EXPECT_EQ(aFolder.CheckReadable(), FileStatus::IsFolder);
    EXPECT_EQ(aFolder.Write("Common", "UnitSystem", "0"), FileStatus::IsFolder);
    EXPECT_EQ(Profile(folder.Path("Prefs.cfg\\x\\Prefs.cfg")).CheckReadable(), FileStatus::FolderMissing);
    EXPECT_EQ(Profile(folder.Path("absent\\Prefs.cfg")).Write("Common", "UnitSystem", "0"), FileStatus::FolderMissing);
    EXPECT_EQ(folder.FileCount(), 1);
}

// Attributes survive the replacement; every name of a hard-linked file sees the new
// content; a symbolic link stays a link, and the file it leads to gets the new content.
TEST(FileSystemTest, AttributesAndLinksSurviveAWrite) {
    ScratchFolder folder;
    std::string path = folder.Put("Prefs.cfg", kPrefs);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_EQ(Profile(path).Write("Common", "UnitSystem", "3"), FileStatus::Ok);
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder.FileCount(), 1);

    ASSERT_TRUE(CreateHardLinkA(folder.Path("Copy.cfg").c_str(), path.c_str(), nullptr));
    ASSERT_EQ(Profile(folder.Path("Copy.cfg")).Write("Common", "UnitSystem", "0"), FileStatus::Ok);
    EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -9999), 0);
    EXPECT_EQ(folder.Take("Prefs.cfg"), folder.Take("Copy.cfg"));
    ASSERT_TRUE(DeleteFileA(folder.Path("Copy.cfg").c_str()));  // else the write below goes in place

    using CreateLink = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    auto createLink = reinterpret_cast<CreateLink>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
    // Wine 8 reports success but makes no link.
    if (!createLink || !createLink(folder.Path("Link.cfg").c_str(), path.c_str(), 0) || !folder.Has("Link.cfg")) {
        GTEST_SKIP() << "the platform makes no symbolic links here";
    }
    ASSERT_EQ(Profile(folder.Path("Link.cfg")).Write("Common", "UnitSystem", "1"), FileStatus::Ok);
    EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -9999), 1);
    ASSERT_EQ(Profile(path).Write("Common", "UnitSystem", "2"), FileStatus::Ok);
    EXPECT_EQ(Profile(folder.Path("Link.cfg")).ReadInt("Common", "UnitSystem", -9999), 2) << "the link was replaced";
}

// Within a few characters of the limit of plain paths the platform still writes the
// file, though a temporary name longer than the file's own would not fit.
TEST(FileSystemTest, FilesAtThePathLengthLimitAreWrittenWhereThePlatformWritesThem) {
    ScratchFolder folder;
    std::string deep = folder.Path("");
    while (deep.size() < MAX_PATH - 15) {
        deep += std::string(std::min<std::size_t>(60, MAX_PATH - 15 - deep.size()), 'd') + "\\";
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep.size();
    }
    ASSERT_TRUE(WritePrivateProfileStringA("Common", "UnitSystem", "1", (deep + "Other.cfg").c_str()));
    ASSERT_EQ(CreateFileA((deep + "~skyliner-00000000.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr), INVALID_HANDLE_VALUE) << "a longer name fits";
    Profile file(deep + "Prefs.cfg");
    EXPECT_EQ(file.Write("Common", "UnitSystem", "1"), FileStatus::Ok);  // a new file
    EXPECT_EQ(file.Write("Common", "UnitSystem", "0"), FileStatus::Ok);  // an existing one
    EXPECT_EQ(GetPrivateProfileIntA("Common", "UnitSystem", -9999, (deep + "Prefs.cfg").c_str()), 0u);
}

}  // namespace
