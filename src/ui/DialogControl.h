#pragma once

#include <windows.h>

// A control of a dialog template that a dialog member stands for, attached by its id
// when the dialog initialises.
class DialogControl {
public:
    virtual ~DialogControl() = default;
    void Attach(HWND control) { handle_ = control; }
    HWND Handle() const { return handle_; }

    // The brush for a colour notification that the parent passes on to the control;
    // null leaves the system's colours.
    virtual HBRUSH ReflectColor(HDC) { return nullptr; }

private:
    HWND handle_ = nullptr;
};
