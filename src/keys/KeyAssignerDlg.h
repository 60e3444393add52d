#pragma once

#include "keys/KeyCommands.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

// Captures one key combination for a slot of the key dialog's table. OK refuses what the
// cockpit cannot use and keeps the capture going; a combination that another command holds
// is taken from it only if the user agrees. Cancel leaves the table.
class CKeyAssigner : public ModalDialog {
public:
    CKeyAssigner(KeyCommands& table, int slot, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool HasSlot() const;
    // Gives the focus back to the capture field, for another try.
    void KeepCapturing();

    KeyCommands& table_;
    const int slot_;
    HotKeyControl capture_;
};
