#include "ui/PlainDialog.h"

#include "ui/UserInterface.h"

namespace {

const char* const kRunProperty = "SkylinerPlainDialog";

}  // namespace

PlainDialog::PlainDialog(int templateId, DLGPROC procedure, LPARAM initialValue)
    : templateId_(templateId), procedure_(procedure), initialValue_(initialValue) {}

PlainDialog::~PlainDialog() {
    if (modeless_ && window_) DestroyWindow(window_);
}

INT_PTR PlainDialog::RunModalLoop(HWND owner) {
    modeless_ = false;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

HWND PlainDialog::CreateForTest(HWND owner) {
    modeless_ = true;
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, Procedure,
                                     reinterpret_cast<LPARAM>(this));
    if (window) ShowWindow(window, SW_SHOW);
    return window;
}

void EndPlainDialog(HWND dialog, INT_PTR result) {
    auto* run = static_cast<PlainDialog*>(GetPropA(dialog, kRunProperty));
    if (!run) {
        EndDialog(dialog, result);
        return;
    }
    run->ended_ = true;
    run->result_ = result;
    if (run->modeless_) {
        DestroyWindow(dialog);
    } else {
        EndDialog(dialog, result);
    }
}

INT_PTR CALLBACK PlainDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) LeaveDialog(window);
    PlainDialog* run = nullptr;
    if (message == WM_INITDIALOG) {
        run = reinterpret_cast<PlainDialog*>(lParam);
        SetPropA(window, kRunProperty, run);
        run->window_ = window;
        EnterDialog(window);
        lParam = run->initialValue_;
    } else {
        run = static_cast<PlainDialog*>(GetPropA(window, kRunProperty));
    }
    if (!run) return FALSE;
    INT_PTR answer = run->procedure_(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kRunProperty);
        run->window_ = nullptr;
    }
    return answer;
}
