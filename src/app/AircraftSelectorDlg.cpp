#include "app/AircraftSelectorDlg.h"

#include <algorithm>
#include <utility>

#include "res/ResourceIds.h"

namespace {

constexpr int kButtons[] = {IDC_SELECT_A318, IDC_SELECT_A319, IDC_SELECT_A320, IDC_SELECT_A321, IDC_SELECT_ACJ};
constexpr int kBitmaps[] = {IDB_SELECT_A318, IDB_SELECT_A319, IDB_SELECT_A320, IDB_SELECT_A321, IDB_SELECT_ACJ};

}  // namespace

CAircraftSelector::CAircraftSelector(std::vector<std::int32_t> offered, HWND parent)
    : ModalDialog(IDD_AIRCRAFT_SELECTOR, parent), offered_(std::move(offered)) {}

bool CAircraftSelector::OnInitDialog() {
    for (int i = 0; i < kVariantCount; ++i) {
        ShowPicture(kButtons[i], kBitmaps[i]);
        const bool offered = offered_.empty() || std::count(offered_.begin(), offered_.end(), kA318 + i) > 0;
        if (!offered) ShowWindow(Item(kButtons[i]), SW_HIDE), EnableWindow(Item(kButtons[i]), FALSE);
    }
    return true;
}

bool CAircraftSelector::OnCommand(int id, int code, HWND control) {
    if (id >= IDC_SELECT_A318 && id <= IDC_SELECT_ACJ && code == BN_CLICKED) {
        selection_ = kA318 + (id - IDC_SELECT_A318);
        return true;
    }
    return ModalDialog::OnCommand(id, code, control);
}
