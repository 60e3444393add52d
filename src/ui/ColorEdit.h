#pragma once

#include <windows.h>

#include <optional>

#include "ui/DialogControl.h"

// An edit or static text field with its own text and background colours, used for the
// weight and fuel read-outs.
class CColorEdit : public DialogControl {
public:
    CColorEdit() = default;
    ~CColorEdit() override;
    CColorEdit(const CColorEdit&) = delete;
    CColorEdit& operator=(const CColorEdit&) = delete;

    void SetBackgroundColor(COLORREF color);
    void SetTextColor(COLORREF color);

    HBRUSH ReflectColor(HDC context) override;

private:
    void Repaint();

    COLORREF textColor_ = RGB(0, 0, 0);
    std::optional<COLORREF> backgroundColor_;
    HBRUSH backgroundBrush_ = nullptr;
};
