#include "app/LauncherFlows.h"

#include <optional>

#include "Version.h"
#include "app/AboutText.h"
#include "app/AircraftSelectorDlg.h"
#include "app/RestoreBackupsDlg.h"
#include "fuel/FuelPlannerDlg.h"
#include "keys/KeyConfigDlg.h"
#include "loadmgr/LoadManagerDlg.h"
#include "platform/Profile.h"
#include "prefs/ConfigurationDlg.h"
#include "shared/SharedValues.h"
#include "ui/BackupQuestion.h"
#include "ui/UserInterface.h"

namespace {

const char* const kPayloadSaved =
    "The new payload has been saved in the aircraft file (aircraft.cfg).\n"
    "It will be taken into account next time the aircraft is loaded in FS.";

const char* const kConfigurationNote =
    "NOTE: Any change made in the configuration window will be taken into account\n"
    "           only next time the aircraft is loaded in Flight Simulator.";

// Prefs.cfg read once for a dialog over it, which opens on that read; nothing when the file
// exists but cannot be read, since the dialog would show defaults and save them over the
// user's real settings. A missing file is fine: the defaults apply. Tells the user why when
// it says no.
std::optional<ProfileSnapshot> ReadPreferencesFile(HWND owner, const char* window) {
    ProfileSnapshot prefs = Profile(PrefsPath).Snapshot();
    if (prefs.Usable()) return prefs;
    ShowMessage(DescribeFileFailure(FileAccess::Read, PrefsPath, prefs.Status()) + "\n\nThe " + window +
                    " stays closed, so that your settings are not replaced by default values. Close any "
                    "program that may be using the file, make sure that you are allowed to read it, then "
                    "try again.",
                "ERROR", MB_ICONSTOP, owner);
    return std::nullopt;
}

// The selected variant if it is installed; else the not-installed message, and null.
const Variant* SelectedInstalledVariant(HWND owner) {
    const Variant* variant = FindVariant(AircraftSelection);
    if (variant && IsVariantInstalled(*variant, FsRootPath)) return variant;
    NotInstalledMessage(owner);
    return nullptr;
}

// The load manager of the selected variant, then the save after OK. The zero-fuel weight
// is kept for the fuel planner only when every file of the variant holds the new payload.
void RunLoadManager(HWND owner) {
    std::unique_ptr<CVariantLoadManager> dialog = CreateLoadManager(AircraftSelection);
    if (!dialog || !dialog->IsInstalled()) {
        NotInstalledMessage(owner);
        return;
    }
    const ProfileSnapshot& source = dialog->ReadSource();
    if (!source.Usable()) {
        ShowMessage(PayloadReadFailureMessage(source), "ERROR", MB_ICONSTOP, owner);
        return;
    }
    INT_PTR result = dialog->DoModal();
    if (result == -1) {
        ShowMessage("The load manager could not be opened.", "Error", MB_ICONSTOP, owner);
        return;
    }
    if (result != IDOK || !KeepBackupsOrAskToSaveWithout(dialog->Files(), owner)) return;
    PayloadSaveOutcome outcome = dialog->SavePayload();
    if (!outcome.AllWritten()) {
        ShowMessage(outcome.FailureMessage(), "ERROR", MB_ICONSTOP, owner);
        return;
    }
    VariantZfw[AircraftSelection - 1] = dialog->ZeroFuelWeight();
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

void OnAircraftConfiguration(HWND owner) {
    std::optional<ProfileSnapshot> prefs = ReadPreferencesFile(owner, "configuration window");
    if (!prefs) return;
    CConfigurationDlg dialog(*prefs, owner);
    if (dialog.DoModal() == IDOK) ShowMessage(kConfigurationNote, "WARNING", MB_ICONINFORMATION, owner);
}

void OnLoadManager(HWND owner) {
    if (ChooseAircraft()) RunLoadManager(owner);
    AircraftSelection = kNoAircraft;
}

void OnFuelPlanner(HWND owner) {
    if (ChooseAircraft()) {
        if (const Variant* variant = SelectedInstalledVariant(owner)) {
            // A weight saved in this run wins over what the files give.
            const std::int32_t saved = VariantZfw[variant->selection - 1];
            FuelPlanner planner(*variant, saved > 0 ? saved : FilesZeroFuelWeight(*variant, FsRootPath),
                                FilesMaximumGrossWeight(*variant, FsRootPath));
            planner.DoModal();
        }
    }
    AircraftSelection = kNoAircraft;
}

void OnKeyAssignments(HWND owner) {
    std::optional<ProfileSnapshot> prefs = ReadPreferencesFile(owner, "key assignments window");
    if (!prefs) return;
    CKeyConfig dialog(*prefs);
    dialog.DoModal();
}

void OnRestoreBackups(HWND owner) {
    CRestoreBackupsDlg dialog(FilesTheProgramSaves(), owner);
    if (dialog.DoModal() == -1) ShowMessage("The Restore Backups dialog could not be opened.", "Error", MB_ICONSTOP, owner);
}

void OnAbout(HWND owner, const InstallPaths& paths) {
    ShowMessage(AboutText(SKYLINER_VERSION, paths, Profile(paths.prefs).CheckReadable()), "About FS9 Skyliner Config",
                MB_ICONINFORMATION, owner);
}
