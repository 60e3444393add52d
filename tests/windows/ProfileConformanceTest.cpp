// The corpus of what Windows reads and writes (which the engine's native tests hold it to)
// against the platform's own functions, run under Wine; our reads and what our writes read
// back must agree with the platform's. Where Wine is known to differ from Windows, the case
// says what Windows does, and the test checks that Wine does differ there.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProfileCorpus.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

std::string PlatformString(const std::string& path, const char* section, const char* key, DWORD size) {
    std::vector<char> buffer(size + 1, '\x7f');
    DWORD length = GetPrivateProfileStringA(section, key, "<UNDEFINED>", buffer.data(), size, path.c_str());
    return std::string(buffer.data(), length);
}

std::int32_t PlatformInt(const std::string& path, const char* section, const char* key) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, -9999, path.c_str()));
}

TEST(ProfileConformanceTest, ReadsGiveThePlatformsAnswers) {
    ScratchFolder folder;
    int fileNumber = 0;
    for (const ReadCase& c : ReadCorpus()) {
        std::string path = folder.Put("read" + std::to_string(fileNumber++) + ".ini", c.file);
        Profile ours(path);
        if (c.wineDiffers) {
            EXPECT_NE(PlatformString(path, c.section, c.key, 99), c.windows) << c.name << ": Wine now agrees";
            continue;
        }
        EXPECT_EQ(PlatformString(path, c.section, c.key, 99), c.windows) << c.name;
        for (DWORD size : {49u, 5u}) {
            EXPECT_EQ(ours.ReadString(c.section, c.key, "<UNDEFINED>", size), PlatformString(path, c.section, c.key, size))
                << c.name << " size " << size;
        }
        EXPECT_EQ(ours.ReadInt(c.section, c.key, -9999), PlatformInt(path, c.section, c.key)) << c.name;
    }
}

TEST(ProfileConformanceTest, IntegersParseAsThePlatformParsesThem) {
    ScratchFolder folder;
    for (const IntCase& c : IntCorpus()) {
        std::string path = folder.Put("int.ini", std::string("[I]\r\nv=") + c.value + "\r\n");
        if (c.wineDiffers) {
            EXPECT_NE(PlatformInt(path, "I", "v"), c.windows) << c.value << ": Wine now agrees";
        } else {
            EXPECT_EQ(PlatformInt(path, "I", "v"), c.windows) << c.value;
        }
    }
}

// Windows' bytes are known from its documented behaviour; Wine rewrites whole files, so
// where its bytes differ only the reading back is compared.
TEST(ProfileConformanceTest, WritesReadBackAsThePlatformsAndGiveWindowsBytes) {
    ScratchFolder folder;
    int fileNumber = 0;
    for (const WriteCase& c : WriteCorpus()) {
        std::string oursName = "ours" + std::to_string(fileNumber) + ".ini";
        std::string platformName = "platform" + std::to_string(fileNumber++) + ".ini";
        Profile ours(folder.Put(oursName, c.before));
        std::string platformPath = folder.Put(platformName, c.before);
        for (const ProfileEntry& write : c.writes) {
            ASSERT_EQ(ours.Write(write.section, write.key, write.value), FileStatus::Ok) << c.name;
            ASSERT_TRUE(WritePrivateProfileStringA(write.section.c_str(), write.key.c_str(), write.value.c_str(),
                                                   platformPath.c_str()))
                << c.name;
        }
        if (c.wineDiffers) {
            EXPECT_NE(folder.Take(platformName), c.windows) << c.name << ": Wine now writes as Windows does";
        } else {
            EXPECT_EQ(folder.Take(platformName), c.windows) << c.name;
        }
        // Every key the case writes or holds reads back the same from both files.
        std::vector<ProfileEntry> keys = c.writes;
        for (const char* section : {"S", "T", "WEIGHT_AND_BALANCE"}) {
            for (const char* key : {"a", "b", "c", "k", "m", "n", "x", "empty_weight"}) keys.push_back({section, key, ""});
        }
        for (const ProfileEntry& k : keys) {
            EXPECT_EQ(PlatformString(ours.Path(), k.section.c_str(), k.key.c_str(), 99),
                      PlatformString(platformPath, k.section.c_str(), k.key.c_str(), 99))
                << c.name << " [" << k.section << "] " << k.key;
        }
    }
}

}  // namespace
