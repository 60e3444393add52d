#include "ui/ModalDialog.h"

#include <exception>
#include <string>

#include "ui/Pictures.h"
#include "ui/UserInterface.h"

namespace {

// Not in the headers of the oldest Windows the build targets.
constexpr UINT kDpiChanged = 0x02E0;
// Posted on a change of scale with the new dots per inch, so that the pictures and what a
// dialog scales itself follow once the dialog manager has laid the dialog out again and
// given every control the dialog's font at the new scale.
constexpr UINT kScaleChanged = WM_APP + 1;
// Posted at initialisation, so that what a dialog tells on opening comes over the dialog.
constexpr UINT kShown = WM_APP + 2;

// The user can act on the first sentence; the detail helps whoever reads a report of it.
void ShowUnexpectedError(HWND window, const char* detail) {
    std::string text =
        "Something unexpected went wrong in this window, so your last action may not have been "
        "completed. The window stays open: check what it shows and try again, or close it with Cancel.";
    if (detail && *detail) text += std::string("\n\nDetail: ") + detail;
    ShowMessage(text, "Error", MB_ICONSTOP, window);
}

}  // namespace

ModalDialog::ModalDialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

ModalDialog::~ModalDialog() {
    if (modeless_ && window_) {
        // The members that handled its messages are gone by now: it closes unattended.
        SetWindowLongPtrA(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

INT_PTR ModalDialog::DoModal() {
    return CurrentUserInterface().RunModal(*this, parent_ ? parent_ : DefaultOwner());
}

INT_PTR ModalDialog::RunModalLoop(HWND owner) {
    modeless_ = false;
    result_ = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, DialogProcedure,
                              reinterpret_cast<LPARAM>(this));
    return result_;
}

HWND ModalDialog::CreateForTest(HWND owner) {
    modeless_ = true;
    result_ = 0;
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                                     DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window) ShowWindow(window, SW_SHOW);
    return window;
}

void ModalDialog::EndDialog(INT_PTR result) {
    result_ = result;
    if (!window_) return;
    if (modeless_) {
        DestroyWindow(window_);
    } else {
        ::EndDialog(window_, result);
    }
}

bool ModalDialog::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void ModalDialog::ShowPicture(int controlId, int pictureId) {
    pictures_.emplace_back(controlId, pictureId);
    ::ShowPicture(Item(controlId), pictureId);
}

bool ModalDialog::OnNotify(const NMHDR&, LRESULT&) { return false; }

void ModalDialog::OnHScroll(int, HWND) {}

bool ModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK ModalDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Also when the dialog object has already let go of its window (see the destructor).
    if (message == WM_NCDESTROY) LeaveDialog(window);
    ModalDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<ModalDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->window_ = window;
        EnterDialog(window);
    } else {
        dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!dialog) return FALSE;
    if (message == WM_NCDESTROY) {
        dialog->window_ = nullptr;
        SetWindowLongPtrA(window, DWLP_USER, 0);
        return FALSE;
    }
    try {
        return dialog->Handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowUnexpectedError(window, error.what());
    } catch (...) {
        ShowUnexpectedError(window, nullptr);
    }
    return FALSE;
}

INT_PTR ModalDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            pictures_.clear();
            for (auto& [id, control] : bindings_) control->Attach(GetDlgItem(window_, id));
            PostMessageA(window_, kShown, 0, 0);
            return OnInitDialog() ? TRUE : FALSE;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            HDC context = reinterpret_cast<HDC>(wParam);
            HWND control = reinterpret_cast<HWND>(lParam);
            for (auto& [id, bound] : bindings_) {
                if (bound->Handle() == control) {
                    if (HBRUSH brush = bound->ReflectColor(context)) return reinterpret_cast<INT_PTR>(brush);
                }
            }
            return reinterpret_cast<INT_PTR>(OnControlColor(context, control));
        }
        case kDpiChanged:
            PostMessageA(window_, kScaleChanged, HIWORD(wParam), 0);
            return FALSE;  // the dialog manager scales the dialog
        case kShown:
            OnShown();
            return TRUE;
        case kScaleChanged:
            for (auto [control, picture] : pictures_) ::ShowPicture(Item(control), picture);
            OnScaleChanged(static_cast<int>(wParam));
            return TRUE;
        default: {
            INT_PTR result = FALSE;
            return OnMessage(message, wParam, lParam, result) ? result : FALSE;
        }
    }
}
