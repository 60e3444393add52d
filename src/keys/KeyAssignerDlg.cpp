#include "keys/KeyAssignerDlg.h"

#include "keys/KeyCapture.h"
#include "keys/SystemKeyboardLayout.h"
#include "res/ResourceIds.h"
#include "ui/UserInterface.h"

CKeyAssigner::CKeyAssigner(KeyCommands& table, int slot, HWND parent)
    : ModalDialog(IDD_KEY_ASSIGNER, parent), table_(table), slot_(slot) {
    FollowSystemKeyboardLayout();
    Bind(IDC_KEY_CAPTURE, capture_);
}

bool CKeyAssigner::HasSlot() const { return slot_ >= 0 && slot_ < kKeyCommandSlots; }

bool CKeyAssigner::OnInitDialog() {
    if (HasSlot()) {
        SetItemText(Window(), IDC_KEY_COMMAND_NAME, table_[slot_].name);
        // From what the slot holds, so that OK on an untouched capture keeps it.
        const HotKey current = HotKeyFor({table_[slot_].modifier, table_[slot_].key});
        capture_.Set(current.virtualKey, static_cast<BYTE>(current.modifierFlags));
    }
    SetFocus(capture_.Handle());
    return false;
}

void CKeyAssigner::KeepCapturing() { SetFocus(capture_.Handle()); }

void CKeyAssigner::OnOK() {
    const KeyCapture capture = ReadKeyCapture(capture_.VirtualKey(), capture_.ModifierFlags());
    if (!capture.refusal.empty()) {
        ShowMessage(capture.refusal, "Error", MB_ICONSTOP);
        KeepCapturing();
        return;
    }
    if (!HasSlot()) {
        EndDialog(IDOK);
        return;
    }
    // A hand-edited file may give the combination to several commands: each is asked about,
    // and one No leaves them all as they were.
    KeyCommands changed = table_;
    for (int holder; (holder = FindCommandHolding(changed, capture.assignment, slot_)) >= 0;) {
        if (!AskYesNo(ReassignQuestion(changed, holder, capture.assignment), "WARNING", MB_ICONEXCLAMATION)) {
            KeepCapturing();
            return;
        }
        changed[holder].Assign({kNoModifier, 0});
    }
    changed[slot_].Assign(capture.assignment);
    table_ = changed;
    EndDialog(IDOK);
}
