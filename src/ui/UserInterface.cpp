#include "ui/UserInterface.h"

#include <algorithm>
#include <vector>

#include "platform/SystemCodePage.h"
#include "ui/ModalDialog.h"

namespace {

class RealUserInterface final : public UserInterface {
public:
    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) override {
        return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
    }
    int ShowUnicodeMessage(HWND owner, const std::u16string& text, const std::string& caption, UINT style) override {
        return MessageBoxW(owner, std::wstring(text.begin(), text.end()).c_str(), Widen(caption).c_str(), style);
    }
    INT_PTR RunModal(ModalDialog& dialog, HWND owner) override { return dialog.RunModalLoop(owner); }
};

RealUserInterface realUserInterface;
UserInterface* current = &realUserInterface;
HWND mainWindow = nullptr;
std::vector<HWND> runningDialogs;  // innermost last

}  // namespace

UserInterface& CurrentUserInterface() { return *current; }

void UseUserInterface(UserInterface* replacement) { current = replacement ? replacement : &realUserInterface; }

HWND MainWindow() { return mainWindow; }

void SetMainWindow(HWND window) { mainWindow = window; }

HWND DefaultOwner() { return runningDialogs.empty() ? MainWindow() : runningDialogs.back(); }

void EnterDialog(HWND dialog) {
    LeaveDialog(dialog);
    runningDialogs.push_back(dialog);
}

void LeaveDialog(HWND dialog) {
    runningDialogs.erase(std::remove(runningDialogs.begin(), runningDialogs.end(), dialog), runningDialogs.end());
}

int ShowMessage(const std::string& text, const std::string& caption, UINT icon, HWND owner) {
    return CurrentUserInterface().ShowMessage(owner ? owner : DefaultOwner(), text, caption, MB_OK | icon);
}

int ShowUnicodeMessage(const std::u16string& text, const std::string& caption, UINT icon, HWND owner) {
    return CurrentUserInterface().ShowUnicodeMessage(owner ? owner : DefaultOwner(), text, caption, MB_OK | icon);
}

bool AskYesNo(const std::string& text, const std::string& caption, UINT icon, HWND owner) {
    return CurrentUserInterface().ShowMessage(owner ? owner : DefaultOwner(), text, caption, MB_YESNO | icon) == IDYES;
}
