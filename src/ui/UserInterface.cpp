#include "ui/UserInterface.h"

#include "ui/ModalDialog.h"

namespace {

class RealUserInterface final : public UserInterface {
public:
    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) override {
        return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
    }
    INT_PTR RunModal(ModalDialog& dialog, HWND owner) override { return dialog.RunModalLoop(owner); }
    INT_PTR RunModalTemplate(int templateId, DLGPROC procedure, HWND owner, LPARAM initialValue) override {
        return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, procedure,
                               initialValue);
    }
};

RealUserInterface realUserInterface;
UserInterface* current = &realUserInterface;
HWND mainWindow = nullptr;

}  // namespace

UserInterface& CurrentUserInterface() { return *current; }

void UseUserInterface(UserInterface* replacement) { current = replacement ? replacement : &realUserInterface; }

HWND MainWindow() { return mainWindow; }

void SetMainWindow(HWND window) { mainWindow = window; }

int ShowMessage(const std::string& text, const std::string& caption, UINT icon, HWND owner) {
    return CurrentUserInterface().ShowMessage(owner ? owner : MainWindow(), text, caption, MB_OK | icon);
}
