#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <iterator>
#include <tuple>

#include "DialogTemplate.h"
#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "TestFiles.h"
#include "app/LauncherFlows.h"
#include "platform/FileStatus.h"
#include "platform/InstallPaths.h"
#include "prefs/ConfigurationDlg.h"
#include "ui/DialogItems.h"

namespace {

const char* const kNote =
    "NOTE: Any change made in the configuration window will be taken into account\n"
    "           only next time the aircraft is loaded in Flight Simulator.";

TEST(ConfigurationDlgTest, Template) {
    constexpr DWORD kRadio = BS_AUTORADIOBUTTON, kBox = BS_GROUPBOX, kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
    constexpr DWORD kLabel = SS_CENTER | WS_BORDER | WS_GROUP, kSlider = TBS_HORZ | TBS_NOTICKS | WS_TABSTOP;
    const char* const kButton = "Button";
    const char* const kStatic = "Static";
    const char* const kTrackbar = "msctls_trackbar32";
    const TemplateItem expected[] = {
        {IDOK, kButton, "Ok", BS_DEFPUSHBUTTON | WS_TABSTOP, 322, 272, 50, 14},
        {IDCANCEL, kButton, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 382, 272, 50, 14},
        {IDC_CFG_METRIC, kButton, "Metric System (KG)", kRadio | WS_GROUP, 19, 182, 77, 10},
        {IDC_CFG_IMPERIAL, kButton, "Imperial System (Lbs)", kRadio, 112, 182, 85, 10},
        {IDC_CFG_UNIT_GROUP, kButton, "Unit System", kBox, 7, 170, 211, 31},
        {IDC_CFG_VOLUME, kTrackbar, "", kSlider, 15, 217, 139, 15},
        {-1, kButton, "Panel Sound Volume", kBox, 7, 204, 211, 31},
        {IDC_CFG_VOLUME_LABEL, kStatic, "Static", kLabel, 163, 217, 45, 13},
        {IDC_CFG_EXPERIENCE_GROUP, kButton, "User Experience (Realism)", kBox, 7, 82, 211, 52},
        {IDC_CFG_BEGINNER, kButton, "Beginner", kRadio | WS_GROUP, 19, 93, 44, 10},
        {IDC_CFG_INTERMEDIATE, kButton, "Intermediate", kRadio, 19, 106, 57, 10},
        {IDC_CFG_EXPERT, kButton, "Expert", kRadio, 19, 119, 37, 10},
        {IDC_CFG_KEYBOARD_GROUP, kButton, "MCDU Keyboard Input", kBox, 248, 82, 184, 86},
        {-1, kStatic, "Key Modifiers", SS_LEFT | WS_GROUP, 266, 94, 57, 10},
        {-1, kStatic, "Key Locks", SS_LEFT | WS_GROUP, 351, 95, 57, 10},
        {IDC_CFG_SHIFT, kButton, "Shift", kRadio | WS_GROUP | WS_TABSTOP, 272, 110, 31, 10},
        {IDC_CFG_CONTROL, kButton, "Control", kRadio | WS_TABSTOP, 272, 124, 39, 10},
        {IDC_CFG_CONTROL_SHIFT, kButton, "Control-Shift", kRadio | WS_TABSTOP, 272, 138, 57, 10},
        {IDC_CFG_WINDOWS, kButton, "Windows", kRadio | WS_TABSTOP, 272, 152, 45, 10},
        {IDC_CFG_SCROLL_LOCK, kButton, "Scroll Lock", kRadio | WS_GROUP, 357, 124, 49, 10},
        {IDC_CFG_CAPS_LOCK, kButton, "Caps Lock", kRadio, 357, 138, 48, 10},
        {IDC_CFG_NUM_LOCK, kButton, "Num Lock", kRadio, 357, 152, 46, 10},
        {IDC_CFG_NO_LOCK, kButton, "None", kRadio, 357, 110, 33, 10},
        {-1, kStatic, "#102", SS_BITMAP | SS_CENTERIMAGE, 7, 7, 425, 62},
        {-1, kButton, "Startup", kBox, 249, 170, 184, 31},
        {IDC_CFG_COLD_AND_DARK, kButton, "Cold && Dark", BS_PUSHBUTTON | WS_TABSTOP, 289, 182, 108, 14},
        {-1, kButton, "Pushback", kBox, 250, 204, 183, 31},
        {IDC_CFG_PUSHBACK_STANDARD, kButton, "Standard", kRadio | WS_GROUP, 274, 217, 45, 10},
        {IDC_CFG_PUSHBACK_PPU, kButton, "PPU", kRadio, 358, 217, 29, 10},
        {-1, kButton, "IRS Alignment Time", kBox, 7, 136, 211, 31},
        {IDC_CFG_IRS_TIME, kTrackbar, "", kSlider, 15, 148, 139, 15},
        {IDC_CFG_IRS_LABEL, kStatic, "Static", kLabel, 164, 148, 45, 13},
        {-1, kButton, "Auto-Pause", kBox, 249, 238, 183, 31},
        {IDC_CFG_AUTO_PAUSE, kButton, "Pause 20 NM before Top of Descent", kCheck, 274, 251, 133, 10},
        {-1, kButton, "Network Flight", kBox, 7, 238, 211, 31},
        {IDC_CFG_FSUIPC, kButton, "Use FSUIPC for Squawk Box 3 support", kCheck, 32, 251, 147, 10},
    };
    DialogTemplate dialog = ReadDialogTemplate(IDD_CONFIGURATION);
    EXPECT_EQ(dialog.caption, "Configuration");
    EXPECT_EQ(dialog.font, "MS Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.width, 439);
    EXPECT_EQ(dialog.height, 293);
    constexpr DWORD kFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    EXPECT_EQ(dialog.style & kFrame, kFrame);
    EXPECT_FALSE(dialog.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    ASSERT_EQ(dialog.items.size(), std::size(expected));
    for (std::size_t i = 0; i < dialog.items.size(); ++i) {
        const TemplateItem& item = dialog.items[i];
        const TemplateItem& want = expected[i];
        SCOPED_TRACE("item " + std::to_string(i + 1) + " " + want.text);
        EXPECT_EQ(static_cast<short>(item.id), want.id);
        EXPECT_EQ(lstrcmpiA(item.windowClass.c_str(), want.windowClass.c_str()), 0) << item.windowClass;
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.style & ~(WS_CHILD | WS_VISIBLE), want.style);
        EXPECT_EQ(std::tie(item.x, item.y, item.width, item.height), std::tie(want.x, want.y, want.width, want.height));
    }

    // The header fills its frame (425 x 62 units of this font) without being cut or stretched.
    HBITMAP header = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_CONFIGURATION_HEADER));
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(header, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 638);
    EXPECT_EQ(info.bmHeight, 100);
    DeleteObject(header);
}

// The dialog run from the launcher's button over a scratch Prefs.cfg.
class ConfigurationFlowTest : public ::testing::Test {
protected:
    ConfigurationFlowTest() {
        PrefsPath = folder.Path("Prefs.cfg");
        launcher = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        SetMainWindow(launcher);
    }
    ~ConfigurationFlowTest() override {
        SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetMainWindow(nullptr);
        DestroyWindow(launcher);
    }

    // Opens the dialog from the launcher, plays `step` in it, and cancels it if still open.
    void Run(std::function<void(HWND)> step) {
        ui.Script(IDD_CONFIGURATION, std::move(step));
        OnAircraftConfiguration(launcher);
    }
    std::string File() const { return folder.Take("Prefs.cfg"); }
    void ExpectInFile(std::initializer_list<const char*> entries) const {
        std::string file = File();
        for (const char* entry : entries) EXPECT_NE(file.find(std::string(entry) + "\r\n"), std::string::npos) << entry;
    }

    ScratchFolder folder;
    FakeUserInterface ui;
    HWND launcher = nullptr;
};

// What the dialog shows, group by group: the checked button of each radio group ("-" for
// none), each slider's position and label, the check boxes.
std::string Shown(HWND d) {
    auto checked = [d](std::initializer_list<int> ids) {
        for (int id : ids) {
            if (IsItemChecked(d, id)) return ItemText(d, id);
        }
        return std::string("-");
    };
    auto slider = [d](int id, int label) {
        return std::to_string(SendDlgItemMessageA(d, id, TBM_GETPOS, 0, 0)) + " " + ItemText(d, label);
    };
    std::string modifiers = checked({IDC_CFG_SHIFT, IDC_CFG_CONTROL, IDC_CFG_CONTROL_SHIFT, IDC_CFG_WINDOWS});
    for (int id : {IDC_CFG_SHIFT, IDC_CFG_CONTROL, IDC_CFG_CONTROL_SHIFT, IDC_CFG_WINDOWS}) {
        modifiers += IsWindowEnabled(GetDlgItem(d, id)) ? "+" : "";
    }
    return checked({IDC_CFG_METRIC, IDC_CFG_IMPERIAL}) + " | " +
           checked({IDC_CFG_PUSHBACK_STANDARD, IDC_CFG_PUSHBACK_PPU}) + " | " +
           checked({IDC_CFG_BEGINNER, IDC_CFG_INTERMEDIATE, IDC_CFG_EXPERT}) + " | " +
           slider(IDC_CFG_VOLUME, IDC_CFG_VOLUME_LABEL) + " | " + slider(IDC_CFG_IRS_TIME, IDC_CFG_IRS_LABEL) + " | " +
           modifiers + " | " + checked({IDC_CFG_NO_LOCK, IDC_CFG_SCROLL_LOCK, IDC_CFG_CAPS_LOCK, IDC_CFG_NUM_LOCK}) +
           " | " + (IsItemChecked(d, IDC_CFG_AUTO_PAUSE) ? "pause" : "-") + " " +
           (IsItemChecked(d, IDC_CFG_FSUIPC) ? "fsuipc" : "-");
}

// Moves a slider with the keyboard, as a user does after clicking it.
void Slide(HWND dialog, int slider, WPARAM key) {
    SetFocus(GetDlgItem(dialog, slider));
    PressKey(dialog, key);
}

TEST_F(ConfigurationFlowTest, NoFileOpensOnTheDefaultsAndOkCreatesIt) {
    Run([](HWND d) {
        // "+" per enabled modifier button: none while a lock key is chosen.
        EXPECT_EQ(Shown(d), "Metric System (KG) | Standard | Intermediate | 100 Maximum | 60 60s | Control-Shift | "
                            "Scroll Lock | - -");
        Press(d, IDOK);
        EXPECT_FALSE(IsWindow(d));
    });
    EXPECT_EQ(File(),
              "[Common]\r\nUnitSystem=0\r\nPushbackType=0\r\nUserExperience=1\r\nPanelVolume=100\r\n"
              "IRSAlignmentTime=60\r\nModifier=0\r\nLocker=1\r\nAutoPause=0\r\nFsuipcUsage=0\r\nFMGCSaveMode=0\r\n");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kNote);
    EXPECT_EQ(ui.messages[0].owner, launcher);
}

TEST_F(ConfigurationFlowTest, ValuesOutsideTheControlsAreSavedBackUnlessChanged) {
    const std::string file =
        "[Common]\r\nUnitSystem=5\r\nPushbackType=1\r\nUserExperience=7\r\nPanelVolume=150\r\n"
        "IRSAlignmentTime=900\r\nModifier=9\r\nLocker=6\r\nAutoPause=7\r\nFsuipcUsage=0\r\nFMGCSaveMode=2\r\n"
        "[Keys]\r\nCommand.00-Key=20\r\n";
    folder.Put("Prefs.cfg", file);
    // An earlier opening that showed 10m00s must not keep the label of this one from following
    // the slider.
    Run([](HWND d) { Press(d, IDC_CFG_EXPERT); });
    Run([](HWND d) {
        EXPECT_EQ(Shown(d), "- | Standard | - | 100 Maximum | 600 15m00s | -++++ | - | pause -");
        Press(d, IDOK);
    });
    std::string expected = file;
    expected.replace(expected.find("PushbackType=1"), 14, "PushbackType=0");
    EXPECT_EQ(File(), expected);

    // Moving one slider brings both values into their ranges; a click gives 0 or 1; a level
    // brings its own alignment time, whatever the slider said, also when clicked again.
    Run([](HWND d) {
        Slide(d, IDC_CFG_VOLUME, VK_LEFT);
        EXPECT_EQ(Shown(d), "- | Standard | - | 99 High | 600 10m00s | -++++ | - | pause -");
        Press(d, IDC_CFG_BEGINNER);
        Slide(d, IDC_CFG_IRS_TIME, VK_END);
        Slide(d, IDC_CFG_VOLUME, VK_HOME);
        Press(d, IDC_CFG_BEGINNER);
        Press(d, IDC_CFG_AUTO_PAUSE);
        Press(d, IDC_CFG_FSUIPC);
        Press(d, IDC_CFG_PUSHBACK_PPU);
        EXPECT_EQ(Shown(d), "- | PPU | Beginner | 0 No Sound | 10 10s | -++++ | - | - fsuipc");
        Press(d, IDOK);
    });
    ExpectInFile({"UserExperience=0", "PanelVolume=0", "IRSAlignmentTime=10", "AutoPause=0", "FsuipcUsage=1",
                  "PushbackType=1"});
}

TEST_F(ConfigurationFlowTest, LockKeysAndModifiers) {
    struct Case {
        const char* file;  // Modifier, Locker
        std::vector<int> presses;
        const char* shown;  // the modifier buttons, the lock buttons
        const char* saved;
    } cases[] = {
        {"Modifier=2\r\nLocker=1", {}, "Control | Scroll Lock", "Modifier=0\r\nLocker=1"},
        {"Modifier=0\r\nLocker=0", {}, "Control-Shift++++ | None", "Modifier=3\r\nLocker=0"},
        // The lock clears the modifier; giving it up again sets Control-Shift, checked.
        {"Modifier=2\r\nLocker=0", {IDC_CFG_CAPS_LOCK, IDC_CFG_NO_LOCK}, "Control-Shift++++ | None",
         "Modifier=3\r\nLocker=0"},
        {"Modifier=2\r\nLocker=3", {IDC_CFG_NO_LOCK, IDC_CFG_WINDOWS}, "Windows++++ | None", "Modifier=4\r\nLocker=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.Put("Prefs.cfg", std::string("[Common]\r\n") + c.file + "\r\n");
        Run([&c](HWND d) {
            for (int id : c.presses) Press(d, id);
            EXPECT_EQ(Shown(d), std::string("Metric System (KG) | Standard | Intermediate | 100 Maximum | 60 60s | ") +
                                    c.shown + " | - -");
            Press(d, IDOK);
        });
        ExpectInFile({c.saved});
    }
}

TEST_F(ConfigurationFlowTest, CancelKeepsTheFileButNotTheColdAndDarkRequest) {
    folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\nCommand.00-Key=20\r\n");
    HWND dialog = nullptr;
    Run([&dialog](HWND d) {
        dialog = d;
        Press(d, IDC_CFG_METRIC);
        Press(d, IDC_CFG_COLD_AND_DARK);
        CloseBox(d);
        EXPECT_FALSE(IsWindow(d));
    });
    EXPECT_EQ(File(), "[Common]\r\nUnitSystem=1\r\nColdAndDark=1\r\n\r\n[Keys]\r\nCommand.00-Key=20\r\n");
    ASSERT_EQ(ui.messages.size(), 1u) << "no note after Cancel";
    EXPECT_EQ(ui.messages[0].text, "The aircraft will be Cold & Dark\nnext time you load it in FS.");
    EXPECT_EQ(ui.messages[0].caption, "Status");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(ui.messages[0].owner, dialog);
}

TEST_F(ConfigurationFlowTest, AFailedSaveIsToldAndKeepsTheDialogOpen) {
    const std::string before = "[Common]\r\nUnitSystem=0\r\n";
    folder.Put("Prefs.cfg", before);
    SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string expected = DescribeFileFailure(FileAccess::Write, PrefsPath, FileStatus::ReadOnly);
    Run([&](HWND d) {
        Press(d, IDC_CFG_IMPERIAL);
        Press(d, IDC_CFG_COLD_AND_DARK);
        Press(d, IDOK);
        ASSERT_TRUE(IsWindow(d));
        EXPECT_TRUE(IsItemChecked(d, IDC_CFG_IMPERIAL));
        ASSERT_EQ(ui.messages.size(), 2u) << "Cold & Dark, then Ok";
        for (const ShownMessage& message : ui.messages) {
            EXPECT_EQ(message.text.rfind(expected, 0), 0u) << message.text;
            EXPECT_EQ(message.caption, "ERROR");
            EXPECT_EQ(message.style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
            EXPECT_EQ(message.owner, d);
        }
        EXPECT_EQ(File(), before);

        SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        Press(d, IDOK);
        EXPECT_FALSE(IsWindow(d));
    });
    ExpectInFile({"UnitSystem=1"});
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].text, kNote);
}

TEST_F(ConfigurationFlowTest, AFileThatCannotBeReadKeepsTheDialogClosed) {
    folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n");
    HANDLE holder = CreateFileA(PrefsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    OnAircraftConfiguration(launcher);
    CloseHandle(holder);
    EXPECT_TRUE(ui.modalRuns.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(DescribeFileFailure(FileAccess::Read, PrefsPath, FileStatus::Locked), 0), 0u);
    EXPECT_EQ(ui.messages[0].caption, "ERROR");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(ui.messages[0].owner, launcher);
}

}  // namespace
