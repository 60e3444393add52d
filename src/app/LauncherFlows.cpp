#include "app/LauncherFlows.h"

#include <optional>

#include "Version.h"
#include "app/AboutText.h"
#include "app/AircraftSelectorDlg.h"
#include "app/RestoreBackupsDlg.h"
#include "app/SavedFiles.h"
#include "flightplan/PayloadNote.h"
#include "fuel/FuelPlannerDlg.h"
#include "keys/KeyConfigDlg.h"
#include "loadmgr/LoadManagerDlg.h"
#include "loadmgr/PayloadFiles.h"
#include "platform/Profile.h"
#include "prefs/ConfigurationDlg.h"
#include "simbrief/SimBriefFlows.h"
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

// The load manager of the chosen variant, opened on the plan's payload when there is one; it
// saves on its OK. Whether it saved.
bool RunLoadManager(HWND owner, RunState& run, const Variant& variant, const FlightPlan* startingPlan) {
    std::unique_ptr<CVariantLoadManager> dialog = CreateLoadManager(variant.selection, run);
    if (!dialog->IsInstalled()) {
        ShowNotInstalled(owner, variant, run);
        return false;
    }
    const ProfileSnapshot& source = dialog->ReadSource();
    if (!source.Usable()) {
        ShowMessage(PayloadReadFailureMessage(source), "ERROR", MB_ICONSTOP, owner);
        return false;
    }
    if (startingPlan) dialog->StartWith(*startingPlan);
    INT_PTR result = dialog->DoModal();
    if (result == -1) {
        ShowMessage("The load manager could not be opened.", "Error", MB_ICONSTOP, owner);
        return false;
    }
    if (result == IDOK) ShowMessage(kPayloadSaved, "WARNING", MB_ICONINFORMATION, owner);
    return result == IDOK;
}

void RunFuelPlanner(HWND owner, RunState& run, const Variant& variant, const ChosenFlightPlan* startingFlight) {
    if (!IsVariantInstalled(variant, run.Paths().fsRoot)) {
        ShowNotInstalled(owner, variant, run);
        return;
    }
    FuelPlanner planner(variant, run, run.PlannerZeroFuelWeight(variant),
                        FilesMaximumGrossWeight(variant, run.Paths().fsRoot));
    if (startingFlight) planner.StartWith(*startingFlight);
    planner.DoModal();
}

void OpenLoadManager(HWND owner, RunState& run, const Variant& variant) { RunLoadManager(owner, run, variant, nullptr); }

void OpenFuelPlanner(HWND owner, RunState& run, const Variant& variant) { RunFuelPlanner(owner, run, variant, nullptr); }

// The variant that flies the plan: its type's own, or the user's choice among the variants
// filed as that type; nothing when the type is not one of them (told).
const Variant* VariantFlying(HWND owner, const FlightPlan& plan) {
    const std::vector<std::int32_t> variants = VariantsFiledAs(plan.load.aircraftType);
    if (variants.empty()) {
        ShowMessage(OtherAircraftMessage(plan.load.aircraftType), "ERROR", MB_ICONEXCLAMATION, owner);
        return nullptr;
    }
    return FindVariant(variants.size() == 1 ? variants.front() : ChooseAircraft(variants));
}

// The chosen variant's flow, when one was chosen.
void WithChosenVariant(HWND owner, RunState& run, void (*flow)(HWND, RunState&, const Variant&)) {
    if (const Variant* variant = FindVariant(ChooseAircraft())) flow(owner, run, *variant);
}

}  // namespace

std::int32_t ChooseAircraft(const std::vector<std::int32_t>& offered) {
    for (;;) {
        CAircraftSelector selector(offered);
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

void OnLoadManager(HWND owner, RunState& run) { WithChosenVariant(owner, run, OpenLoadManager); }

void OnFuelPlanner(HWND owner, RunState& run) { WithChosenVariant(owner, run, OpenFuelPlanner); }

void OnPrepareFlight(HWND owner, RunState& run) {
    const std::optional<ChosenFlightPlan> payload = LatestFlightPlan(owner, FlightPlanUse::Payload, run);
    if (!payload) return;
    const Variant* variant = VariantFlying(owner, payload->plan);
    if (!variant || !RunLoadManager(owner, run, *variant, &payload->plan)) return;
    // The planner's own reading of the same file: it needs the fields of a flight.
    std::optional<ChosenFlightPlan> flight = ReadFlightPlan(payload->path, FlightPlanUse::Flight, owner);
    if (!flight) return;
    flight->plan.load.zeroFuelWeightKg = run.PlannerZeroFuelWeight(*variant);
    RunFuelPlanner(owner, run, *variant, &*flight);
}

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
