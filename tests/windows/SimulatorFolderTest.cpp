#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/SimulatorFolder.h"

namespace {

constexpr const char* kKey = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";

// Sets or removes the registered folder for one test and puts back what was there.
class RegisteredFolder {
public:
    RegisteredFolder() {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = 0;
        if (RegQueryValueExA(key_, "EXE Path", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
            saved_.resize(size);
            RegQueryValueExA(key_, "EXE Path", nullptr, nullptr, reinterpret_cast<BYTE*>(&saved_[0]), &size);
            hadValue_ = true;
        }
    }
    ~RegisteredFolder() {
        if (hadValue_) {
            RegSetValueExA(key_, "EXE Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_.data()),
                           static_cast<DWORD>(saved_.size()));
        } else {
            RegDeleteValueA(key_, "EXE Path");
        }
        RegCloseKey(key_);
    }
    void Set(const std::string& folder) {
        ASSERT_EQ(RegSetValueExA(key_, "EXE Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                                 static_cast<DWORD>(folder.size() + 1)),
                  ERROR_SUCCESS);
    }
    void Remove() { RegDeleteValueA(key_, "EXE Path"); }

private:
    HKEY key_ = nullptr;
    std::string saved_;
    bool hadValue_ = false;
};

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
