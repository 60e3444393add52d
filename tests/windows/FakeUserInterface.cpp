#include "FakeUserInterface.h"

#include <gtest/gtest.h>

#include "ui/ModalDialog.h"

#include <tuple>

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

std::string FakeUserInterface::TakeMessage(const std::string& caption, UINT style, HWND owner) {
    std::vector<ShownMessage> shown;
    shown.swap(messages);
    EXPECT_EQ(shown.size(), 1u);
    if (shown.size() != 1) return "";
    EXPECT_EQ(std::tie(shown[0].caption, shown[0].style, shown[0].owner), std::tie(caption, style, owner)) << shown[0].text;
    return shown[0].text;
}

void Press(const ModalDialog& dialog, int id) { Press(dialog.Window(), id); }

void PressKeys(HWND dialog, const std::vector<WPARAM>& keys) {
    bool alt = false;
    auto deliver = [&](UINT message, WPARAM key, LPARAM state) {
        LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
        MSG event{GetFocus(), message, key, 1 | scanCode | state | (alt ? 1 << 29 : 0), 0, {0, 0}};
        if (!event.hwnd || !IsChild(dialog, event.hwnd)) event.hwnd = dialog;
        if (!IsDialogMessageA(dialog, &event)) TranslateMessage(&event), DispatchMessageA(&event);
        PumpMessages();
    };
    for (WPARAM key : keys) {
        alt = alt || key == VK_MENU;
        deliver(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 0);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) deliver(alt ? WM_SYSKEYUP : WM_KEYUP, *key, 3 << 30);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
