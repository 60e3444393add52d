#include "ui/DialogItems.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <vector>

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    int length = GetWindowTextLengthA(item);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(item, text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

// A text set again repaints its control: the load manager refreshes every read-out at each
// repaint of a slider, so an unchanged text is left alone.
void SetItemText(HWND dialog, int id, const std::string& text) {
    if (ItemText(dialog, id) != text) SetDlgItemTextA(dialog, id, text.c_str());
}

void SetItemNumber(HWND dialog, int id, unsigned value) { SetItemText(dialog, id, std::to_string(value)); }

bool IsItemChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Checking an automatic radio button makes it uncheck the rest of its group: a walk over the
// dialog's items that costs milliseconds a button under Wine. Callers set every button of a
// group anyway, so the button is checked as a plain radio button, which leaves the others.
void SetItemChecked(HWND dialog, int id, bool checked) {
    HWND button = GetDlgItem(dialog, id);
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    const bool automaticRadio = checked && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (automaticRadio) SetWindowLongA(button, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_RADIOBUTTON);
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (automaticRadio) SetWindowLongA(button, GWL_STYLE, (GetWindowLongA(button, GWL_STYLE) & ~BS_TYPEMASK) | BS_AUTORADIOBUTTON);
}

void Trackbar::SetRange(int minimum, int maximum, bool redraw) {
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(Handle(), TBM_SETRANGEMAX, redraw ? TRUE : FALSE, maximum);
}

void Trackbar::SetPosition(int position, bool redraw) {
    SendMessageA(Handle(), TBM_SETPOS, redraw ? TRUE : FALSE, position);
}

int Trackbar::Position() const { return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0)); }

void ProgressBar::SetRange(int minimum, int maximum) {
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

void ProgressBar::SetPosition(int position) {
    if (SendMessageA(Handle(), PBM_GETPOS, 0, 0) != position) {
        SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
}

void ProgressBar::SetBarColor(COLORREF color) {
    RemoveTheme();
    SendMessageA(Handle(), PBM_SETBARCOLOR, 0, static_cast<LPARAM>(color));
}

void ProgressBar::SetBackgroundColor(COLORREF color) {
    RemoveTheme();
    SendMessageA(Handle(), PBM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
}

void ProgressBar::RemoveTheme() {
    if (unthemed_ == Handle()) return;
    SetWindowTheme(Handle(), L" ", L" ");
    // The unthemed bar draws its border in the frame, which is only laid out anew when
    // the frame is recomputed.
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    unthemed_ = Handle();
}

int ComboBox::AddItem(const std::string& text, LPARAM data) {
    auto position = static_cast<int>(SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (position >= 0) SendMessageA(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(position), data);
    return position;
}

void ComboBox::Select(int position) { SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(position), 0); }

int ComboBox::Selection() const {
    auto position = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
    return position == CB_ERR ? -1 : position;
}

LPARAM ComboBox::ItemData(int position) const {
    return SendMessageA(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(position), 0);
}

int ComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::Text(int position) const {
    auto length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
    if (length == CB_ERR) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void HotKeyControl::Set(BYTE virtualKey, BYTE modifierFlags) const {
    SendMessageA(Handle(), HKM_SETHOTKEY, MAKEWORD(virtualKey, modifierFlags), 0);
}

WORD HotKeyControl::HotKey() const { return LOWORD(SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0)); }
