#include "app/LauncherFlows.h"

#include "loadmgr/AircraftSelection.h"
#include "app/AircraftSelector.h"
#include "loadmgr/LoadManager.h"
#include "platform/InstallPaths.h"
#include "loadmgr/Variants.h"
#include "ui/UserInterface.h"

namespace {

constexpr int kConfigurationTemplate = 145;

const char* const kPayloadSaved =
    "The new payload has been saved in the aircraft file (aircraft.cfg).\n"
    "It will be taken into account next time the aircraft is loaded in FS.";

const char* const kConfigurationNote =
    "NOTE: Any change made in the configuration window will be taken into account\n"
    "           only next time the aircraft is loaded in Flight Simulator.";

// Said by the buttons whose dialogs are not part of this version yet, so that nothing
// pretends to have done what it cannot do.
void NotAvailableMessage(HWND owner, const char* what) {
    ShowMessage(std::string("The ") + what + " is not available in this version of FS9 Skyliner Config yet.",
                "FS9 Skyliner Config", MB_ICONINFORMATION, owner);
}

// The installed test of the selected variant; shows the not-installed message when it fails.
bool SelectedVariantInstalled(HWND owner) {
    const VariantParameters* variant = FindVariant(AircraftSelection);
    if (variant && IsVariantInstalled(*variant, FsRootPath)) return true;
    NotInstalledMessage(owner);
    return false;
}

// The load manager of the selected variant, then the save after OK. The zero-fuel weight
// is kept for the fuel planner only when every file of the variant holds the new payload.
void RunLoadManager(HWND owner) {
    std::unique_ptr<CVariantLoadManager> dialog = CreateLoadManager(AircraftSelection);
    if (!dialog || !dialog->IsInstalled()) {
        NotInstalledMessage(owner);
        return;
    }
    PayloadSource source = dialog->FindSource();
    if (!CanShowPayload(source)) {
        ShowMessage(PayloadReadFailureMessage(source), "ERROR", MB_ICONSTOP, owner);
        return;
    }
    INT_PTR result = dialog->DoModal();
    if (result == -1) {
        ShowMessage("The load manager could not be opened.", "Error", MB_ICONSTOP, owner);
        return;
    }
    if (result != IDOK) return;
    PayloadSaveOutcome outcome = dialog->SavePayload();
    if (!outcome.AllWritten()) {
        ShowMessage(outcome.FailureMessage(), "ERROR", MB_ICONSTOP, owner);
        return;
    }
    VariantZfw[AircraftSelection - 1] = LoadManagerZfw;
    ShowMessage(kPayloadSaved, "WARNING", MB_ICONINFORMATION, owner);
}

}  // namespace

void NotInstalledMessage(HWND owner) {
    ShowMessage("Sorry, this aircraft is not installed on your system", "ERROR", MB_ICONEXCLAMATION, owner);
}

bool ChooseAircraft() {
    while (AircraftSelection == kNoAircraft) {
        CAircraftSelector selector;
        if (selector.DoModal() == -1) {
            ShowMessage("The aircraft selector could not be opened.", "Error", MB_ICONSTOP);
            return false;
        }
    }
    return true;
}

void OnAircraftConfiguration(HWND owner, DLGPROC procedure) {
    if (!procedure) {
        NotAvailableMessage(owner, "aircraft configuration window");
        return;
    }
    INT_PTR result = CurrentUserInterface().RunModalTemplate(kConfigurationTemplate, procedure, owner, 0);
    if (result == IDOK) ShowMessage(kConfigurationNote, "WARNING", MB_ICONINFORMATION, owner);
}

void OnLoadManager(HWND owner) {
    if (ChooseAircraft()) RunLoadManager(owner);
    AircraftSelection = kNoAircraft;
}

void OnFuelPlanner(HWND owner) {
    if (ChooseAircraft() && SelectedVariantInstalled(owner)) NotAvailableMessage(owner, "fuel planner");
    AircraftSelection = kNoAircraft;
}

void OnKeyAssignments(HWND owner) { NotAvailableMessage(owner, "key assignment window"); }
