#include "FakeUserInterface.h"

#include <gtest/gtest.h>

#include "ui/ModalDialog.h"

// A dialog without a Cancel button is cancelled all the same.
INT_PTR FakeUserInterface::RunModal(ModalDialog& dialog, HWND owner) {
    const int templateId = dialog.TemplateId();
    modalRuns.push_back(templateId);
    modalOwners.push_back(owner);
    if (dialogsFail) return -1;
    if (!dialog.CreateForTest(owner)) {
        ADD_FAILURE() << "template " << templateId << " could not be created";
        return -1;
    }
    if (!steps_.empty() && steps_.front().first == templateId) {
        Step step = std::move(steps_.front().second);
        steps_.pop_front();
        step(dialog);
    }
    PumpMessages();
    if (dialog.Window()) SendMessageA(dialog.Window(), WM_COMMAND, IDCANCEL, 0);
    return dialog.Result();
}

void Press(const ModalDialog& dialog, int id) { Press(dialog.Window(), id); }

void PressKey(HWND dialog, WPARAM virtualKey) {
    MSG key{GetFocus(), WM_KEYDOWN, virtualKey, 0, 0, {0, 0}};
    if (!key.hwnd || !IsChild(dialog, key.hwnd)) key.hwnd = dialog;
    if (!IsDialogMessageA(dialog, &key)) {
        TranslateMessage(&key);
        DispatchMessageA(&key);
    }
    PumpMessages();
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
