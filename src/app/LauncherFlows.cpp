#include "app/LauncherFlows.h"

#include <optional>

#include "Version.h"
#include "app/AboutText.h"
#include "app/AircraftSelectorDlg.h"
#include "app/RestoreBackupsDlg.h"
#include "app/SavedFiles.h"
#include "fuel/FuelPlannerDlg.h"
#include "keys/KeyConfigDlg.h"
#include "loadmgr/LoadManagerDlg.h"
#include "loadmgr/PayloadFiles.h"
#include "platform/Profile.h"
#include "prefs/ConfigurationDlg.h"
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
std::optional<ProfileSnapshot> ReadPreferencesFile(HWND owner, const RunState& run, const char* window) {
    ProfileSnapshot prefs = Profile(run.Paths().prefs).Snapshot();
    if (prefs.Usable()) return prefs;
    ShowMessage(DescribeFileFailure(FileAccess::Read, prefs.Path(), prefs.Status()) + "\n\nThe " + window +
                    " stays closed, so that your settings are not replaced by default values. Close any "
                    "program that may be using the file, make sure that you are allowed to read it, then "
                    "try again.",
                "ERROR", MB_ICONSTOP, owner);
    return std::nullopt;
}

void ShowNotInstalled(HWND owner, const Variant& variant, const RunState& run) {
    ShowMessage(NotInstalledMessage(variant, run.Paths()), "ERROR", MB_ICONEXCLAMATION, owner);
}

// The load manager of the chosen variant; it saves on its OK.
void RunLoadManager(HWND owner, RunState& run, const Variant& variant) {
    std::unique_ptr<CVariantLoadManager> dialog = CreateLoadManager(variant.selection, run);
    if (!dialog->IsInstalled()) {
        ShowNotInstalled(owner, variant, run);
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
    if (result == IDOK) ShowMessage(kPayloadSaved, "WARNING", MB_ICONINFORMATION, owner);
}

void RunFuelPlanner(HWND owner, RunState& run, const Variant& variant) {
    if (!IsVariantInstalled(variant, run.Paths().fsRoot)) {
        ShowNotInstalled(owner, variant, run);
        return;
    }
    FuelPlanner planner(variant, run, run.PlannerZeroFuelWeight(variant),
                        FilesMaximumGrossWeight(variant, run.Paths().fsRoot));
    planner.DoModal();
}

// The chosen variant's flow, when one was chosen.
void WithChosenVariant(HWND owner, RunState& run, void (*flow)(HWND, RunState&, const Variant&)) {
    if (const Variant* variant = FindVariant(ChooseAircraft())) flow(owner, run, *variant);
}

}  // namespace

std::int32_t ChooseAircraft() {
    for (;;) {
        CAircraftSelector selector;
        if (selector.DoModal() == -1) {
            ShowMessage("The aircraft selector could not be opened.", "Error", MB_ICONSTOP);
            return kNoAircraft;
        }
        if (selector.Selection() != kNoAircraft) return selector.Selection();
    }
}

void OnAircraftConfiguration(HWND owner, RunState& run) {
    std::optional<ProfileSnapshot> prefs = ReadPreferencesFile(owner, run, "configuration window");
    if (!prefs) return;
    CConfigurationDlg dialog(*prefs, run.Backups(), owner);
    if (dialog.DoModal() == IDOK) ShowMessage(kConfigurationNote, "WARNING", MB_ICONINFORMATION, owner);
}

void OnLoadManager(HWND owner, RunState& run) { WithChosenVariant(owner, run, RunLoadManager); }

void OnFuelPlanner(HWND owner, RunState& run) { WithChosenVariant(owner, run, RunFuelPlanner); }

void OnKeyAssignments(HWND owner, RunState& run) {
    std::optional<ProfileSnapshot> prefs = ReadPreferencesFile(owner, run, "key assignments window");
    if (!prefs) return;
    CKeyConfig dialog(*prefs, run.Backups());
    dialog.DoModal();
}

void OnRestoreBackups(HWND owner, RunState& run) {
    CRestoreBackupsDlg dialog(FilesTheProgramSaves(run.Paths()), owner);
    if (dialog.DoModal() == -1) ShowMessage("The Restore Backups dialog could not be opened.", "Error", MB_ICONSTOP, owner);
}

void OnAbout(HWND owner, RunState& run) {
    const InstallPaths& paths = run.Paths();
    ShowMessage(AboutText(SKYLINER_VERSION, paths, Profile(paths.prefs).CheckReadable(),
                          Profile(paths.settings).CheckReadable()),
                "About FS9 Skyliner Config", MB_ICONINFORMATION, owner);
}
