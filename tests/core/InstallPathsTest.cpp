#include <gtest/gtest.h>

#include "platform/InstallPaths.h"

TEST(InstallPathsTest, RegisteredFolderIsTakenVerbatim) {
    InstallPaths paths = ComputeInstallPaths(std::string("C:\\Games\\FS9\\"), "C:\\ignored");
    EXPECT_EQ(paths.fsRoot, "C:\\Games\\FS9\\");
    EXPECT_EQ(paths.prefs, "C:\\Games\\FS9\\\\Velmora\\Skyliner\\Prefs.cfg");
}

TEST(InstallPathsTest, WithoutRegistryTwoFoldersAboveTheCurrentOne) {
    InstallPaths paths = ComputeInstallPaths(std::nullopt, "D:\\FS9\\Modules\\Skyliner");
    EXPECT_EQ(paths.fsRoot, "D:\\FS9\\Modules\\Skyliner\\..\\..");
    EXPECT_EQ(paths.prefs, "D:\\FS9\\Modules\\Skyliner\\..\\..\\Velmora\\Skyliner\\Prefs.cfg");
}

TEST(InstallPathsTest, LongPathsAreNeitherCutNorOverflowed) {
    std::string deep = "C:";
    while (deep.size() < 1200) deep += "\\a very long folder name";
    InstallPaths paths = ComputeInstallPaths(deep, "C:\\");
    EXPECT_EQ(paths.fsRoot, deep);
    EXPECT_EQ(paths.prefs, deep + "\\Velmora\\Skyliner\\Prefs.cfg");
}
