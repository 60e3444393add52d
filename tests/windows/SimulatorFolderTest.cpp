#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "RegisteredFolder.h"
#include "app/SimulatorFolder.h"

namespace {

TEST(SimulatorFolderTest, TheRegisteredFolderIsUsedAsStored) {
    RegisteredFolder registry;
    registry.Set("C:\\Program Files\\Microsoft Games\\Flight Simulator 9\\");
    InstallPaths paths = FindInstallPaths();
    EXPECT_EQ(paths.fsRoot, "C:\\Program Files\\Microsoft Games\\Flight Simulator 9\\");
    EXPECT_EQ(paths.prefs, "C:\\Program Files\\Microsoft Games\\Flight Simulator 9\\\\Velmora\\Skyliner\\Prefs.cfg");
}

TEST(SimulatorFolderTest, ALongRegisteredFolderIsNotCut) {
    RegisteredFolder registry;
    std::string deep = "D:";
    while (deep.size() < 700) deep += "\\Simulators and their many add-ons";
    registry.Set(deep);
    EXPECT_EQ(FindInstallPaths().fsRoot, deep);
}

TEST(SimulatorFolderTest, WithoutTheRegistryValueTheCurrentFolderIsTheStart) {
    RegisteredFolder registry;
    registry.Remove();
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    ASSERT_TRUE(SetCurrentDirectoryA(windows));
    InstallPaths paths = FindInstallPaths();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(paths.fsRoot, std::string(windows) + "\\..\\..");
    EXPECT_EQ(paths.prefs, std::string(windows) + "\\..\\..\\Velmora\\Skyliner\\Prefs.cfg");
}

}  // namespace
