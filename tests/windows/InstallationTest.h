#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "FakeUserInterface.h"
#include "TestFiles.h"
#include "app/RunState.h"

#include <utility>

// A test over a scratch installation of the simulator, and a run over it: its folder is the
// simulator's (without a trailing separator, as the registry usually has it) and its Prefs.cfg
// is the preferences file; a stand-in launcher is the main window and the fake user interface
// is in force.
class InstallationTest : public ::testing::Test {
protected:
    InstallationTest() { SetMainWindow(launcher); }
    ~InstallationTest() override {
        SetFileAttributesA(prefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);  // a test may have made it read-only
        SetMainWindow(nullptr);
        DestroyWindow(launcher);
    }

    // The launcher's `flow`, with `step` played in its `dialog`.
    void RunFlow(void (*flow)(HWND, RunState&), int dialog, FakeUserInterface::Step step) {
        ui.Script(dialog, std::move(step));
        flow(launcher, run);
    }

    ScratchFolder folder;
    RunState run{InstallPaths{folder.Path("").substr(0, folder.Path("").size() - 1), folder.Path("Prefs.cfg"),
                              FolderSource::Registry, {}}};
    const std::string& prefsPath = run.Paths().prefs;
    FakeUserInterface ui;
    HWND launcher = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
};
