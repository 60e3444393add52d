#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "InstallationTest.h"
#include "ResourceIds.h"
#include "app/LauncherFlows.h"
#include "keys/SystemKeyboardLayout.h"
#include "platform/Profile.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

namespace {

constexpr UINT kStop = MB_OK | MB_ICONSTOP;
constexpr int kInitKey = 4;  // list position of "[MCDU] INIT Key", slot 3, CTRL + I by default

class KeyAssignmentsTest : public InstallationTest {
protected:
    // A pick in the list, with the notification the user's pick sends.
    static void Choose(const ModalDialog& dialog, int position) {
        HWND list = dialog.Item(IDC_KEY_COMMAND_LIST);
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageA(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDC_KEY_COMMAND_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    // "Change Assignment" for the command at list `position`, with `step` played in the capture.
    void ChangeAssignment(const ModalDialog& dialog, int position, FakeUserInterface::Step step) {
        Choose(dialog, position);
        ui.Script(IDD_KEY_ASSIGNER, std::move(step));
        Press(dialog, IDC_KEY_CHANGE);
    }
    // The same with `keys` typed, then `button`.
    void ChangeAssignment(const ModalDialog& dialog, int position, std::vector<WPARAM> keys, int button) {
        ChangeAssignment(dialog, position, [=](ModalDialog& a) { PressKeys(a.Window(), keys), Press(a, button); });
    }
    static std::string Field(const ModalDialog& dialog) { return ItemText(dialog.Window(), IDC_KEY_ASSIGNMENT); }
};

// A save declined without a backup, or failed, keeps the dialog open.
TEST_F(KeyAssignmentsTest, ChooseCaptureAndSaveWithAFailedSaveKeptOpen) {
    folder.Put("Prefs.cfg", "[Keys]\r\nCommand.03-Modifier=1\r\nCommand.03-Key=31\r\n");
    ASSERT_TRUE(SetFileAttributesA(prefsPath.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryA((prefsPath + ".skyliner-backup").c_str(), nullptr));  // where the backup goes
    RunFlow(OnKeyAssignments, IDD_KEY_CONFIG, [&](ModalDialog& keys) {
        ComboBox list;
        list.Attach(keys.Item(IDC_KEY_COMMAND_LIST));
        ASSERT_EQ(list.Count(), 86);
        EXPECT_EQ(list.Text(0) + "|" + list.Text(kInitKey) + "|" + list.Text(85),
                  "Select a command|[MCDU] INIT Key|Recall cleared ECAM Alerts");
        Press(keys, IDC_KEY_CHANGE);
        EXPECT_EQ(ui.TakeMessage("ERROR", kStop, keys.Window()), "Please select a command first.");
        Choose(keys, kInitKey);
        EXPECT_EQ(Field(keys), "SHIFT + S");
        Choose(keys, 0);
        EXPECT_EQ(Field(keys), "");
        ChangeAssignment(keys, 2, {VK_SHIFT, 'A'}, IDCANCEL);
        EXPECT_EQ(Field(keys), "SHIFT + CTRL + F") << "Cancel keeps the slot";

        ChangeAssignment(keys, kInitKey, [&](ModalDialog& assigner) {
            EXPECT_EQ(ItemText(assigner.Window(), IDC_KEY_COMMAND_NAME), "[MCDU] INIT Key");
            PressKeys(assigner.Window(), {VK_SHIFT, VK_MENU, VK_F5});
            Press(assigner, IDOK);
            EXPECT_EQ(ui.TakeMessage("Error", kStop, assigner.Window()), "ALT modifier is not authorized, please use another.");
            ASSERT_NE(assigner.Window(), nullptr) << "the capture goes on";
            EXPECT_EQ(GetFocus(), assigner.Item(IDC_KEY_CAPTURE));
            PressKeys(assigner.Window(), {VK_CONTROL, VK_LWIN});  // a key without a code
            Press(assigner, IDOK);
            EXPECT_EQ(ui.TakeMessage("Error", kStop, assigner.Window()), "This key cannot be assigned, please use another.");
            PressKeys(assigner.Window(), {VK_SHIFT, VK_CONTROL, VK_NUMPAD5});
            Press(assigner, IDOK);
        });
        EXPECT_EQ(Field(keys), "SHIFT + CTRL + 5 (NUMPAD)");
        // The same for Panel Flood Light: No keeps the capture going, Yes moves the combination.
        ChangeAssignment(keys, 2, [&](ModalDialog& assigner) {
            PressKeys(assigner.Window(), {VK_SHIFT, VK_CONTROL, VK_NUMPAD5});
            for (int answer : {IDNO, IDYES}) {
                const HWND window = assigner.Window();  // none once No has closed it
                ui.answers = {answer};
                Press(window, IDOK);
                EXPECT_EQ(ui.TakeMessage("WARNING", MB_YESNO | MB_ICONEXCLAMATION, window),
                          "SHIFT + CTRL + 5 (NUMPAD) is already assigned to [MCDU] INIT Key.\nAssign it to this "
                          "command instead? [MCDU] INIT Key will then have no key.");
            }
        });

        ui.answers = {IDNO};  // to saving without a backup
        Press(keys, IDOK);
        EXPECT_EQ(ui.TakeMessage("WARNING", MB_YESNO | MB_ICONEXCLAMATION, keys.Window()).rfind("No backup of ", 0), 0u);
        RemoveDirectoryA((prefsPath + ".skyliner-backup").c_str());
        Press(keys, IDOK);
        EXPECT_EQ(ui.TakeMessage("ERROR", kStop, keys.Window())
                      .rfind("The file\n" + prefsPath + "\ncould not be written: the file is read-only.\n\n", 0), 0u);
        ASSERT_NE(keys.Window(), nullptr) << "open to retry";
        EXPECT_EQ(Field(keys), "SHIFT + CTRL + 5 (NUMPAD)");
        SetFileAttributesA(prefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        Press(keys, IDOK);
        EXPECT_EQ(keys.Window(), nullptr);
    });
    EXPECT_EQ(ui.modalRuns, (std::vector<int>{IDD_KEY_CONFIG, IDD_KEY_ASSIGNER, IDD_KEY_ASSIGNER, IDD_KEY_ASSIGNER}));
    EXPECT_NE(ui.modalOwners.back(), launcher) << "the key dialog owns the assigner";
    const Profile saved(prefsPath);
    EXPECT_EQ(std::tuple(saved.ReadInt("Keys", "Command.01-Modifier", -1), saved.ReadInt("Keys", "Command.01-Key", -1),
                         saved.ReadInt("Keys", "Command.03-Key", -1), saved.ReadInt("Keys", "Command.90-Key", -1)),
              std::tuple(3, 76, 0, 0));

    // The capture starts from the assignment, which OK keeps; a cleared capture removes it.
    // Cancel writes nothing and drops the capture.
    const std::string bytes = folder.Take("Prefs.cfg");
    RunFlow(OnKeyAssignments, IDD_KEY_CONFIG, [&](ModalDialog& keys) {
        for (const auto& [typed, field] : {std::pair{std::vector<WPARAM>{}, "SHIFT + CTRL + 5 (NUMPAD)"}, {{VK_BACK}, "No key defined"}}) {
            ChangeAssignment(keys, 2, typed, IDOK);
            EXPECT_EQ(Field(keys), field);
        }
    });
    EXPECT_EQ(folder.Take("Prefs.cfg"), bytes);
}

// Run by its own test entry under a French locale, from which Wine takes the keyboard
// layout; skipped otherwise.
TEST_F(KeyAssignmentsTest, FrenchLayoutNamesAndCapture) {
    const char* language = std::getenv("LANG");
    if (!language || std::string(language).rfind("fr", 0) != 0) GTEST_SKIP() << "needs LANG=fr_FR.UTF-8";
    ASSERT_EQ(ActiveKeyboardLanguage(), 0x040C);
    RunFlow(OnKeyAssignments, IDD_KEY_CONFIG, [&](ModalDialog& keys) {
        Choose(keys, 23);  // "[FCU] Decrease Speed/Mach"
        EXPECT_EQ(Field(keys), "CTRL + 1 (PAVE NUM.)");
        ChangeAssignment(keys, 23, {VK_SCROLL}, IDOK);
        wchar_t shown[40] = {};
        GetWindowTextW(keys.Item(IDC_KEY_ASSIGNMENT), shown, 40);
        EXPECT_EQ(std::wstring(shown), L"Arr\u00EAt D\u00E9fil");
    });
}

}  // namespace
