#include <gtest/gtest.h>

#include <vector>

#include "ui/ColorEdit.h"
#include "ui/ModalDialog.h"

namespace {

class ColorFields : public ModalDialog {
public:
    ColorFields() : ModalDialog(900) {
        Bind(901, edit);
        Bind(902, text);
    }
    CColorEdit edit, text;
};

// The colours the dialog gives `control`: its brush's, the text's and the background's.
std::vector<COLORREF> Ask(const ModalDialog& dialog, UINT message, HWND control) {
    HDC context = GetDC(control);
    SetTextColor(context, RGB(1, 2, 3));
    SetBkColor(context, RGB(4, 5, 6));
    LOGBRUSH brush{};
    GetObjectA(reinterpret_cast<HBRUSH>(SendMessageA(dialog.Window(), message, reinterpret_cast<WPARAM>(context),
                                                     reinterpret_cast<LPARAM>(control))),
               sizeof brush, &brush);
    std::vector<COLORREF> colours{brush.lbColor, GetTextColor(context), GetBkColor(context)};
    ReleaseDC(control, context);
    return colours;
}

TEST(ColorEditTest, TheParentPassesColourRequestsToTheField) {
    ColorFields dialog;
    ASSERT_NE(dialog.CreateForTest(nullptr), nullptr);
    // Without a background the field keeps the system's colours, as a plain field does.
    EXPECT_EQ(Ask(dialog, WM_CTLCOLOREDIT, dialog.edit.Handle()),
              Ask(dialog, WM_CTLCOLOREDIT, GetDlgItem(dialog.Window(), 903)));

    dialog.edit.SetBackgroundColor(RGB(0, 0, 150));
    dialog.edit.SetTextColor(RGB(255, 255, 255));
    EXPECT_EQ(Ask(dialog, WM_CTLCOLORSTATIC, dialog.edit.Handle()),
              (std::vector<COLORREF>{RGB(0, 0, 150), RGB(255, 255, 255), RGB(0, 0, 150)}));

    // A new background replaces the brush; the text stays black unless set.
    dialog.text.SetBackgroundColor(RGB(255, 200, 130));
    dialog.text.SetBackgroundColor(RGB(128, 255, 128));
    EXPECT_EQ(Ask(dialog, WM_CTLCOLORSTATIC, dialog.text.Handle()),
              (std::vector<COLORREF>{RGB(128, 255, 128), RGB(0, 0, 0), RGB(128, 255, 128)}));
}

}  // namespace
