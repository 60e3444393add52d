#pragma once

#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

// Captures one key combination for the command in slot CurrentCommand. OK stores it in
// the slot unless it holds ALT, which the cockpit cannot use; Cancel leaves the slot.
class CKeyAssigner : public ModalDialog {
public:
    explicit CKeyAssigner(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    HotKeyControl capture_;
};
