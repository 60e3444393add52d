#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FakeUserInterface.h"
#include "TestFiles.h"

// A test over a scratch installation of the simulator: its folder is FsRootPath (without a
// trailing separator, as the registry usually has it) and its Prefs.cfg is PrefsPath; a
// stand-in launcher is the main window and the fake user interface is in force. What a
// run shares is put back afterwards.
class InstallationTest : public ::testing::Test {
protected:
    InstallationTest();
    ~InstallationTest() override;

    // Writes a file of the installation, its folders included; returns its full path.
    std::string Put(const std::string& relativePath, const std::string& bytes);

    ScratchFolder folder;
    FakeUserInterface ui;
    HWND launcher = nullptr;
};
