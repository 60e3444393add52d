#include <gtest/gtest.h>

#include <tuple>

#include "app/AboutText.h"
#include "platform/InstallPaths.h"

namespace {

// Registered folder or current directory in, the folder as Windows resolves it out.
TEST(InstallPathsTest, TheFolderIsResolvedOnceAndEveryPathBuiltFromItIsClean) {
    const std::tuple<std::optional<std::string>, std::string, std::string> cases[] = {
        {"C:\\Games\\FS9\\", "", "C:\\Games\\FS9"}, {"D:/Games//FS9/./", "", "D:\\Games\\FS9"},
        {std::nullopt, "C:\\FS9\\Velmora\\Skyliner", "C:\\FS9"}, {std::nullopt, "C:\\", "C:"},
        {"\\\\nas\\games\\FS9\\..\\..\\..", "", "\\\\nas\\games"}, {"..\\FS9\\..\\..", "", "..\\.."}};
    for (const auto& [registered, current, folder] : cases) {
        const InstallPaths paths = ComputeInstallPaths(registered, current);
        EXPECT_EQ(paths.fsRoot, folder) << registered.value_or(current);
        EXPECT_EQ(paths.prefs, folder + "\\Velmora\\Skyliner\\Prefs.cfg");
    }
}

TEST(InstallPathsTest, TheAboutTextSaysWhereTheFolderCameFromAndWhetherThePreferencesFileIsThere) {
    const InstallPaths found = ComputeInstallPaths(std::nullopt, "C:\\FS9\\Velmora\\Skyliner");
    EXPECT_EQ(AboutText("1.2.3", found, FileStatus::FolderMissing),
              "FS9 Skyliner Config version 1.2.3\n\nSimulator folder (two folders above the current folder):\nC:\\FS9"
              "\n\nPreferences file (does not exist):\nC:\\FS9\\Velmora\\Skyliner\\Prefs.cfg");
    const InstallPaths registered = ComputeInstallPaths("C:\\FS9", "");
    const std::string shown = AboutText("1", registered, FileStatus::Ok);
    EXPECT_NE(shown.find("(from the registry):\nC:\\FS9\n\nPreferences file (exists)"), std::string::npos) << shown;
    const std::string locked = AboutText("1", registered, FileStatus::Locked);
    EXPECT_NE(locked.find("(exists but cannot be read: another program is using"), std::string::npos) << locked;
}

}  // namespace
