#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class ModalDialog;

// What the system's Open dialog offers: the kinds of file by name and patterns
// ("Flight plans (*.xml;*.pln)", "*.xml;*.pln"), the first one chosen, and the folder it
// starts in (empty: the system's choice).
struct FileKind {
    std::wstring name;
    std::wstring patterns;
};
struct OpenFileRequest {
    std::vector<FileKind> kinds;
    std::wstring initialFolder;
};

// Message boxes and nested modal runs go through this seam, so that tests can watch them
// without blocking. The program uses the real ones.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    virtual int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) = 0;
    virtual int ShowUnicodeMessage(HWND owner, const std::u16string& text, const std::string& caption, UINT style) = 0;
    virtual INT_PTR RunModal(ModalDialog& dialog, HWND owner) = 0;
    // The file the user chose to open, in full; nothing when the dialog was cancelled.
    virtual std::optional<std::wstring> ChooseFileToOpen(HWND owner, const OpenFileRequest& request) = 0;
};

// The seam in force; `replacement` null restores the real one.
UserInterface& CurrentUserInterface();
void UseUserInterface(UserInterface* replacement);

// The launcher, the main window.
HWND MainWindow();
void SetMainWindow(HWND window);

// The owner of a dialog or message box shown without one: the innermost dialog that is
// running, so that it is disabled under the new window; the main window when none is.
HWND DefaultOwner();

// Kept by the dialog procedures: a dialog is innermost from its initialisation until it
// is destroyed, or until a dialog nested in it starts.
void EnterDialog(HWND dialog);
void LeaveDialog(HWND dialog);

// A message box with an OK button only, owned by `owner` or else by the default owner.
int ShowMessage(const std::string& text, const std::string& caption, UINT icon, HWND owner = nullptr);

// The same, for a text that the ANSI code page may not hold (a name the system gave in UTF-16).
int ShowUnicodeMessage(const std::u16string& text, const std::string& caption, UINT icon, HWND owner = nullptr);

// The system's Open dialog, owned as ShowMessage's box is.
std::optional<std::wstring> ChooseFileToOpen(const OpenFileRequest& request, HWND owner = nullptr);

// A question with Yes and No buttons, owned as ShowMessage's box is; true for Yes.
bool AskYesNo(const std::string& text, const std::string& caption, UINT icon, HWND owner = nullptr);
