// The corpus of what Windows reads and writes (which the engine's native tests hold it to)
// against the platform's own functions, run under Wine; our reads and what our writes read
// back must agree with the platform's. Where Wine is known to differ from Windows, the case
// says what Windows does, and the test checks that Wine does differ there.

#include <windows.h>

#include <gtest/gtest.h>

#include "ProfileCorpus.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

std::string PlatformString(const std::string& path, const std::string& section, const std::string& key, DWORD size) {
    std::vector<char> buffer(size + 1, '\x7f');
    return std::string(buffer.data(), GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer.data(),
                                                                size, path.c_str()));
}

std::int32_t PlatformInt(const std::string& path, const char* section, const char* key) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, -9999, path.c_str()));
}

template <typename Answer>
void ExpectWindows(const Answer& platform, const Answer& windows, bool wineDiffers, const std::string& name) {
    if (wineDiffers) {
        EXPECT_NE(platform, windows) << name << ": Wine now does as Windows does";
    } else {
        EXPECT_EQ(platform, windows) << name;
    }
}

// Each case in a file of its own name, as the platform keeps the files it read.
TEST(ProfileConformanceTest, ReadsAndIntegersGiveThePlatformsAnswers) {
    ScratchFolder folder;
    int fileNumber = 0;
    for (const ReadCase& c : ReadCorpus()) {
        std::string path = folder.Put("read" + std::to_string(fileNumber++) + ".ini", c.file);
        ExpectWindows(PlatformString(path, c.section, c.key, 99), c.windows, c.wineDiffers, c.name);
        if (c.wineDiffers) continue;
        Profile ours(path);
        for (DWORD size : {49u, 5u}) {
            EXPECT_EQ(ours.ReadString(c.section, c.key, kMissing, size), PlatformString(path, c.section, c.key, size))
                << c.name << " size " << size;
        }
        EXPECT_EQ(ours.ReadInt(c.section, c.key, -9999), PlatformInt(path, c.section, c.key)) << c.name;
    }
    for (const IntCase& c : IntCorpus()) {
        std::string path = folder.Put("int" + std::to_string(fileNumber++) + ".ini", std::string("[I]\r\nv=") + c.value + "\r\n");
        ExpectWindows(PlatformInt(path, "I", "v"), c.windows, c.wineDiffers, c.value);
    }
}

// Windows' bytes are known from its documented behaviour; Wine rewrites whole files, so
// where its bytes differ only the reading back is compared: every key the case writes or
// holds reads back the same from both files.
TEST(ProfileConformanceTest, WritesReadBackAsThePlatformsAndGiveWindowsBytes) {
    ScratchFolder folder;
    int fileNumber = 0;
    for (const WriteCase& c : WriteCorpus()) {
        std::string platformName = "platform" + std::to_string(fileNumber) + ".ini";
        Profile ours(folder.Put("ours" + std::to_string(fileNumber++) + ".ini", c.before));
        std::string platformPath = folder.Put(platformName, c.before);
        std::vector<ProfileEntry> keys = c.writes;
        for (const ProfileEntry& write : c.writes) {
            ASSERT_EQ(ours.Write(write.section, write.key, write.value), FileStatus::Ok) << c.name;
            ASSERT_TRUE(WritePrivateProfileStringA(write.section.c_str(), write.key.c_str(), write.value.c_str(),
                                                   platformPath.c_str())) << c.name;
        }
        ExpectWindows(folder.Take(platformName), c.windows, c.wineDiffers, c.name);
        for (const char* section : {"S", "T", "WEIGHT_AND_BALANCE"}) {
            for (const char* key : {"a", "b", "c", "k", "m", "n", "x", "empty_weight"}) keys.push_back({section, key, ""});
        }
        for (const ProfileEntry& k : keys) {
            EXPECT_EQ(PlatformString(ours.Path(), k.section, k.key, 99), PlatformString(platformPath, k.section, k.key, 99))
                << c.name << " [" << k.section << "] " << k.key;
        }
    }
}

}  // namespace
