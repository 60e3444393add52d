#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "TestFiles.h"
#include "app/LauncherFlows.h"
#include "keys/KeyCommands.h"
#include "keys/SystemKeyboardLayout.h"
#include "platform/InstallPaths.h"
#include "platform/Profile.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

namespace {

struct ExpectedItem {
    int id;
    const char* windowClass;
    const char* text;
    DWORD style;  // must all be set
    short x, y, width, height;
};

void ExpectTemplate(int templateId, const char* caption, short width, short height,
                    const std::vector<ExpectedItem>& expected) {
    DialogTemplate dialog = ReadDialogTemplate(templateId);
    EXPECT_EQ(dialog.caption, caption);
    EXPECT_EQ(dialog.font, "MS Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.width, width);
    EXPECT_EQ(dialog.height, height);
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(dialog.style & frame, frame);
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TemplateItem& item = dialog.items[i];
        const ExpectedItem& want = expected[i];
        SCOPED_TRACE(testing::Message() << "item " << i << " (" << want.id << ")");
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(lstrcmpiA(item.windowClass.c_str(), want.windowClass), 0) << item.windowClass;  // names are case-blind
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.style & want.style, want.style);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.width, want.width);
        EXPECT_EQ(item.height, want.height);
    }
}

TEST(KeyTemplatesTest, KeyAssignmentsTemplate) {
    ExpectTemplate(IDD_KEY_CONFIG, "Key Assignments", 219, 126,
                   {
                       {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 7, 103, 50, 16},
                       {IDCANCEL, "Button", "Cancel", WS_TABSTOP, 162, 103, 50, 16},
                       {IDC_KEY_COMMAND_LIST, "ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 7, 7, 205, 86},
                       {-1, "Button", "Key Assignment", BS_GROUPBOX, 7, 22, 205, 73},
                       {IDC_KEY_ASSIGNMENT, "Edit", "", ES_READONLY | ES_CENTER | WS_BORDER | WS_TABSTOP, 26, 40, 166, 14},
                       {IDC_KEY_CHANGE, "Button", "&Change Assignment", WS_TABSTOP, 64, 69, 91, 14},
                   });
    EXPECT_FALSE(ReadDialogTemplate(IDD_KEY_CONFIG).Item(IDC_KEY_COMMAND_LIST).style & CBS_SORT)
        << "list positions follow the slots";
}

TEST(KeyTemplatesTest, KeyAssignmentTemplate) {
    ExpectTemplate(IDD_KEY_ASSIGNER, "Key Assignment", 187, 129,
                   {
                       {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 7, 108, 50, 14},
                       {IDCANCEL, "Button", "Cancel", WS_TABSTOP, 130, 108, 50, 14},
                       {IDC_KEY_PROMPT, "Static", "Press the key to assign,\nthen OK to accept or Cancel to abort.",
                        SS_CENTER, 23, 83, 139, 17},
                       {-1, "Button", "Command", BS_GROUPBOX, 7, 7, 173, 33},
                       {IDC_KEY_COMMAND_NAME, "Edit", "", ES_READONLY | ES_CENTER | WS_BORDER | WS_TABSTOP, 17, 19, 152, 14},
                       {-1, "Button", "Key", BS_GROUPBOX, 7, 43, 173, 33},
                       {IDC_KEY_CAPTURE, "msctls_hotkey32", "", WS_BORDER | WS_TABSTOP, 17, 54, 152, 14},
                   });
}

// Keys pressed and then released in the focused control, delivered as the modal loop
// delivers them, with the scan codes the keyboard sends (the control's character
// messages rely on them); with ALT held they are system keys.
void Type(HWND dialog, std::initializer_list<WPARAM> keys) {
    bool alt = false;
    auto deliver = [&](UINT message, WPARAM key, LPARAM state) {
        LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
        MSG event{GetFocus(), message, key, 1 | scanCode | state | (alt ? 1 << 29 : 0), 0, {0, 0}};
        if (!IsDialogMessageA(dialog, &event)) {
            TranslateMessage(&event);
            DispatchMessageA(&event);
        }
        PumpMessages();
    };
    for (WPARAM key : keys) {
        alt = alt || key == VK_MENU;
        deliver(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 0);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        deliver(alt ? WM_SYSKEYUP : WM_KEYUP, *key, static_cast<LPARAM>(3u << 30));
    }
}

// List positions of the shipped table: position 0 is "Select a command".
constexpr int kInitKey = 4;  // "[MCDU] INIT Key", slot 3, CTRL + I by default

class KeyAssignmentsTest : public ::testing::Test {
protected:
    KeyAssignmentsTest() {
        PrefsPath = folder.Path("Prefs.cfg");
        KeyCommandTable = DefaultKeyCommands();
        launcher = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        SetMainWindow(launcher);
    }
    ~KeyAssignmentsTest() override {
        SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetMainWindow(nullptr);
        DestroyWindow(launcher);
        KeyCommandTable = DefaultKeyCommands();
    }

    // The launcher's key button, with `step` played in the key dialog.
    void OpenKeyDialog(FakeUserInterface::Step step) {
        ui.Script(IDD_KEY_CONFIG, std::move(step));
        OnKeyAssignments(launcher);
    }
    // "Change Assignment", with `step` played in the assigner.
    void ChangeAssignment(const ModalDialog& keys, FakeUserInterface::Step step) {
        ui.Script(IDD_KEY_ASSIGNER, std::move(step));
        Press(keys, IDC_KEY_CHANGE);
    }
    // A command picked in the list, as the user's pick notifies the dialog.
    static void Choose(const ModalDialog& keys, int position) {
        HWND list = keys.Item(IDC_KEY_COMMAND_LIST);
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageA(keys.Window(), WM_COMMAND, MAKEWPARAM(IDC_KEY_COMMAND_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    static std::string Field(const ModalDialog& keys) { return ItemText(keys.Window(), IDC_KEY_ASSIGNMENT); }
    static std::string Entry(const char* key) { return Profile(PrefsPath).ReadString("Keys", key, "<none>", 99); }

    ScratchFolder folder;
    FakeUserInterface ui;
    HWND launcher = nullptr;
};

TEST_F(KeyAssignmentsTest, TheListShowsEveryCommandAndTheFileAssignments) {
    folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n[Keys]\r\nCommand.03-Modifier=1\r\nCommand.03-Key=31\r\n");
    HWND keysWindow = nullptr;
    OpenKeyDialog([&](ModalDialog& keys) {
        keysWindow = keys.Window();
        ComboBox list;
        list.Attach(keys.Item(IDC_KEY_COMMAND_LIST));
        ASSERT_EQ(list.Count(), 86);
        EXPECT_EQ(list.Text(0), "Select a command");
        EXPECT_EQ(list.Text(1), "T.O CONFIG");
        EXPECT_EQ(list.Text(kInitKey), "[MCDU] INIT Key");
        EXPECT_EQ(list.Text(85), "Recall cleared ECAM Alerts");
        EXPECT_EQ(list.Selection(), 0);
        EXPECT_EQ(Field(keys), "");

        Choose(keys, kInitKey);
        EXPECT_EQ(Field(keys), "SHIFT + S") << "read from the file";
        Choose(keys, 13);
        EXPECT_EQ(Field(keys), "CTRL + PgDn");
        Choose(keys, 0);
        EXPECT_EQ(Field(keys), "");

        Press(keys, IDC_KEY_CHANGE);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Please select a command first.");
        EXPECT_EQ(ui.messages[0].caption, "ERROR");
        EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
        EXPECT_EQ(ui.messages[0].owner, keys.Window());
    });
    EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_KEY_CONFIG}) << "no assigner without a command";
    EXPECT_EQ(ui.modalOwners, std::vector<HWND>{launcher});
    EXPECT_NE(keysWindow, nullptr);
}

TEST_F(KeyAssignmentsTest, ACapturedCombinationIsShownAndSavedWithEverySlotOnOK) {
    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, kInitKey);
        EXPECT_EQ(Field(keys), "CTRL + I");
        ChangeAssignment(keys, [&](ModalDialog& assigner) {
            EXPECT_EQ(ItemText(assigner.Window(), IDC_KEY_COMMAND_NAME), "[MCDU] INIT Key");
            EXPECT_EQ(GetFocus(), assigner.Item(IDC_KEY_CAPTURE));
            EXPECT_EQ(SendMessageA(assigner.Item(IDC_KEY_CAPTURE), HKM_GETHOTKEY, 0, 0), 0) << "starts empty";
            Type(assigner.Window(), {VK_SHIFT, VK_CONTROL, VK_NUMPAD5});
            Press(assigner, IDOK);
            EXPECT_EQ(assigner.Window(), nullptr);
            EXPECT_EQ(assigner.Result(), IDOK);
        });
        EXPECT_EQ(Field(keys), "SHIFT + CTRL + 5 (NUMPAD)");
        Press(keys, IDOK);
        EXPECT_EQ(keys.Window(), nullptr);
        EXPECT_EQ(keys.Result(), IDOK);
    });
    ASSERT_EQ(ui.modalRuns, (std::vector<int>{IDD_KEY_CONFIG, IDD_KEY_ASSIGNER}));
    EXPECT_NE(ui.modalOwners[1], launcher) << "the key dialog owns the assigner";
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(Entry("Command.03-Modifier"), "3");
    EXPECT_EQ(Entry("Command.03-Key"), "76");
    EXPECT_EQ(Entry("Command.00-Key"), "20");
    EXPECT_EQ(Entry("Command.90-Modifier"), "0");
    std::string file = folder.Take("Prefs.cfg");
    std::size_t entries = 0;
    for (std::size_t at = file.find("Command."); at != std::string::npos; at = file.find("Command.", at + 1)) ++entries;
    EXPECT_EQ(entries, 182u);
}

TEST_F(KeyAssignmentsTest, CancelWritesNothingButTheCaptureStaysForTheRun) {
    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, kInitKey);
        ChangeAssignment(keys, [](ModalDialog& assigner) {
            Type(assigner.Window(), {VK_CONTROL, VK_F7});
            Press(assigner, IDOK);
        });
        EXPECT_EQ(Field(keys), "CTRL + F7");
    });  // cancelled
    EXPECT_FALSE(folder.Has("Prefs.cfg"));

    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, kInitKey);
        EXPECT_EQ(Field(keys), "CTRL + F7") << "the file holds nothing for the slot yet";
    });
    folder.Put("Prefs.cfg", "[Keys]\r\nCommand.03-Modifier=2\r\nCommand.03-Key=23\r\n");
    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, kInitKey);
        EXPECT_EQ(Field(keys), "CTRL + I") << "the file's value wins";
    });
}

TEST_F(KeyAssignmentsTest, AltIsRefusedAndTheCaptureGoesOn) {
    for (std::initializer_list<WPARAM> withAlt : {std::initializer_list<WPARAM>{VK_MENU, VK_F5},
                                                  std::initializer_list<WPARAM>{VK_SHIFT, VK_MENU, VK_F5}}) {
        KeyCommandTable = DefaultKeyCommands();
        ui.messages.clear();
        OpenKeyDialog([&](ModalDialog& keys) {
            Choose(keys, kInitKey);
            ChangeAssignment(keys, [&](ModalDialog& assigner) {
                Type(assigner.Window(), withAlt);
                Press(assigner, IDOK);
                ASSERT_EQ(ui.messages.size(), 1u);
                EXPECT_EQ(ui.messages[0].text, "ALT modifier is not authorized, please use another.");
                EXPECT_EQ(ui.messages[0].caption, "Error");
                EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
                EXPECT_EQ(ui.messages[0].owner, assigner.Window());
                ASSERT_NE(assigner.Window(), nullptr) << "still open";
                EXPECT_EQ(GetFocus(), assigner.Item(IDC_KEY_CAPTURE));
                EXPECT_EQ(KeyCommandTable[3].key, 23);

                Type(assigner.Window(), {VK_SHIFT, VK_F6});
                Press(assigner, IDOK);
                EXPECT_EQ(assigner.Window(), nullptr);
            });
            EXPECT_EQ(Field(keys), "SHIFT + F6");
        });
    }
}

TEST_F(KeyAssignmentsTest, OKWithoutAKeyClearsTheAssignment) {
    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, kInitKey);
        ChangeAssignment(keys, [](ModalDialog& assigner) { Press(assigner, IDOK); });
        EXPECT_EQ(Field(keys), "No key defined");
    });
    EXPECT_EQ(KeyCommandTable[3].modifier, 0);
    EXPECT_EQ(KeyCommandTable[3].key, 0);
}

TEST_F(KeyAssignmentsTest, CancelInTheAssignerLeavesTheSlotAndRefreshesTheField) {
    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, kInitKey);
        SetItemText(keys.Window(), IDC_KEY_ASSIGNMENT, "");
        ChangeAssignment(keys, [](ModalDialog& assigner) {
            Type(assigner.Window(), {VK_SHIFT, 'A'});
            Press(assigner, IDCANCEL);
        });
        EXPECT_EQ(Field(keys), "CTRL + I");
        ChangeAssignment(keys, [](ModalDialog& assigner) {
            Type(assigner.Window(), {VK_SHIFT, 'A'});
            CloseBox(assigner);
        });
        EXPECT_EQ(Field(keys), "CTRL + I");
    });
    EXPECT_EQ(KeyCommandTable[3].modifier, 2);
    EXPECT_EQ(KeyCommandTable[3].key, 23);
}

TEST_F(KeyAssignmentsTest, AFailedSaveIsToldAndTheDialogStaysOpenToRetry) {
    const std::string before = "[Common]\r\nUnitSystem=1\r\n";
    folder.Put("Prefs.cfg", before);
    ASSERT_TRUE(SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_READONLY));
    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, kInitKey);
        ChangeAssignment(keys, [](ModalDialog& assigner) {
            Type(assigner.Window(), {VK_F6});
            Press(assigner, IDOK);
        });
        Press(keys, IDOK);
        ASSERT_EQ(ui.messages.size(), 1u);
        const std::string reason = DescribeFileFailure(FileAccess::Write, PrefsPath, FileStatus::ReadOnly);
        EXPECT_EQ(ui.messages[0].text.substr(0, reason.size()), reason);
        EXPECT_GT(ui.messages[0].text.size(), reason.size()) << "and what to do";
        EXPECT_EQ(ui.messages[0].caption, "ERROR");
        EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
        EXPECT_EQ(ui.messages[0].owner, keys.Window());
        ASSERT_NE(keys.Window(), nullptr) << "still open";
        EXPECT_EQ(Field(keys), "F6");
        EXPECT_EQ(folder.Take("Prefs.cfg"), before);

        SetFileAttributesA(PrefsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        Press(keys, IDOK);
        EXPECT_EQ(keys.Window(), nullptr);
        EXPECT_EQ(keys.Result(), IDOK);
    });
    EXPECT_EQ(Entry("Command.03-Key"), "64");
    EXPECT_EQ(Profile(PrefsPath).ReadInt("Common", "UnitSystem", -1), 1);
}

TEST_F(KeyAssignmentsTest, AFileThatCannotBeReadIsToldAndNothingOpens) {
    folder.Put("Prefs.cfg", "[Keys]\r\nCommand.03-Modifier=1\r\nCommand.03-Key=31\r\n");
    HANDLE held = CreateFileA(PrefsPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    OnKeyAssignments(launcher);
    CloseHandle(held);

    EXPECT_TRUE(ui.modalRuns.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string reason = DescribeFileFailure(FileAccess::Read, PrefsPath, FileStatus::Locked);
    EXPECT_EQ(ui.messages[0].text.substr(0, reason.size()), reason);
    EXPECT_GT(ui.messages[0].text.size(), reason.size()) << "and what to do";
    EXPECT_EQ(ui.messages[0].caption, "ERROR");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(ui.messages[0].owner, launcher);
}

// Run by its own test entry under a French locale, from which Wine takes the keyboard
// layout; skipped otherwise.
TEST_F(KeyAssignmentsTest, FrenchLayoutNamesAndCapture) {
    const char* language = std::getenv("LANG");
    if (!language || std::string(language).rfind("fr", 0) != 0) GTEST_SKIP() << "needs LANG=fr_FR.UTF-8";
    ASSERT_EQ(ActiveKeyboardLanguage(), 0x040C);
    OpenKeyDialog([&](ModalDialog& keys) {
        Choose(keys, 23);  // "[FCU] Decrease Speed/Mach", slot 22
        EXPECT_EQ(Field(keys), "CTRL + 1 (PAVE NUM.)");
        ChangeAssignment(keys, [](ModalDialog& assigner) {
            Type(assigner.Window(), {VK_CONTROL, 'A'});
            Press(assigner, IDOK);
        });
        EXPECT_EQ(KeyCommandTable[22].key, 16) << "A is where Q is on a US keyboard";
        EXPECT_EQ(Field(keys), "CTRL + A");
        ChangeAssignment(keys, [](ModalDialog& assigner) {
            Type(assigner.Window(), {VK_SCROLL});
            Press(assigner, IDOK);
        });
        wchar_t shown[40] = {};
        GetWindowTextW(keys.Item(IDC_KEY_ASSIGNMENT), shown, 40);
        EXPECT_EQ(std::wstring(shown), L"Arr\u00EAt D\u00E9fil");
    });
}

}  // namespace
