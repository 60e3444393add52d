#include "simbrief/FetchProgressDlg.h"

#include <commctrl.h>

#include <utility>

#include "res/ResourceIds.h"

namespace {

constexpr UINT kAnswerIn = WM_APP + 16;

}  // namespace

CFetchProgressDlg::CFetchProgressDlg(std::string pilotId, HWND parent)
    : ModalDialog(IDD_FETCH_PROGRESS, parent), pilotId_(std::move(pilotId)) {}

bool CFetchProgressDlg::OnInitDialog() {
    SendMessageA(Item(IDC_FETCH_PROGRESS), PBM_SETMARQUEE, TRUE, 0);
    request_ = std::make_unique<OfpRequest>(pilotId_, Window(), kAnswerIn);
    return true;
}

bool CFetchProgressDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message != kAnswerIn) return false;
    EndDialog(IDOK);
    result = TRUE;
    return true;
}

void CFetchProgressDlg::OnCancel() {
    if (request_) request_->Cancel();
    EndDialog(IDCANCEL);
}
