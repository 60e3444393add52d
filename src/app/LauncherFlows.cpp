#include "app/LauncherFlows.h"

#include "app/AircraftSelector.h"
#include "fuel/FuelPlanner.h"
#include "keys/KeyConfigDlg.h"
#include "loadmgr/AircraftSelection.h"
#include "loadmgr/Variants.h"
#include "platform/InstallPaths.h"
#include "platform/Profile.h"
#include "prefs/ConfigurationDlg.h"
#include "ui/UserInterface.h"

namespace {

constexpr int kConfigurationTemplate = 145;

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
    if (!PreferencesFileReadable(owner)) return;
    INT_PTR result = CurrentUserInterface().RunModalTemplate(kConfigurationTemplate, procedure, owner, 0);
    if (result == IDOK) ShowMessage(kConfigurationNote, "WARNING", MB_ICONINFORMATION, owner);
}

void OnLoadManager(HWND owner) {
    if (ChooseAircraft() && SelectedVariantInstalled(owner)) NotAvailableMessage(owner, "load manager");
    AircraftSelection = kNoAircraft;
}

void OnFuelPlanner(HWND owner) {
    if (ChooseAircraft() && SelectedVariantInstalled(owner)) {
        FuelPlanner planner;
        planner.DoModal();
    }
    AircraftSelection = kNoAircraft;
}

void OnKeyAssignments(HWND owner) {
    // Opened on defaults, the dialog would save them over assignments it could not read.
    FileStatus status = Profile(PrefsPath).CheckReadable();
    if (status != FileStatus::Ok && status != FileStatus::NotFound && status != FileStatus::FolderMissing) {
        ShowMessage(DescribeFileFailure(FileAccess::Read, PrefsPath, status) +
                        "\n\nThe key assignments cannot be changed until the file can be read. Close any program "
                        "that is using it and check that you are allowed to read it, then try again.",
                    "ERROR", MB_ICONSTOP, owner);
        return;
    }
    CKeyConfig dialog;
    dialog.DoModal();
}
