#include "FakeUserInterface.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "ui/ModalDialog.h"
#include "ui/PlainDialog.h"

namespace {

// One modal run as the class comment describes it; a dialog without a Cancel button is
// cancelled all the same.
template <typename Dialog, typename Steps>
INT_PTR Play(FakeUserInterface& ui, Dialog& dialog, int templateId, HWND owner, Steps& steps) {
    ui.modalRuns.push_back(templateId);
    ui.modalOwners.push_back(owner);
    if (ui.dialogsFail) return -1;
    if (!dialog.CreateForTest(owner)) {
        ADD_FAILURE() << "template " << templateId << " could not be created";
        return -1;
    }
    if (!steps.empty() && steps.front().first == templateId) {
        auto step = std::move(steps.front().second);
        steps.pop_front();
        if constexpr (std::is_same_v<Dialog, PlainDialog>) step(dialog.Window());
        else step(dialog);
    }
    PumpMessages();
    if (dialog.Window()) SendMessageA(dialog.Window(), WM_COMMAND, IDCANCEL, 0);
    return dialog.Result();
}

}  // namespace

INT_PTR FakeUserInterface::RunModal(ModalDialog& dialog, HWND owner) {
    return Play(*this, dialog, dialog.TemplateId(), owner, steps_);
}

INT_PTR FakeUserInterface::RunModalTemplate(int templateId, DLGPROC procedure, HWND owner, LPARAM initialValue) {
    PlainDialog dialog(templateId, procedure, initialValue);
    INT_PTR result = Play(*this, dialog, templateId, owner, plainSteps_);
    EXPECT_TRUE(dialogsFail || dialog.Ended()) << "template " << templateId << " did not end on Cancel";
    return result;
}

void Press(const ModalDialog& dialog, int id) { Press(dialog.Window(), id); }

void CloseBox(const ModalDialog& dialog) {
    SendMessageA(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
}

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
