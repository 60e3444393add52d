#include "FakeUserInterface.h"

#include <gtest/gtest.h>

#include "ui/ModalDialog.h"

int FakeUserInterface::ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    messages.push_back({owner, text, caption, style});
    return IDOK;
}

INT_PTR FakeUserInterface::RunModal(ModalDialog& dialog, HWND owner) {
    modalRuns.push_back(dialog.TemplateId());
    modalOwners.push_back(owner);
    if (dialogsFail) return -1;
    EXPECT_NE(dialog.CreateForTest(owner), nullptr) << "template " << dialog.TemplateId();
    if (!steps_.empty() && steps_.front().first == dialog.TemplateId()) {
        Step step = std::move(steps_.front().second);
        steps_.pop_front();
        step(dialog);
    }
    PumpMessages();
    if (dialog.Window()) Press(dialog, IDCANCEL);
    return dialog.Result();
}

INT_PTR FakeUserInterface::RunModalTemplate(int templateId, DLGPROC, HWND, LPARAM) {
    modalRuns.push_back(templateId);
    return templateResult;
}

void Press(const ModalDialog& dialog, int id) { SendMessageA(dialog.Item(id), BM_CLICK, 0, 0); }

void CloseBox(const ModalDialog& dialog) {
    SendMessageA(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
}

void PressEscape(const ModalDialog& dialog) {
    MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    if (!escape.hwnd || !IsChild(dialog.Window(), escape.hwnd)) escape.hwnd = dialog.Window();
    IsDialogMessageA(dialog.Window(), &escape);
    PumpMessages();
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
