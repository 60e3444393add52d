#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "FakeUserInterface.h"
#include "TestFiles.h"
#include "shared/SharedValues.h"

// A test over a scratch installation of the simulator: its folder is FsRootPath (without a
// trailing separator, as the registry usually has it) and its Prefs.cfg is PrefsPath; a
// stand-in launcher is the main window and the fake user interface is in force. What a
// run shares is put back afterwards.
class InstallationTest : public ::testing::Test {
protected:
    InstallationTest() {
        FsRootPath = folder.Path("");
        FsRootPath.pop_back();
        PrefsPath = folder.Path("Prefs.cfg");
        SetMainWindow(launcher);
    }
    ~InstallationTest() override {
        SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);  // a test may have made it read-only
        SetMainWindow(nullptr);
        DestroyWindow(launcher);
        AircraftSelection = kNoAircraft;
        for (std::int32_t& zfw : VariantZfw) zfw = 0;
        KeyCommandTable = DefaultKeyCommands();
    }

    ScratchFolder folder;
    FakeUserInterface ui;
    HWND launcher = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
};
