#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "RegisteredFolder.h"
#include "app/SimulatorFolder.h"

namespace {

TEST(SimulatorFolderTest, TheRegisteredFolderIsUsedAsStoredHoweverLong) {
    std::string deep = "D:";
    while (deep.size() < 700) deep += "\\Simulators and their many add-ons";
    for (const std::string& folder : {std::string("C:\\Program Files\\Flight Simulator 9\\"), deep}) {
        RegisteredFolder registry;
        registry.Set(folder);
        InstallPaths paths = FindInstallPaths();
        EXPECT_EQ(paths.fsRoot, folder);
        EXPECT_EQ(paths.prefs, folder + "\\Velmora\\Skyliner\\Prefs.cfg");
    }
}

TEST(SimulatorFolderTest, WithoutTheRegistryValueTheCurrentFolderIsTheStart) {
    RegisteredFolder registry;
    registry.Remove();
    char previous[MAX_PATH], windows[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    GetWindowsDirectoryA(windows, MAX_PATH);
    ASSERT_TRUE(SetCurrentDirectoryA(windows));
    InstallPaths paths = FindInstallPaths();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(paths.prefs, std::string(windows) + "\\..\\..\\Velmora\\Skyliner\\Prefs.cfg");
}

}  // namespace
