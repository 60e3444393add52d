#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"
#include "ui/UserInterface.h"

struct ShownMessage { HWND owner; std::string text, caption; UINT style; };

// Delivers the messages that are waiting, as a modal loop would.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) TranslateMessage(&message), DispatchMessageA(&message);
}

// Stands in for message boxes and modal runs while installed: messages are recorded, and
// each modal run creates the dialog as a visible modeless window, plays the next scripted
// step for its template, then cancels the dialog as Escape does if it is still open.
class FakeUserInterface : public UserInterface {
public:
    using Step = std::function<void(ModalDialog&)>;

    FakeUserInterface() { UseUserInterface(this); }
    ~FakeUserInterface() override { UseUserInterface(nullptr); }

    void Script(int templateId, Step step) { steps_.push_back({templateId, std::move(step)}); }

    std::vector<ShownMessage> messages;
    std::vector<int> modalRuns;  // template ids, in order
    std::vector<HWND> modalOwners;
    bool dialogsFail = false;  // every modal run fails as when its template cannot be loaded
    std::deque<int> answers;   // the buttons pressed in the next message boxes; OK when none is left

    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) override {
        messages.push_back({owner, text, caption, style});
        if (answers.empty()) return IDOK;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::u16string> unicodeTexts;  // of the messages in UTF-16, which `messages` holds without text
    int ShowUnicodeMessage(HWND owner, const std::u16string& text, const std::string& caption, UINT style) override {
        unicodeTexts.push_back(text);
        return ShowMessage(owner, "", caption, style);
    }
    // A dialog without a Cancel button is cancelled all the same.
    INT_PTR RunModal(ModalDialog& dialog, HWND owner) override {
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
        if (dialog.Window()) SendMessageA(dialog.Window(), WM_COMMAND, IDCANCEL, 0);
        return dialog.Result();
    }
    std::vector<OpenFileRequest> openRequests;
    std::deque<std::wstring> chosenFiles;  // the files chosen in the next Open dialogs; cancelled when none is left
    std::optional<std::wstring> ChooseFileToOpen(HWND, const OpenFileRequest& request) override {
        openRequests.push_back(request);
        if (chosenFiles.empty()) return std::nullopt;
        std::wstring file = chosenFiles.front();
        chosenFiles.pop_front();
        return file;
    }
    // The text of the one message shown since the messages were last taken, which must have
    // this caption, style and owner.
    std::string TakeMessage(const std::string& caption, UINT style, HWND owner) {
        std::vector<ShownMessage> shown;
        shown.swap(messages);
        EXPECT_EQ(shown.size(), 1u);
        if (shown.size() != 1) return "";
        EXPECT_EQ(std::tie(shown[0].caption, shown[0].style, shown[0].owner), std::tie(caption, style, owner)) << shown[0].text;
        return shown[0].text;
    }

private:
    std::deque<std::pair<int, Step>> steps_;
};

// Presses a button of a dialog as a user would (the button must be enabled and visible).
inline void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
inline void Press(const ModalDialog& dialog, int id) { Press(dialog.Window(), id); }

// The texts of a dialog's controls as a user reads them, each followed by a blank.
inline std::string ItemTexts(HWND dialog, std::initializer_list<int> ids) {
    std::string texts;
    for (int id : ids) texts += ItemText(dialog, id) + " ";
    return texts;
}

// Keys pressed, then released, in the dialog's focused control as its modal loop delivers them,
// with the scan codes a keyboard sends (a hot-key control reads them): Escape, SHIFT + A, ...
inline void PressKeys(HWND dialog, const std::vector<WPARAM>& keys) {
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
