#include <gtest/gtest.h>

#include <tuple>

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

}  // namespace
