#include "FakeUserInterface.h"

#include <gtest/gtest.h>

#include "ui/ModalDialog.h"
#include "ui/PlainDialog.h"

int FakeUserInterface::ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    messages.push_back({owner, text, caption, style});
    return IDOK;
}

INT_PTR FakeUserInterface::RunModal(ModalDialog& dialog, HWND owner) {
    modalRuns.push_back(dialog.TemplateId());
    modalOwners.push_back(owner);
    if (dialogsFail) return -1;
    if (!dialog.CreateForTest(owner)) {
        ADD_FAILURE() << "template " << dialog.TemplateId() << " could not be created";
        return -1;
    }
    if (!steps_.empty() && steps_.front().first == dialog.TemplateId()) {
        Step step = std::move(steps_.front().second);
        steps_.pop_front();
        step(dialog);
    }
    PumpMessages();
    // Cancel as Escape gives it, also to a dialog without a Cancel button.
    if (dialog.Window()) SendMessageA(dialog.Window(), WM_COMMAND, IDCANCEL, 0);
    return dialog.Result();
}

INT_PTR FakeUserInterface::RunModalTemplate(int templateId, DLGPROC procedure, HWND owner, LPARAM initialValue) {
    modalRuns.push_back(templateId);
    modalOwners.push_back(owner);
    if (dialogsFail) return -1;
    PlainDialog dialog(templateId, procedure, initialValue);
    HWND window = dialog.CreateForTest(owner);
    EXPECT_NE(window, nullptr) << "template " << templateId;
    if (!window) return -1;
    if (!plainSteps_.empty() && plainSteps_.front().first == templateId) {
        PlainStep step = std::move(plainSteps_.front().second);
        plainSteps_.pop_front();
        step(window);
    }
    PumpMessages();
    if (dialog.Window()) SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(dialog.Ended()) << "template " << templateId << " did not end on Cancel";
    return dialog.Result();
}

void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Press(const ModalDialog& dialog, int id) { Press(dialog.Window(), id); }

void CloseBox(HWND dialog) {
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
}

void CloseBox(const ModalDialog& dialog) { CloseBox(dialog.Window()); }

void PressKey(HWND dialog, WPARAM virtualKey) {
    MSG key{GetFocus(), WM_KEYDOWN, virtualKey, 0, 0, {0, 0}};
    if (!key.hwnd || !IsChild(dialog, key.hwnd)) key.hwnd = dialog;
    if (!IsDialogMessageA(dialog, &key)) {
        TranslateMessage(&key);
        DispatchMessageA(&key);
    }
    PumpMessages();
}

void PressEscape(const ModalDialog& dialog) { PressKey(dialog.Window(), VK_ESCAPE); }

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
