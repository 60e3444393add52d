#pragma once

#include <windows.h>

#include <string>

#include "ui/DialogControl.h"

// Thin helpers for the items of a dialog.

std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// The number as an unsigned decimal, as the weight and percentage read-outs show it.
void SetItemNumber(HWND dialog, int id, unsigned value);

bool IsItemChecked(HWND dialog, int id);
void SetItemChecked(HWND dialog, int id, bool checked);

// A trackbar (slider) of a dialog template.
class Trackbar : public DialogControl {
public:
    void SetRange(int minimum, int maximum, bool redraw = true);
    // The control clamps a position outside its range to the nearest end.
    void SetPosition(int position, bool redraw = true);
    int Position() const;
};

// A progress bar of a dialog template.
class ProgressBar : public DialogControl {
public:
    void SetRange(int minimum, int maximum);
    void SetPosition(int position);
    // Also takes the visual-styles theme off the bar: a themed bar ignores its colours. (A
    // theme name of one blank does it under Windows and Wine alike; an empty one not under Wine.)
    void SetBarColor(COLORREF color);
    void SetBackgroundColor(COLORREF color);

private:
    void RemoveTheme();
    HWND unthemed_ = nullptr;  // the bar whose theme is off
};

// A drop-down list of a dialog template whose items each carry a number of their own.
class ComboBox : public DialogControl {
public:
    // The position of the new item, at the end of an unsorted list.
    int AddItem(const std::string& text, LPARAM data = 0);
    // -1 selects nothing.
    void Select(int position);
    // The selected position; -1 when nothing is selected.
    int Selection() const;
    LPARAM ItemData(int position) const;
    int Count() const;
    std::string Text(int position) const;
};

// A hot-key control: the key combination the user last pressed in it.
class HotKeyControl : public DialogControl {
public:
    BYTE VirtualKey() const { return LOBYTE(HotKey()); }
    // HOTKEYF_SHIFT, HOTKEYF_CONTROL, HOTKEYF_ALT and HOTKEYF_EXT.
    BYTE ModifierFlags() const { return HIBYTE(HotKey()); }
    void Set(BYTE virtualKey, BYTE modifierFlags) const;

private:
    WORD HotKey() const;
};
