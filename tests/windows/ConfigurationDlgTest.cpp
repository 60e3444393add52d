#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <iterator>
#include <tuple>
#include <vector>

#include "DialogTemplate.h"
#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "TestFiles.h"
#include "app/LauncherFlows.h"
#include "platform/FileStatus.h"
#include "platform/InstallPaths.h"
#include "ui/DialogItems.h"

namespace {

TEST(ConfigurationDlgTest, Template) {
    constexpr DWORD kRadio = BS_AUTORADIOBUTTON, kBox = BS_GROUPBOX, kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
    constexpr DWORD kLabel = SS_CENTER | WS_BORDER | WS_GROUP, kSlider = TBS_HORZ | TBS_NOTICKS | WS_TABSTOP;
    const char *kButton = "Button", *kStatic = "Static", *kTrackbar = "msctls_trackbar32";
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
    EXPECT_EQ(std::tie(dialog.caption, dialog.font, dialog.pointSize, dialog.width, dialog.height),
              std::make_tuple("Configuration", "MS Shell Dlg", 8, 439, 293));
    constexpr DWORD kFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    EXPECT_EQ(dialog.style & (kFrame | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), kFrame);
    ASSERT_EQ(dialog.items.size(), std::size(expected));
    for (std::size_t i = 0; i < dialog.items.size(); ++i) {
        const TemplateItem &item = dialog.items[i], &want = expected[i];
        EXPECT_TRUE(static_cast<short>(item.id) == want.id && item.text == want.text &&
                    lstrcmpiA(item.windowClass.c_str(), want.windowClass.c_str()) == 0 &&
                    (item.style & ~(WS_CHILD | WS_VISIBLE)) == want.style &&
                    std::tie(item.x, item.y, item.width, item.height) == std::tie(want.x, want.y, want.width, want.height))
            << "item " << i + 1 << " " << want.text;
    }
    // The header fills its frame (425 x 62 units of this font) without being cut or stretched.
    BITMAP header{};
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_CONFIGURATION_HEADER));
    ASSERT_TRUE(GetObjectA(bitmap, sizeof header, &header));
    DeleteObject(bitmap);
    EXPECT_EQ(std::make_pair(header.bmWidth, header.bmHeight), std::make_pair(638L, 100L));
}

// The dialog run from the launcher's button over a scratch Prefs.cfg.
class ConfigurationFlowTest : public ::testing::Test {
protected:
    ConfigurationFlowTest() { PrefsPath = folder.Path("Prefs.cfg"); }
    ~ConfigurationFlowTest() override {
        SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        DestroyWindow(launcher);
    }
    // Opens the dialog from the launcher, plays `step` in it, and cancels it if still open.
    void Run(std::function<void(HWND)> step) {
        ui.Script(IDD_CONFIGURATION, std::move(step));
        OnAircraftConfiguration(launcher);
    }
    // The stop message that tells why Prefs.cfg could not be read or written.
    void ExpectFailure(const ShownMessage& m, FileAccess access, FileStatus status, HWND owner) const {
        EXPECT_EQ(m.text.rfind(DescribeFileFailure(access, PrefsPath, status), 0), 0u) << m.text;
        EXPECT_EQ(std::tie(m.caption, m.style, m.owner), std::make_tuple("ERROR", UINT{MB_OK | MB_ICONSTOP}, owner));
    }

    ScratchFolder folder;
    FakeUserInterface ui;
    HWND launcher = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
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
    PressKey(dialog, key);
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
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(std::tie(ui.messages[0].caption, ui.messages[0].owner), std::make_tuple("Status", d));
    });
    file += "ColdAndDark=1\r\n";
    EXPECT_EQ(folder.Take("Prefs.cfg"), file + keys);
    Run([](HWND d) {
        EXPECT_EQ(Shown(d), "- | - | - | - | 100 Maximum | 600 15m00s | modifiers");
        Press(d, IDOK);
    });
    file.replace(file.find("PushbackType=1"), 14, "PushbackType=0");
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
        for (int id : {IDC_CFG_WINDOWS, IDC_CFG_PUSHBACK_PPU, IDC_CFG_AUTO_PAUSE, IDC_CFG_FSUIPC, IDOK}) Press(d, id);
    });
    EXPECT_EQ(folder.Take("Prefs.cfg"), "[Common]\r\nUnitSystem=1\r\nPushbackType=1\r\nUserExperience=0\r\nPanelVolume=0\r\n"
                                        "IRSAlignmentTime=10\r\nModifier=4\r\nLocker=0\r\nAutoPause=0\r\nFsuipcUsage=1\r\n"
                                        "FMGCSaveMode=2\r\nColdAndDark=1\r\n" + keys);
    ASSERT_EQ(ui.messages.size(), 3u) << "a note after each Ok, none after Cancel";
    EXPECT_EQ(std::tie(ui.messages[2].caption, ui.messages[2].owner), std::make_tuple("WARNING", launcher));
}

TEST_F(ConfigurationFlowTest, AFailedSaveIsToldAndKeepsTheDialogOpen) {
    folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=0\r\n");
    SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_READONLY);
    Run([&](HWND d) {
        for (int id : {IDC_CFG_IMPERIAL, IDC_CFG_COLD_AND_DARK, IDOK}) Press(d, id);
        ASSERT_TRUE(IsWindow(d));
        EXPECT_TRUE(IsItemChecked(d, IDC_CFG_IMPERIAL));
        ASSERT_EQ(ui.messages.size(), 2u) << "Cold & Dark, then Ok";
        for (const ShownMessage& message : ui.messages) ExpectFailure(message, FileAccess::Write, FileStatus::ReadOnly, d);
        EXPECT_EQ(folder.Take("Prefs.cfg"), "[Common]\r\nUnitSystem=0\r\n");
        SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        Press(d, IDOK);
        EXPECT_FALSE(IsWindow(d));
    });
    EXPECT_NE(folder.Take("Prefs.cfg").find("UnitSystem=1\r\n"), std::string::npos);
    EXPECT_EQ(ui.messages.size(), 3u) << "the note after the save";
}

TEST_F(ConfigurationFlowTest, AFileThatCannotBeReadKeepsTheDialogClosed) {
    folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n");
    HANDLE holder = CreateFileA(PrefsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    OnAircraftConfiguration(launcher);
    CloseHandle(holder);
    EXPECT_TRUE(ui.modalRuns.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    ExpectFailure(ui.messages[0], FileAccess::Read, FileStatus::Locked, launcher);
}

}  // namespace
