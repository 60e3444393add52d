// Our profile engine against the platform's own functions, run under Wine. Reads must
// agree; writes must read back the same through the platform, and our bytes must be the
// ones Windows writes. Where Wine is known to differ from Windows, the case says what
// Windows does, we follow Windows, and the test checks that Wine does differ there.

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
        EXPECT_EQ(Profile(path).ReadInt("I", "v", -9999), c.windows) << c.value;
    }
}

// Every key a write case touches or holds, to compare what the two files read back.
std::vector<std::pair<std::string, std::string>> KeysOf(const WriteCase& c) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (const Write& write : c.writes) keys.emplace_back(write.section, write.key);
    for (const char* section : {"S", "T", "WEIGHT_AND_BALANCE"}) {
        for (const char* key : {"a", "b", "c", "k", "m", "n", "x", "empty_weight"}) keys.emplace_back(section, key);
    }
    return keys;
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
        for (const Write& write : c.writes) {
            ASSERT_EQ(ours.Write(write.section, write.key, write.value), FileStatus::Ok) << c.name;
            ASSERT_TRUE(WritePrivateProfileStringA(write.section, write.key, write.value, platformPath.c_str()))
                << c.name;
        }
        EXPECT_EQ(folder.Take(oursName), c.windows) << c.name;
        if (c.wineDiffers) {
            EXPECT_NE(folder.Take(platformName), c.windows) << c.name << ": Wine now writes as Windows does";
        } else {
            EXPECT_EQ(folder.Take(platformName), c.windows) << c.name;
        }
        for (const auto& [section, key] : KeysOf(c)) {
            EXPECT_EQ(PlatformString(ours.Path(), section.c_str(), key.c_str(), 99),
                      PlatformString(platformPath, section.c_str(), key.c_str(), 99))
                << c.name << " [" << section << "] " << key;
        }
    }
}

}  // namespace
