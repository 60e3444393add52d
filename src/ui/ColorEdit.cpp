#include "ui/ColorEdit.h"

CColorEdit::~CColorEdit() {
    if (backgroundBrush_) DeleteObject(backgroundBrush_);
}

void CColorEdit::SetBackgroundColor(COLORREF color) {
    backgroundColor_ = color;
    if (backgroundBrush_) DeleteObject(backgroundBrush_);
    backgroundBrush_ = CreateSolidBrush(color);
    Repaint();
}

void CColorEdit::SetTextColor(COLORREF color) {
    textColor_ = color;
    Repaint();
}

HBRUSH CColorEdit::ReflectColor(HDC context) {
    if (!backgroundBrush_) return nullptr;
    ::SetTextColor(context, textColor_);
    SetBkColor(context, *backgroundColor_);
    return backgroundBrush_;
}

void CColorEdit::Repaint() {
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}
