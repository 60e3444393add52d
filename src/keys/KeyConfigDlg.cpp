#include "keys/KeyConfigDlg.h"

#include <utility>

#include "keys/KeyCommands.h"
#include "keys/KeyNames.h"
#include "keys/KeyAssignerDlg.h"
#include "keys/SystemKeyboardLayout.h"
#include "res/ResourceIds.h"
#include "ui/BackupQuestion.h"
#include "ui/UserInterface.h"

namespace {

constexpr LPARAM kNoCommand = -1;

const char* const kSaveAdvice =
    "\n\nYour assignments are still in this window. Check that the add-on's folder exists and that the "
    "file is neither read-only nor open in another program, then press OK again, or press Cancel to "
    "leave without saving.";

}  // namespace

CKeyConfig::CKeyConfig(ProfileSnapshot prefs, FirstBackups& backups, HWND parent)
    : ModalDialog(IDD_KEY_CONFIG, parent), prefs_(std::move(prefs)), backups_(backups) {
    FollowSystemKeyboardLayout();
    Bind(IDC_KEY_COMMAND_LIST, commands_);
}

bool CKeyConfig::OnInitDialog() {
    commands_.AddItem("Select a command", kNoCommand);
    // Every save writes every slot, so the file holds what the last one saved; the defaults
    // stand only for what the file does not give.
    table_ = DefaultKeyCommands();
    ReadKeyAssignments(prefs_, table_);
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        if (*table_[slot].name) commands_.AddItem(table_[slot].name, slot);
    }
    commands_.Select(0);
    return true;
}

bool CKeyConfig::OnCommand(int id, int code, HWND control) {
    if (id == IDC_KEY_COMMAND_LIST && code == CBN_SELCHANGE) {
        ShowAssignment();
        return true;
    }
    if (id == IDC_KEY_CHANGE && code == BN_CLICKED) {
        ChangeAssignment();
        return true;
    }
    return ModalDialog::OnCommand(id, code, control);
}

void CKeyConfig::OnOK() {
    const std::string& path = prefs_.Path();
    const std::optional<FileStatus> status =
        BackUpThenSave(backups_, {path}, [&] { return WriteKeyAssignments(path, table_); });
    if (!status) return;
    if (*status != FileStatus::Ok) {
        ShowMessage(DescribeFileFailure(FileAccess::Write, path, *status) + kSaveAdvice, "ERROR", MB_ICONSTOP);
        return;
    }
    EndDialog(IDOK);
}

int CKeyConfig::SelectedSlot() const {
    int position = commands_.Selection();
    return position < 0 ? -1 : static_cast<int>(commands_.ItemData(position));
}

void CKeyConfig::ShowAssignment() {
    ShowAssignmentOf(SelectedSlot());
}

void CKeyConfig::ShowAssignmentOf(int slot) {
    const bool known = slot >= 0 && slot < kKeyCommandSlots;
    const KeyCommand* command = known ? &table_[slot] : nullptr;
    SetItemText(Window(), IDC_KEY_ASSIGNMENT, command ? AssignmentText(command->modifier, command->key) : std::string());
}

void CKeyConfig::ChangeAssignment() {
    int slot = SelectedSlot();
    if (slot < 0) {
        ShowMessage("Please select a command first.", "ERROR", MB_ICONSTOP);
        return;
    }
    {
        CKeyAssigner assigner(table_, slot);
        assigner.DoModal();
    }
    // Also after Cancel: the field always shows what the slot holds.
    ShowAssignmentOf(slot);
}
