#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "RegisteredFolder.h"
#include "ResourceIds.h"
#include "TestFiles.h"
#include "loadmgr/AircraftSelection.h"
#include "app/ConfiguratorDlg.h"
#include "platform/InstallPaths.h"
#include "app/LauncherFlows.h"
#include "prefs/ConfigurationDlg.h"
#include "ui/DialogItems.h"
#include "ui/PlainDialog.h"

namespace {

const char* const kNotInstalled = "Sorry, this aircraft is not installed on your system";

TEST(LauncherTest, InitialisationSetsIconsImagesAndPaths) {
    RegisteredFolder registry;
    registry.Set("C:\\Games\\FS9");
    CConfiguratorDlg launcher;
    ASSERT_NE(launcher.CreateForTest(nullptr), nullptr);

    ASSERT_NE(launcher.Icon(), nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(launcher.Window(), WM_GETICON, ICON_BIG, 0)), launcher.Icon());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(launcher.Window(), WM_GETICON, ICON_SMALL, 0)), launcher.Icon());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(launcher.Window(), WM_QUERYDRAGICON, 0, 0)), launcher.Icon());

    HBITMAP first[4];
    for (int i = 0; i < 4; ++i) {
        first[i] = reinterpret_cast<HBITMAP>(
            SendMessageA(launcher.Item(IDC_AIRCRAFT_CONFIGURATION + i), BM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP info{};
        ASSERT_TRUE(GetObjectA(first[i], sizeof info, &info)) << i;
        EXPECT_EQ(info.bmWidth, 450);
        EXPECT_EQ(info.bmHeight, 69);
    }
    EXPECT_EQ(FsRootPath, "C:\\Games\\FS9");
    EXPECT_EQ(PrefsPath, "C:\\Games\\FS9\\Velmora\\Skyliner\\Prefs.cfg");

    CConfiguratorDlg second;
    ASSERT_NE(second.CreateForTest(nullptr), nullptr);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(reinterpret_cast<HBITMAP>(
                      SendMessageA(second.Item(IDC_AIRCRAFT_CONFIGURATION + i), BM_GETIMAGE, IMAGE_BITMAP, 0)),
                  first[i]);
    }
}

// The flows against a simulator folder that holds the A320 and, of the A319, only its
// IAE version.
class LauncherFlowsTest : public ::testing::Test {
protected:
    LauncherFlowsTest() {
        CreateDirectoryA(folder.Path("Aircraft").c_str(), nullptr);
        for (const char* variant : {"Velmora Quill A320", "Velmora Quill A319IAE"}) {
            CreateDirectoryA(folder.Path(std::string("Aircraft\\") + variant).c_str(), nullptr);
            folder.Put(std::string("Aircraft\\") + variant + "\\Aircraft.cfg", "[WEIGHT_AND_BALANCE]\r\n");
        }
        FsRootPath = folder.Path("");
        FsRootPath.pop_back();  // no trailing separator, as the registry usually has it
        launcher = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        SetMainWindow(launcher);
        AircraftSelection = kNoAircraft;
    }
    ~LauncherFlowsTest() override {
        SetMainWindow(nullptr);
        DestroyWindow(launcher);
    }

    void Choose(int button) {
        ui.Script(IDD_AIRCRAFT_SELECTOR, [button](ModalDialog& selector) { Press(selector, button); });
    }
    void ExpectOnlyMessage(const char* text, const char* caption, UINT style) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, text);
        EXPECT_EQ(ui.messages[0].caption, caption);
        EXPECT_EQ(ui.messages[0].style, MB_OK | style);
        EXPECT_EQ(ui.messages[0].owner, launcher);
    }

    ScratchFolder folder;
    FakeUserInterface ui;
    HWND launcher = nullptr;
};

TEST_F(LauncherFlowsTest, TheSelectorReopensUntilAVariantIsChosen) {
    for (void (*flow)(HWND) : {OnLoadManager, OnFuelPlanner}) {
        ui.modalRuns.clear();
        ui.modalOwners.clear();
        ui.messages.clear();
        ui.Script(IDD_AIRCRAFT_SELECTOR, [](ModalDialog&) {});  // closed with its bottom button
        ui.Script(IDD_AIRCRAFT_SELECTOR, [](ModalDialog& selector) {
            CloseBox(selector);
            EXPECT_EQ(selector.Window(), nullptr);
        });
        ui.Script(IDD_AIRCRAFT_SELECTOR, [](ModalDialog& selector) {
            PressEscape(selector);
            EXPECT_EQ(selector.Window(), nullptr);
        });
        Choose(IDC_SELECT_A320);
        flow(launcher);
        std::vector<int> runs(4, IDD_AIRCRAFT_SELECTOR);
        if (flow == OnFuelPlanner) runs.push_back(IDD_FUEL_PLANNER);
        EXPECT_EQ(ui.modalRuns, runs);
        EXPECT_EQ(ui.modalOwners, std::vector<HWND>(runs.size(), launcher)) << "the launcher owns the dialogs";
        EXPECT_EQ(AircraftSelection, kNoAircraft);
        if (flow == OnFuelPlanner) {
            EXPECT_TRUE(ui.messages.empty());
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].text, kNotInstalled);
        EXPECT_EQ(ui.messages[0].style, MB_OK | MB_ICONINFORMATION);
        EXPECT_EQ(ui.messages[0].owner, launcher);
    }
}

TEST_F(LauncherFlowsTest, ASelectorThatCannotOpenEndsTheFlowInsteadOfLooping) {
    ui.dialogsFail = true;
    OnLoadManager(launcher);
    EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_AIRCRAFT_SELECTOR});
    ExpectOnlyMessage("The aircraft selector could not be opened.", "Error", MB_ICONSTOP);
    EXPECT_EQ(AircraftSelection, kNoAircraft);
}

TEST_F(LauncherFlowsTest, AVariantWithoutFilesIsReportedAndNothingOpens) {
    for (void (*flow)(HWND) : {OnLoadManager, OnFuelPlanner}) {
        ui.modalRuns.clear();
        ui.messages.clear();
        Choose(IDC_SELECT_A318);
        flow(launcher);
        EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_AIRCRAFT_SELECTOR});
        ExpectOnlyMessage(kNotInstalled, "ERROR", MB_ICONEXCLAMATION);
        EXPECT_EQ(AircraftSelection, kNoAircraft);
    }
}

// The planner also starts from the zero-fuel weight saved for the chosen variant.
TEST_F(LauncherFlowsTest, TheAlternativeFileAloneMakesAVariantInstalled) {
    VariantZfw[kA319 - 1] = 55000;
    VariantZfw[kA320 - 1] = 60000;
    Choose(IDC_SELECT_A319);
    ui.Script(IDD_FUEL_PLANNER, [](ModalDialog& planner) {
        EXPECT_EQ(AircraftSelection, kA319);
        EXPECT_EQ(ItemText(planner.Window(), IDC_PLANNER_ZERO_FUEL_WEIGHT), "55000");
    });
    OnFuelPlanner(launcher);
    EXPECT_EQ(ui.modalRuns, (std::vector<int>{IDD_AIRCRAFT_SELECTOR, IDD_FUEL_PLANNER}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(AircraftSelection, kNoAircraft);
    VariantZfw[kA319 - 1] = VariantZfw[kA320 - 1] = 0;
}

TEST_F(LauncherFlowsTest, TheKeyButtonOpensTheKeyDialogAndNeverAsksForAVariant) {
    AircraftSelection = kNoAircraft;
    PrefsPath = folder.Path("Velmora\\Skyliner\\Prefs.cfg");  // not there: the defaults are shown
    OnKeyAssignments(launcher);
    EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_KEY_CONFIG});
    EXPECT_EQ(ui.modalOwners, std::vector<HWND>{launcher});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(AircraftSelection, kNoAircraft);
}

TEST_F(LauncherFlowsTest, TheConfigurationNoteFollowsOnlyOK) {
    PrefsPath = folder.Path("Prefs.cfg");
    OnAircraftConfiguration(launcher, ConfigurationDlgProc);
    EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_CONFIGURATION});
    EXPECT_EQ(ui.modalOwners, std::vector<HWND>{launcher});
    EXPECT_TRUE(ui.messages.empty());

    ui.Script(IDD_CONFIGURATION, [](HWND dialog) { Press(dialog, IDOK); });
    OnAircraftConfiguration(launcher, ConfigurationDlgProc);
    ExpectOnlyMessage("NOTE: Any change made in the configuration window will be taken into account\n"
                      "           only next time the aircraft is loaded in Flight Simulator.",
                      "WARNING", MB_ICONINFORMATION);
}

}  // namespace
