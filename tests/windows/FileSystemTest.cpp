// The engine on the real Windows file system, and the corpus against the platform's own functions
// where Wine answers as Windows does.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ProfileCorpus.h"
#include "StartProcess.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

const std::string kPrefs = "[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\nCommand.00-Key=20\r\n";

// Every way a file can be there and still not be read or written: the reason reaches the
// caller of a read, of CheckReadable and of a write, and a refused file keeps its value. (A
// folder in the file's place is where the dialogs' tests put a backup that cannot be written.)
TEST(FileSystemTest, UnreadableAndUnwritableFilesSayWhy) {
    // How another program's read handle shares the file, its attributes, what a read and a write give.
    using S = FileStatus;
    const std::tuple<const char*, DWORD, DWORD, S, S> cases[] = {
        {"held without sharing", 0, FILE_ATTRIBUTE_NORMAL, S::Locked, S::Locked},
        {"held for reading only", FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL, S::Ok, S::Locked},
        {"held sharing writing, as the simulator does", FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_ATTRIBUTE_NORMAL, S::Ok, S::Ok},
        {"read-only", FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_ATTRIBUTE_READONLY, S::Ok, S::ReadOnly}};
    for (const auto& [name, otherShare, attributes, reads, writes] : cases) {
        ScratchFolder folder;
        std::string path = folder.Put("Prefs.cfg", kPrefs);
        SetFileAttributesA(path.c_str(), attributes);
        HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, otherShare, nullptr, OPEN_EXISTING, 0, nullptr);
        Profile file(path);
        FileStatus read = FileStatus::Failed;
        EXPECT_EQ(file.ReadInt("Common", "UnitSystem", -9999, &read), reads == S::Ok ? 1 : -9999) << name;
        EXPECT_EQ(std::make_pair(read, file.CheckReadable()), std::make_pair(reads, reads)) << name;
        EXPECT_EQ(file.Write("Common", "UnitSystem", "0"), writes) << name;
        CloseHandle(other);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -9999), writes == S::Ok ? 0 : 1) << name;
        EXPECT_EQ(folder.FileCount(), 1) << name;
    }

    ScratchFolder folder;
    Profile inAbsentFolder(folder.Path("absent\\Prefs.cfg"));
    EXPECT_EQ(std::pair(inAbsentFolder.CheckReadable(), inAbsentFolder.Write("Common", "UnitSystem", "0")),
              std::pair(FileStatus::FolderMissing, FileStatus::FolderMissing));
    EXPECT_EQ(Profile(folder.Path("??\\Prefs.cfg")).CheckReadable(), FileStatus::FolderMissing);
    EXPECT_EQ(folder.FileCount(), 0);
}

// The program's own entries of the system's functions that make a write durable, recorded in
// order while a test puts its stand-ins there.
#ifdef _WIN64
extern "C" decltype(&FlushFileBuffers) flushEntry asm("__imp_FlushFileBuffers");
extern "C" decltype(&MoveFileExW) moveEntry asm("__imp_MoveFileExW");
#else
extern "C" decltype(&FlushFileBuffers) flushEntry asm("__imp__FlushFileBuffers@4");
extern "C" decltype(&MoveFileExW) moveEntry asm("__imp__MoveFileExW@12");
#endif
decltype(&FlushFileBuffers) systemFlush;
decltype(&MoveFileExW) systemMove;
std::vector<std::string> durableCalls;
BOOL WINAPI RecordedFlush(HANDLE file) { return durableCalls.push_back("flush"), systemFlush(file); }
BOOL WINAPI RecordedMove(LPCWSTR from, LPCWSTR to, DWORD flags) {
    durableCalls.push_back(flags & MOVEFILE_WRITE_THROUGH ? "swap written through" : "swap");
    return systemMove(from, to, flags);
}

// The temporary file is flushed before it is swapped in. Attributes survive the replacement;
// every name of a hard-linked file sees the new content. (Wine makes no symbolic links, so
// the native test alone covers them.)
TEST(FileSystemTest, AFlushedWriteKeepsAttributesAndHardLinks) {
    ScratchFolder folder;
    std::string path = folder.Put("Prefs.cfg", kPrefs);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    systemFlush = std::exchange(flushEntry, RecordedFlush), systemMove = std::exchange(moveEntry, RecordedMove);
    const FileStatus written = Profile(path).Write("Common", "UnitSystem", "3");
    flushEntry = systemFlush, moveEntry = systemMove;
    ASSERT_EQ(written, FileStatus::Ok);
    EXPECT_EQ(durableCalls, (std::vector<std::string>{"flush", "swap written through"}));
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(CreateHardLinkA(folder.Path("Copy.cfg").c_str(), path.c_str(), nullptr));
    ASSERT_EQ(Profile(folder.Path("Copy.cfg")).Write("Common", "UnitSystem", "0"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("Prefs.cfg"), folder.Take("Copy.cfg"));
}

// The lock is taken by any process that saves the file: a writer in another process waits
// for it, then gives up with its reason and leaves the file alone, and gets it once it is let
// go; the holder may write again. The test program runs again as that writer, told so by the
// environment, and answers with its write's status.
TEST(FileSystemTest, AWriterInAnotherProcessWaitsForTheLock) {
    if (const char* value = std::getenv("SKYLINER_TEST_WRITE")) {
        std::exit(int(Profile(std::getenv("SKYLINER_TEST_FILE")).Write("Common", "UnitSystem", value)));
    }
    ScratchFolder folder;
    const std::string path = folder.Put("Prefs.cfg", kPrefs);
    SetEnvironmentVariableA("SKYLINER_TEST_FILE", path.c_str());
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    auto otherWriter = [&](const char* value) {
        SetEnvironmentVariableA("SKYLINER_TEST_WRITE", value);
        const DWORD status = ExitCodeOf(StartProcess(std::string("\"") + program +
                                                     "\" --gtest_filter=FileSystemTest.AWriterInAnotherProcessWaitsForTheLock"));
        SetEnvironmentVariableA("SKYLINER_TEST_WRITE", nullptr);
        return static_cast<FileStatus>(status);
    };
    std::unique_ptr<FileSystem::WriteLock> held;
    ASSERT_EQ(SystemFileSystem().LockForWriting(path, held), FileStatus::Ok);
    EXPECT_EQ(Profile(path).Write("Common", "UnitSystem", "2"), FileStatus::Ok) << "the holder";
    EXPECT_STREQ(DescribeFileStatus(otherWriter("3")), "another program is saving it; try again in a moment");
    EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -1), 2) << "the other writer changed it";
    held.reset();
    EXPECT_EQ(otherWriter("4"), FileStatus::Ok);
    EXPECT_EQ(Profile(path).ReadInt("Common", "UnitSystem", -1), 4);
}

// Under Wine the file's Unix mode is its permissions: a save keeps it exactly. (Wine gives
// a Unix program's exit code as 255, so the shell answers in a file.)
TEST(FileSystemTest, ASaveKeepsTheFilesMode) {
    auto unixName = reinterpret_cast<char*(CDECL*)(const WCHAR*)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) GTEST_SKIP() << "not under Wine";
    ScratchFolder folder;
    std::string path = folder.Put("Prefs.cfg", kPrefs);
    std::wstring widePath(path.begin(), path.end());
    const std::string unixPath = "'" + std::string(unixName(widePath.c_str())) + "'";
    auto shell = [&](const std::string& script) {
        ExitCodeOf(StartProcess("Z:\\bin\\sh -c \"" + script + " > " + unixPath + ".answer\""));
        for (int wait = 0; wait < 100 && !folder.Has("Prefs.cfg.answer"); ++wait) Sleep(50);
        Sleep(50);
        std::string answer = folder.Take("Prefs.cfg.answer");
        DeleteFileA(folder.Path("Prefs.cfg.answer").c_str());
        return answer;
    };
    for (const char* mode : {"644", "600"}) {
        shell(std::string("chmod ") + mode + " " + unixPath);
        ASSERT_EQ(Profile(path).Write("Common", "UnitSystem", mode), FileStatus::Ok);
        EXPECT_EQ(shell("stat -c %a " + unixPath), std::string(mode) + "\n");
    }
}

std::string PlatformString(const std::string& path, const std::string& section, const std::string& key, DWORD size) {
    std::vector<char> buffer(size + 1, '\x7f');
    return {buffer.data(), GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer.data(), size, path.c_str())};
}

std::int32_t PlatformInt(const std::string& path, const char* section, const char* key) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, -9999, path.c_str()));
}

// Each case in a file of its own name, as the platform keeps the files it read. Wine rewrites
// whole files, so where its bytes differ only the reading back of every key is compared.
TEST(ProfileConformanceTest, TheCorpusGivesThePlatformsAnswers) {
    ScratchFolder folder;
    int n = 0;
    for (const ReadCase& c : ReadCorpus()) {
        if (c.wineDiffers) continue;
        std::string path = folder.Put("read" + std::to_string(n++) + ".ini", c.file);
        EXPECT_EQ(PlatformString(path, c.section, c.key, 99), c.windows) << c.name;
        Profile ours(path);
        EXPECT_EQ(ours.ReadString(c.section, c.key, kMissing, 5), PlatformString(path, c.section, c.key, 5)) << c.name;
        EXPECT_EQ(ours.ReadInt(c.section, c.key, -9999), PlatformInt(path, c.section, c.key)) << c.name;
    }
    for (const IntCase& c : IntCorpus()) {
        std::string path = folder.Put("int" + std::to_string(n++) + ".ini", std::string("[I]\r\nv=") + c.value + "\r\n");
        EXPECT_TRUE(c.wineDiffers || PlatformInt(path, "I", "v") == c.windows) << c.value;
    }
    for (const WriteCase& c : WriteCorpus()) {
        const std::string id = std::to_string(n++), platformPath = folder.Put("platform" + id + ".ini", c.before);
        Profile ours(folder.Put("ours" + id + ".ini", c.before));
        for (const ProfileEntry& write : c.writes) {
            ASSERT_EQ(ours.Write(write.section, write.key, write.value), FileStatus::Ok) << c.name;
            ASSERT_TRUE(WritePrivateProfileStringA(write.section.c_str(), write.key.c_str(), write.value.c_str(),
                                                   platformPath.c_str())) << c.name;
        }
        EXPECT_TRUE(c.wineDiffers || folder.Take("platform" + id + ".ini") == c.windows) << c.name;
        for (const char* section : {"S", "T", "Fresh"}) {
            for (const char* key : {"a", "b", "c", "k", "key", "m", "n", "x", "NewKey"}) {
                EXPECT_EQ(PlatformString(ours.Path(), section, key, 99), PlatformString(platformPath, section, key, 99))
                    << c.name << " [" << section << "] " << key;
            }
        }
    }
}

}  // namespace
