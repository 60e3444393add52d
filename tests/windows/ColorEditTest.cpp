#include <gtest/gtest.h>

#include "ui/ColorEdit.h"
#include "ui/ModalDialog.h"

namespace {

class ColorFields : public ModalDialog {
public:
    ColorFields() : ModalDialog(900) {
        Bind(901, edit);
        Bind(902, text);
    }
    CColorEdit edit;
    CColorEdit text;
};

struct Colours {
    HBRUSH brush;
    COLORREF text;
    COLORREF background;
};

Colours Ask(HWND dialog, UINT message, HWND control) {
    HDC context = GetDC(control);
    SetTextColor(context, RGB(1, 2, 3));
    SetBkColor(context, RGB(4, 5, 6));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(dialog, message, reinterpret_cast<WPARAM>(context),
                                                       reinterpret_cast<LPARAM>(control)));
    Colours colours{brush, GetTextColor(context), GetBkColor(context)};
    ReleaseDC(control, context);
    return colours;
}

TEST(ColorEditTest, TheParentPassesColourRequestsToTheField) {
    ColorFields dialog;
    ASSERT_NE(dialog.CreateForTest(nullptr), nullptr);
    ASSERT_NE(dialog.edit.Handle(), nullptr);

    // Without a background the field keeps the system's colours, as a plain field does.
    const HBRUSH systemBrush = Ask(dialog.Window(), WM_CTLCOLOREDIT, GetDlgItem(dialog.Window(), 903)).brush;
    EXPECT_EQ(Ask(dialog.Window(), WM_CTLCOLOREDIT, dialog.edit.Handle()).brush, systemBrush);

    dialog.edit.SetBackgroundColor(RGB(0, 0, 150));
    dialog.edit.SetTextColor(RGB(255, 255, 255));
    Colours edit = Ask(dialog.Window(), WM_CTLCOLORSTATIC, dialog.edit.Handle());
    ASSERT_NE(edit.brush, nullptr);
    EXPECT_EQ(edit.text, RGB(255, 255, 255));
    EXPECT_EQ(edit.background, RGB(0, 0, 150));
    LOGBRUSH brush{};
    ASSERT_TRUE(GetObjectA(edit.brush, sizeof brush, &brush));
    EXPECT_EQ(brush.lbColor, RGB(0, 0, 150));

    // A new background replaces the brush; the text stays black unless set.
    dialog.text.SetBackgroundColor(RGB(255, 200, 130));
    dialog.text.SetBackgroundColor(RGB(128, 255, 128));
    Colours text = Ask(dialog.Window(), WM_CTLCOLORSTATIC, dialog.text.Handle());
    ASSERT_TRUE(GetObjectA(text.brush, sizeof brush, &brush));
    EXPECT_EQ(brush.lbColor, RGB(128, 255, 128));
    EXPECT_EQ(text.text, RGB(0, 0, 0));
}

}  // namespace
