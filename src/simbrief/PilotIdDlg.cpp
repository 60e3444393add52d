#include "simbrief/PilotIdDlg.h"

#include <utility>

#include "app/ProgramFolder.h"
#include "platform/FileStatus.h"
#include "res/ResourceIds.h"
#include "simbrief/PilotId.h"
#include "ui/DialogItems.h"
#include "ui/UserInterface.h"

CPilotIdDlg::CPilotIdDlg(const InstallPaths& paths, std::string keptId, HWND parent)
    : ModalDialog(IDD_PILOT_ID, parent), paths_(paths), id_(std::move(keptId)) {}

bool CPilotIdDlg::OnInitDialog() {
    SendMessageA(Item(IDC_PILOT_ID), EM_LIMITTEXT, kLongestPilotId, 0);
    SetItemText(Window(), IDC_PILOT_ID, id_);
    return true;
}

void CPilotIdDlg::OnOK() {
    const PilotIdEntry entry = CheckPilotId(ItemText(Window(), IDC_PILOT_ID));
    if (!entry.refusal.empty()) {
        ShowMessage(entry.refusal, "SimBrief Pilot ID", MB_ICONEXCLAMATION);
        return;
    }
    MakeProgramFolder(paths_);
    const FileStatus status = SavePilotId(paths_.settings, entry.id);
    if (status != FileStatus::Ok) {
        ShowMessage(DescribeFileFailure(FileAccess::Write, paths_.settings, status) +
                        "\n\nThe Pilot ID was not kept. Make sure that you are allowed to write in that folder, then "
                        "try again.",
                    "ERROR", MB_ICONSTOP);
        return;
    }
    id_ = entry.id;
    EndDialog(IDOK);
}
