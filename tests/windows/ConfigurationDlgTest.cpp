#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <tuple>
#include <vector>

#include "InstallationTest.h"
#include "ResourceIds.h"
#include "app/LauncherFlows.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

namespace {

// The dialog run from the launcher's button over a scratch Prefs.cfg.
class ConfigurationFlowTest : public InstallationTest {
protected:
    void Run(std::function<void(HWND)> step) {
        RunFlow(OnAircraftConfiguration, IDD_CONFIGURATION, [step](ModalDialog& dialog) { step(dialog.Window()); });
    }
};

// The checked button of each radio group ("-" for none), each slider's position and label,
// whether the modifiers can be chosen.
std::string Shown(HWND d) {
    const std::vector<int> groups[] = {{IDC_CFG_METRIC, IDC_CFG_IMPERIAL},
                                       {IDC_CFG_BEGINNER, IDC_CFG_INTERMEDIATE, IDC_CFG_EXPERT},
                                       {IDC_CFG_SHIFT, IDC_CFG_CONTROL, IDC_CFG_CONTROL_SHIFT, IDC_CFG_WINDOWS},
                                       {IDC_CFG_NO_LOCK, IDC_CFG_SCROLL_LOCK, IDC_CFG_CAPS_LOCK, IDC_CFG_NUM_LOCK}};
    std::string shown;
    for (const std::vector<int>& group : groups) {
        std::string checked = "-";
        for (int id : group) checked = IsItemChecked(d, id) ? ItemText(d, id) : checked;
        shown += checked + " | ";
    }
    const std::pair<int, int> sliders[] = {{IDC_CFG_VOLUME, IDC_CFG_VOLUME_LABEL}, {IDC_CFG_IRS_TIME, IDC_CFG_IRS_LABEL}};
    for (auto [slider, label] : sliders)
        shown += std::to_string(SendDlgItemMessageA(d, slider, TBM_GETPOS, 0, 0)) + " " + ItemText(d, label) + " | ";
    return shown + (IsWindowEnabled(GetDlgItem(d, IDC_CFG_SHIFT)) ? "modifiers" : "-");
}

// Moves a slider with the keyboard, as a user does after clicking it.
void Slide(HWND dialog, int slider, WPARAM key) {
    SetFocus(GetDlgItem(dialog, slider));
    PressKeys(dialog, {key});
}

// Values outside the controls' ranges show no choice, or a slider at its end beside the stored
// value, and are saved back as read; each control then changes its own entry; Cancel keeps
// only the Cold & Dark request. Other lines keep their bytes.
TEST_F(ConfigurationFlowTest, ShowEditAndSave) {
    const std::string keys = "\r\n[Keys]\r\nCommand.00-Key=20\r\n";
    std::string file = "[Common]\r\nUnitSystem=5\r\nPushbackType=1\r\nUserExperience=7\r\nPanelVolume=150\r\n"
                       "IRSAlignmentTime=900\r\nModifier=9\r\nLocker=6\r\nAutoPause=7\r\nFsuipcUsage=0\r\nFMGCSaveMode=2\r\n";
    folder.Put("Prefs.cfg", file + keys);
    // The 10m00s that Expert shows here must not keep a later opening's label from following its slider.
    Run([&](HWND d) {
        for (int id : {IDC_CFG_EXPERT, IDC_CFG_COLD_AND_DARK, IDC_CFG_METRIC}) Press(d, id);
        ui.TakeMessage("Status", MB_OK | MB_ICONINFORMATION, d);
    });
    EXPECT_TRUE(ui.messages.empty()) << "no note after Cancel";
    file += "ColdAndDark=1\r\n";
    EXPECT_EQ(folder.Take("Prefs.cfg"), file + keys);
    Run([](HWND d) {
        EXPECT_EQ(Shown(d), "- | - | - | - | 100 Maximum | 600 15m00s | modifiers");
        EXPECT_TRUE(IsItemChecked(d, IDC_CFG_PUSHBACK_PPU)) << "read back";
        Press(d, IDOK);
    });
    EXPECT_EQ(ui.TakeMessage("WARNING", MB_OK | MB_ICONINFORMATION, launcher),
              "NOTE: Any change made in the configuration window will be taken into account\n"
              "           only next time the aircraft is loaded in Flight Simulator.");
    EXPECT_EQ(folder.Take("Prefs.cfg"), file + keys);
    Run([](HWND d) {
        Slide(d, IDC_CFG_VOLUME, VK_LEFT);  // both values come into range
        Press(d, IDC_CFG_CAPS_LOCK);
        EXPECT_EQ(Shown(d), "- | - | - | Caps Lock | 99 High | 600 10m00s | -");
        // Giving up the lock key brings Control-Shift, checked. A level brings its alignment
        // time, whatever the slider says, also when clicked again.
        for (int id : {IDC_CFG_NO_LOCK, IDC_CFG_IMPERIAL, IDC_CFG_BEGINNER}) Press(d, id);
        Slide(d, IDC_CFG_IRS_TIME, VK_END);
        Slide(d, IDC_CFG_VOLUME, VK_HOME);
        Press(d, IDC_CFG_BEGINNER);
        EXPECT_EQ(Shown(d), "Imperial System (Lbs) | Beginner | Control-Shift | None | 0 No Sound | 10 10s | modifiers");
        for (int id : {IDC_CFG_WINDOWS, IDC_CFG_PUSHBACK_STANDARD, IDC_CFG_AUTO_PAUSE, IDC_CFG_FSUIPC, IDOK}) Press(d, id);
    });
    EXPECT_EQ(folder.Take("Prefs.cfg"), "[Common]\r\nUnitSystem=1\r\nPushbackType=0\r\nUserExperience=0\r\nPanelVolume=0\r\n"
                                        "IRSAlignmentTime=10\r\nModifier=4\r\nLocker=0\r\nAutoPause=0\r\nFsuipcUsage=1\r\n"
                                        "FMGCSaveMode=2\r\nColdAndDark=1\r\n" + keys);
    EXPECT_EQ(ui.modalOwners, std::vector<HWND>(3, launcher)) << "no variant asked for";
    EXPECT_EQ(ui.TakeMessage("WARNING", MB_OK | MB_ICONINFORMATION, launcher).rfind("NOTE:", 0), 0u);
}

// A save that fails (read-only), or one whose backup cannot be written and that the user
// declines, is told by Cold & Dark and by OK, keeps the dialog open and the file as it was;
// the next OK saves and closes.
TEST_F(ConfigurationFlowTest, AFailedOrDeclinedSaveKeepsTheDialogOpen) {
    const std::string before = "[Common]\r\nUnitSystem=0\r\n", backup = folder.Path("Prefs.cfg.skyliner-backup");
    const ShownMessage told[] = {
        {nullptr, "The file\n" + prefsPath + "\ncould not be written: the file is read-only.\n\n", "ERROR", MB_OK | MB_ICONSTOP},
        {nullptr, "No backup of " + prefsPath + " could be written (it is a folder, not a file).\nSave without a backup?",
         "WARNING", MB_YESNO | MB_ICONEXCLAMATION}};
    for (const ShownMessage& expected : told) {
        folder.Put("Prefs.cfg", before);
        if (&expected == &told[0]) SetFileAttributesA(prefsPath.c_str(), FILE_ATTRIBUTE_READONLY);
        else DeleteFileA(backup.c_str()), CreateDirectoryA(backup.c_str(), nullptr), ui.answers = {IDNO, IDNO, IDYES};
        ui.messages.clear();
        Run([&](HWND d) {
            for (int id : {IDC_CFG_IMPERIAL, IDC_CFG_COLD_AND_DARK, IDOK}) Press(d, id);
            ASSERT_TRUE(IsWindow(d));
            EXPECT_TRUE(IsItemChecked(d, IDC_CFG_IMPERIAL));
            ASSERT_EQ(ui.messages.size(), 2u);
            for (const ShownMessage& m : ui.messages) {
                EXPECT_EQ(std::tuple(m.text.substr(0, expected.text.size()), m.caption, m.style, m.owner),
                          std::tuple(expected.text, expected.caption, expected.style, d));
            }
            EXPECT_EQ(folder.Take("Prefs.cfg"), before);
            SetFileAttributesA(prefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
            Press(d, IDOK);
            EXPECT_FALSE(IsWindow(d));
        });
        EXPECT_NE(folder.Take("Prefs.cfg").find("UnitSystem=1\r\n"), std::string::npos);
    }
}

}  // namespace
