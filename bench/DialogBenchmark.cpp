// How long each dialog takes from its creation to its first complete paint, against a bare
// dialog created the same way in the same run: the median of several runs of each, on the
// demo installation given as the first argument (read only). Then what OK in the load
// manager does before its confirmation shows, on the scratch copy given as the second.
// Run: scripts/benchmark.sh.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AircraftSelectorDlg.h"
#include "app/ConfiguratorDlg.h"
#include "fuel/FuelPlannerDlg.h"
#include "app/RunState.h"
#include "keys/KeyConfigDlg.h"
#include "loadmgr/LoadManagerDlg.h"
#include "platform/Backups.h"
#include "platform/InstallPaths.h"
#include "platform/SystemCodePage.h"
#include "prefs/ConfigurationDlg.h"
#include "ResourceIds.h"

namespace {

constexpr int kRuns = 15;
constexpr int kBareTemplate = 990;  // bench/BenchDialogs.rc

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The run over the simulator's folder and preferences file, as the launcher finds them from a
// registered folder.
std::unique_ptr<RunState> run;

void UseInstallation(const char* folder) {
    const std::wstring wide = Widen(folder);
    run = std::make_unique<RunState>(ComputeInstallPaths(std::u16string(wide.begin(), wide.end()), u"", Narrow));
}

// The A320's load manager on the files it would show, as the launcher opens it.
std::unique_ptr<CVariantLoadManager> A320LoadManager() {
    std::unique_ptr<CVariantLoadManager> dialog = CreateLoadManager(kA320, *run);
    dialog->ReadSource();
    return dialog;
}

// The window and every control painted now.
void PaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void DispatchPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// From the dialog object's construction to the end of the paint of the window and every control.
double OpenAndPaint(const std::function<std::unique_ptr<ModalDialog>()>& make) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    std::unique_ptr<ModalDialog> dialog = make();
    PaintAll(dialog->CreateForTest(nullptr));
    QueryPerformanceCounter(&end);
    dialog.reset();
    DispatchPendingMessages();
    return Milliseconds(start, end);
}

double Median(const std::function<double()>& time) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) times.push_back(time());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Closing the load manager: its window and every control destroyed.
double Close() {
    std::unique_ptr<CVariantLoadManager> dialog = A320LoadManager();
    PaintAll(dialog->CreateForTest(nullptr));
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    dialog.reset();
    QueryPerformanceCounter(&end);
    DispatchPendingMessages();
    return Milliseconds(start, end);
}

// OK in the load manager, from the end of the dialog to the confirmation: the backups, kept
// the first time only, then the payload written into every file of the variant.
double SaveAfterOk(bool firstSave) {
    std::unique_ptr<CVariantLoadManager> dialog = A320LoadManager();
    if (firstSave) {
        for (const std::string& file : dialog->Files()) SystemFileSystem().Remove(BackupPathOf(file));
    }
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    FirstBackups backups;
    for (const std::string& file : dialog->Files()) backups.Keep(file);
    bool written = dialog->SavePayload().AllWritten();
    QueryPerformanceCounter(&end);
    if (!written) std::fprintf(stderr, "The payload could not be saved.\n");
    return Milliseconds(start, end);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Give the simulator's folder of the demo installation, then of a scratch copy.\n");
        return 2;
    }
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    UseInstallation(argv[1]);

    // Each dialog beside its template alone, created by the dialog base with nothing set:
    // what the template's controls cost before any code of the dialog runs.
    struct Case {
        const char* name;
        int templateId;
        std::function<std::unique_ptr<ModalDialog>()> make;
    };
    const Case cases[] = {
        {"bare dialog (same size as the load manager)", kBareTemplate,
         [] { return std::make_unique<ModalDialog>(kBareTemplate); }},
        {"load manager (A320, two files)", IDD_A320_LOAD_MANAGER,
         [] { return std::unique_ptr<ModalDialog>(A320LoadManager()); }},
        {"key assignments", IDD_KEY_CONFIG, [] { return std::make_unique<CKeyConfig>(Profile(run->Paths().prefs).Snapshot(), run->Backups()); }},
        {"Configuration", IDD_CONFIGURATION,
         [] { return std::make_unique<CConfigurationDlg>(Profile(run->Paths().prefs).Snapshot(), run->Backups()); }},
        {"fuel planner (A320)", IDD_FUEL_PLANNER,
         [] { return std::make_unique<FuelPlanner>(*FindVariant(kA320), *run, 60000, 0); }},
        {"aircraft selector", IDD_AIRCRAFT_SELECTOR, [] { return std::make_unique<CAircraftSelector>(); }},
    };
    std::vector<double> medians, templates;
    for (const Case& c : cases) {
        medians.push_back(Median([&] { return OpenAndPaint(c.make); }));
        int id = c.templateId;
        templates.push_back(Median([id] { return OpenAndPaint([id] { return std::make_unique<ModalDialog>(id); }); }));
    }
    std::printf(
        "| dialog | median, creation to first paint | against the bare dialog | its template alone | against the "
        "bare dialog |\n|---|---|---|---|---|\n");
    for (std::size_t i = 0; i < medians.size(); ++i) {
        std::printf("| %s | %.1f ms | %.2fx | %.1f ms | %.2fx |\n", cases[i].name, medians[i], medians[i] / medians[0],
                    templates[i], templates[i] / medians[0]);
    }

    UseInstallation(argv[2]);
    std::printf("\n| OK in the load manager (A320, two files), before the confirmation | median |\n|---|---|\n");
    std::printf("| closing the dialog: its window and controls destroyed | %.1f ms |\n", Median(Close));
    std::printf("| first save: both backups kept, both files written | %.1f ms |\n",
                Median([] { return SaveAfterOk(true); }));
    std::printf("| later saves: both files written | %.1f ms |\n", Median([] { return SaveAfterOk(false); }));
    return 0;
}
