#pragma once

#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

// Captures one key combination for a slot of KeyCommandTable. OK stores it in the slot
// unless it holds ALT, which the cockpit cannot use; Cancel leaves the slot.
class CKeyAssigner : public ModalDialog {
public:
    explicit CKeyAssigner(int slot, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool HasSlot() const;

    const int slot_;
    HotKeyControl capture_;
};
