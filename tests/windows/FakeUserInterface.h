#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/UserInterface.h"

struct ShownMessage {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};

// Stands in for message boxes and modal runs while installed: messages are recorded, and
// each modal run is played by the next scripted step for its template (by default the
// dialog opens and is cancelled at once).
class FakeUserInterface : public UserInterface {
public:
    using Step = std::function<void(ModalDialog&)>;

    FakeUserInterface() { UseUserInterface(this); }
    ~FakeUserInterface() override { UseUserInterface(nullptr); }

    void Script(int templateId, Step step) { steps_.push_back({templateId, std::move(step)}); }

    std::vector<ShownMessage> messages;
    std::vector<int> modalRuns;  // template ids, in order
    INT_PTR templateResult = IDCANCEL;
    bool dialogsFail = false;  // every modal run fails as when its template cannot be loaded
    std::vector<HWND> modalOwners;

    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) override;
    INT_PTR RunModal(ModalDialog& dialog, HWND owner) override;
    INT_PTR RunModalTemplate(int templateId, DLGPROC procedure, HWND owner, LPARAM initialValue) override;

private:
    std::deque<std::pair<int, Step>> steps_;
};

// Presses a button of a dialog as a user would (the button must be enabled and visible).
void Press(const ModalDialog& dialog, int id);

// Closes a dialog with its close box, as the window manager asks it to.
void CloseBox(const ModalDialog& dialog);

// Presses Escape in a dialog, as its modal loop would deliver it.
void PressEscape(const ModalDialog& dialog);

// Delivers the messages that are waiting, as a modal loop would.
void PumpMessages();
