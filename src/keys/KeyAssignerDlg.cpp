#include "keys/KeyAssignerDlg.h"

#include <commctrl.h>

#include "keys/KeyCommands.h"
#include "keys/KeyNames.h"
#include "keys/SystemKeyboardLayout.h"
#include "res/ResourceIds.h"
#include "shared/SharedValues.h"
#include "ui/UserInterface.h"

CKeyAssigner::CKeyAssigner(int slot, HWND parent) : ModalDialog(IDD_KEY_ASSIGNER, parent), slot_(slot) {
    FollowSystemKeyboardLayout();
    Bind(IDC_KEY_CAPTURE, capture_);
}

bool CKeyAssigner::HasSlot() const { return slot_ >= 0 && slot_ < kKeyCommandSlots; }

bool CKeyAssigner::OnInitDialog() {
    if (HasSlot()) SetItemText(Window(), IDC_KEY_COMMAND_NAME, KeyCommandTable[slot_].name);
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
    if (HasSlot()) {
        KeyAssignment captured = VirtualKeyToKeyCode(capture_.VirtualKey(), capture_.ModifierFlags());
        KeyCommandTable[slot_].modifier = captured.modifier;
        KeyCommandTable[slot_].key = captured.key;
    }
    EndDialog(IDOK);
}
