#include "keys/KeyAssignerDlg.h"

#include <commctrl.h>

#include "keys/KeyCommands.h"
#include "keys/KeyNames.h"
#include "keys/SystemKeyboardLayout.h"
#include "res/ResourceIds.h"
#include "ui/UserInterface.h"

CKeyAssigner::CKeyAssigner(HWND parent) : ModalDialog(IDD_KEY_ASSIGNER, parent) {
    FollowSystemKeyboardLayout();
    Bind(IDC_KEY_CAPTURE, capture_);
}

bool CKeyAssigner::OnInitDialog() {
    if (CurrentCommand >= 0 && CurrentCommand < kKeyCommandSlots) {
        SetItemText(Window(), IDC_KEY_COMMAND_NAME, KeyCommandTable[CurrentCommand].name);
    }
    // Empty, whatever the slot holds: the user presses the whole combination anew.
    SetFocus(capture_.Handle());
    return false;
}

void CKeyAssigner::OnOK() {
    if (capture_.ModifierFlags() & HOTKEYF_ALT) {
        ShowMessage("ALT modifier is not authorized, please use another.", "Error", MB_ICONSTOP);
        SetFocus(capture_.Handle());
        return;
    }
    if (CurrentCommand >= 0 && CurrentCommand < kKeyCommandSlots) {
        KeyAssignment captured = VirtualKeyToKeyCode(capture_.VirtualKey(), capture_.ModifierFlags());
        KeyCommandTable[CurrentCommand].modifier = captured.modifier;
        KeyCommandTable[CurrentCommand].key = captured.key;
    }
    EndDialog(IDOK);
}
