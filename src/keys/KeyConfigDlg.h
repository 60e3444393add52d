#pragma once

#include "keys/KeyCommands.h"
#include "platform/Backups.h"
#include "platform/Profile.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

// Lists the cockpit commands with the assignment of the chosen one, opens the assigner
// for it, and saves every assignment to the preferences file on OK; Cancel drops every
// capture. A save that fails is told and leaves the dialog open with what the user
// captured, to try again or cancel.
class CKeyConfig : public ModalDialog {
public:
    // Lists the assignments that the given read of Prefs.cfg holds.
    CKeyConfig(ProfileSnapshot prefs, FirstBackups& backups, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    // The slot of the chosen command; -1 while "Select a command" is chosen.
    int SelectedSlot() const;
    void ShowAssignment();
    void ShowAssignmentOf(int slot);
    void ChangeAssignment();

    const ProfileSnapshot prefs_;
    FirstBackups& backups_;
    KeyCommands table_{};
    ComboBox commands_;
};
