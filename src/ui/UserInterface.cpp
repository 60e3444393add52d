#include "ui/UserInterface.h"

#include <commdlg.h>

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
    std::optional<std::wstring> ChooseFileToOpen(HWND owner, const OpenFileRequest& request) override {
        std::wstring filter;  // name and patterns of each kind, each ended by a NUL, then one more
        for (const FileKind& kind : request.kinds) filter += kind.name + L'\0' + kind.patterns + L'\0';
        filter += L'\0';
        std::wstring file(32768, L'\0');  // the longest path the system takes
        OPENFILENAMEW dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = &file[0];
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameW(&dialog)) return std::nullopt;
        file.resize(file.find(L'\0'));
        return file;
    }
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

std::optional<std::wstring> ChooseFileToOpen(const OpenFileRequest& request, HWND owner) {
    return CurrentUserInterface().ChooseFileToOpen(owner ? owner : DefaultOwner(), request);
}

bool AskYesNo(const std::string& text, const std::string& caption, UINT icon, HWND owner) {
    return CurrentUserInterface().ShowMessage(owner ? owner : DefaultOwner(), text, caption, MB_YESNO | icon) == IDYES;
}
