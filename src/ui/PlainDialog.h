#pragma once

#include <windows.h>

// One run of a dialog template whose messages go to a plain dialog procedure rather than
// to a ModalDialog. The run keeps the innermost-dialog rule for owners, and keeps the
// result so that a test can run the dialog as a modeless window and still read how it
// ended. The procedure ends its dialog with EndPlainDialog, not EndDialog.
class PlainDialog {
public:
    PlainDialog(int templateId, DLGPROC procedure, LPARAM initialValue);
    ~PlainDialog();
    PlainDialog(const PlainDialog&) = delete;
    PlainDialog& operator=(const PlainDialog&) = delete;

    // The real modal loop; how the dialog ended, or -1 when it could not be created.
    INT_PTR RunModalLoop(HWND owner);

    // For tests: a visible modeless window; EndPlainDialog then destroys it.
    HWND CreateForTest(HWND owner);

    HWND Window() const { return window_; }
    bool Ended() const { return ended_; }
    INT_PTR Result() const { return result_; }

private:
    friend void EndPlainDialog(HWND dialog, INT_PTR result);
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    DLGPROC procedure_;
    LPARAM initialValue_;
    HWND window_ = nullptr;
    bool modeless_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

// Ends the dialog that `dialog` is, with `result`, as EndDialog does for a modal run.
void EndPlainDialog(HWND dialog, INT_PTR result);
