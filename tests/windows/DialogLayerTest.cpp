#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "app/ConfiguratorApp.h"
#include "ui/ColorEdit.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

namespace {

constexpr int kTestTemplate = 900;

// A test dialog with two coloured fields, whose OK runs `onOK` instead of closing.
struct Probe : ModalDialog {
    std::function<void()> onOK;
    CColorEdit edit, text;
    Probe() : ModalDialog(kTestTemplate) { Bind(901, edit), Bind(902, text); }
    void OnOK() override { if (onOK) onOK(); }
};

// The steps of the real run below, one a timer tick: the key button, then Cancel in the key
// dialog while it is open, then Cancel in the launcher.
int stage = 0;
bool launcherDisabledUnderDialog = false, dialogOwnedByLauncher = false;

void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD) {
    if (stage++ == 0) {
        PostMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(IDC_KEY_ASSIGNMENTS, BN_CLICKED), 0);
    } else if (HWND keys = FindWindowA(nullptr, "Key Assignments")) {
        launcherDisabledUnderDialog = !IsWindowEnabled(MainWindow());
        dialogOwnedByLauncher = GetWindow(keys, GW_OWNER) == MainWindow() && DefaultOwner() == keys;
        PostMessageA(keys, WM_COMMAND, IDCANCEL, 0);
    } else {
        PostMessageA(MainWindow(), WM_COMMAND, IDCANCEL, 0);
    }
}

// The real modal loops, without the fake: the application runs the launcher as main window;
// a dialog it opens is owned by it and disables it; closing the launcher ends the run.
TEST(DialogLayerTest, TheApplicationNestsRealModalRunsUntilTheLauncherCloses) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, NextStep);
    EXPECT_EQ(CConfiguratorApp().Run(), 0);
    KillTimer(nullptr, timer);
    EXPECT_GE(stage, 3);
    EXPECT_TRUE(launcherDisabledUnderDialog);
    EXPECT_TRUE(dialogOwnedByLauncher);
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST(DialogLayerTest, AnUnexpectedErrorIsExplainedAndTheDialogStaysUsable) {
    FakeUserInterface ui;
    Probe dialog;
    dialog.onOK = [] { throw std::out_of_range("vector::_M_range_check"); };
    ASSERT_NE(dialog.CreateForTest(nullptr), nullptr);
    SendMessageA(dialog.Window(), WM_COMMAND, IDOK, 0);
    const std::string shown = ui.TakeMessage("Error", MB_OK | MB_ICONSTOP, dialog.Window());
    EXPECT_EQ(shown.rfind("Something unexpected went wrong in this window", 0), 0u);
    EXPECT_NE(shown.find("\n\nDetail: vector::_M_range_check"), std::string::npos);
    ASSERT_NE(dialog.Window(), nullptr) << "the dialog stays open";
    SendMessageA(dialog.Window(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(dialog.Window(), nullptr) << "still answers after the error";
}

// The colours the dialog gives `control`: its brush's, the text's and the background's.
std::vector<COLORREF> Ask(const ModalDialog& dialog, HWND control) {
    HDC context = GetDC(control);
    SetTextColor(context, RGB(1, 2, 3));
    SetBkColor(context, RGB(4, 5, 6));
    const LRESULT answer = SendMessageA(dialog.Window(), WM_CTLCOLORSTATIC, WPARAM(context), LPARAM(control));
    LOGBRUSH brush{};
    GetObjectA(reinterpret_cast<HBRUSH>(answer), sizeof brush, &brush);
    std::vector<COLORREF> colours{brush.lbColor, GetTextColor(context), GetBkColor(context)};
    ReleaseDC(control, context);
    return colours;
}

// A new background replaces the brush; the text stays black unless set. A full bar's middle
// has the bar colour on screen.
TEST(DialogLayerTest, ColouredFieldsAndProgressBarsShowTheirColours) {
    Probe dialog;
    ASSERT_NE(dialog.CreateForTest(nullptr), nullptr);
    dialog.edit.SetBackgroundColor(RGB(0, 0, 150));
    dialog.edit.SetTextColor(RGB(255, 255, 255));
    dialog.text.SetBackgroundColor(RGB(255, 200, 130));
    dialog.text.SetBackgroundColor(RGB(128, 255, 128));
    EXPECT_EQ(Ask(dialog, dialog.edit.Handle()), (std::vector<COLORREF>{RGB(0, 0, 150), RGB(255, 255, 255), RGB(0, 0, 150)}));
    EXPECT_EQ(Ask(dialog, dialog.text.Handle()), (std::vector<COLORREF>{RGB(128, 255, 128), 0, RGB(128, 255, 128)}));
    ProgressBar progress;
    progress.Attach(CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10, dialog.Window(),
                                    nullptr, nullptr, nullptr));
    progress.SetRange(0, 8);
    progress.SetPosition(8);
    progress.SetBarColor(RGB(255, 200, 130));
    progress.SetBackgroundColor(RGB(255, 255, 255));
    SetWindowPos(dialog.Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(progress.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC screen = GetDC(progress.Handle());
    EXPECT_EQ(GetPixel(screen, 25, 5), RGB(255, 200, 130));
    ReleaseDC(progress.Handle(), screen);
}

}  // namespace
