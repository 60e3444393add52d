#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/DialogControl.h"

// A dialog over a resource template, run modally by its owner. Members stand for
// controls by id (Bind) and are attached when the dialog initialises; subclasses override
// only the hooks they need. No exception leaves the dialog procedure.
class ModalDialog {
public:
    explicit ModalDialog(int templateId, HWND parent = nullptr);
    virtual ~ModalDialog();
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Runs the dialog through the user-interface seam, owned by the parent or else by the
    // innermost running dialog; returns how it ended (IDOK, IDCANCEL, ...).
    INT_PTR DoModal();

    int TemplateId() const { return templateId_; }
    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    // The real modal loop, used by the seam.
    INT_PTR RunModalLoop(HWND owner);

    // For tests: the dialog as a visible modeless window; EndDialog then destroys it and
    // keeps the result for Result().
    HWND CreateForTest(HWND owner);
    INT_PTR Result() const { return result_; }

    void EndDialog(INT_PTR result);

protected:
    void Bind(int id, DialogControl& control) { bindings_.emplace_back(id, &control); }
    // Fills the control with the picture, and again whenever the dialog's scale changes
    // (it moved to a screen of another scale).
    void ShowPicture(int controlId, int pictureId);

    // Return true to let the dialog manager set the initial focus.
    virtual bool OnInitDialog() { return true; }
    // Return true when the command was handled.
    virtual bool OnCommand(int id, int code, HWND control);
    // Return true when handled; `result` is what the dialog procedure answers.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual void OnHScroll(int request, HWND scrollBar);
    // Colour notifications of controls that do not colour themselves.
    virtual HBRUSH OnControlColor(HDC, HWND) { return nullptr; }
    // Any other message; return true when handled, with `result` the procedure's answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // The dialog moved to a screen of another scale (`dpi`, 96 at 100 %) and has been laid
    // out again; what it sized or made for the old scale is made again here.
    virtual void OnScaleChanged(int) {}
    // The dialog has opened: a message about what it opened on shows over it.
    virtual void OnShown() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND parent_;
    HWND window_ = nullptr;
    bool modeless_ = false;
    INT_PTR result_ = 0;
    std::vector<std::pair<int, DialogControl*>> bindings_;
    std::vector<std::pair<int, int>> pictures_;  // control, picture
};
