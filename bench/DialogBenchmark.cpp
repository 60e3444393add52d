// How long each dialog takes from its creation to its first complete paint, against a bare
// dialog created the same way in the same run: the median of several runs of each, on the
// demo installation given as the first argument (read only: no dialog is confirmed).
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
#include "keys/KeyConfigDlg.h"
#include "loadmgr/LoadManagerDlg.h"
#include "prefs/ConfigurationDlg.h"
#include "shared/SharedValues.h"

namespace {

constexpr int kRuns = 15;
constexpr int kBareTemplate = 990;  // bench/BenchDialogs.rc

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// From the dialog object's construction to the end of the paint of the window and every control.
double OpenAndPaint(const std::function<std::unique_ptr<ModalDialog>()>& make) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    std::unique_ptr<ModalDialog> dialog = make();
    HWND window = dialog->CreateForTest(nullptr);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&end);
    dialog.reset();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    return Milliseconds(start, end);
}

double Median(const std::function<std::unique_ptr<ModalDialog>()>& make) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) times.push_back(OpenAndPaint(make));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Give the simulator's folder of the demo installation.\n");
        return 2;
    }
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    FsRootPath = argv[1];
    PrefsPath = FsRootPath + "\\Velmora\\Skyliner\\Prefs.cfg";

    struct Case {
        const char* name;
        std::function<std::unique_ptr<ModalDialog>()> make;
    };
    const Case cases[] = {
        {"bare dialog (same size as the load manager)", [] { return std::make_unique<ModalDialog>(kBareTemplate); }},
        {"load manager (A320, two files)",
         [] {
             std::unique_ptr<CVariantLoadManager> dialog = CreateLoadManager(kA320);
             dialog->ReadSource();
             return std::unique_ptr<ModalDialog>(std::move(dialog));
         }},
        {"key assignments", [] { return std::make_unique<CKeyConfig>(Profile(PrefsPath).Snapshot()); }},
        {"Configuration", [] { return std::make_unique<CConfigurationDlg>(Profile(PrefsPath).Snapshot()); }},
        {"fuel planner (A320)", [] { return std::make_unique<FuelPlanner>(*FindVariant(kA320), 60000); }},
        {"aircraft selector", [] { return std::make_unique<CAircraftSelector>(); }},
    };
    std::vector<double> medians;
    for (const Case& c : cases) medians.push_back(Median(c.make));
    std::printf("| dialog | median, creation to first paint | against the bare dialog |\n|---|---|---|\n");
    for (std::size_t i = 0; i < medians.size(); ++i) {
        std::printf("| %s | %.1f ms | %.2fx |\n", cases[i].name, medians[i], medians[i] / medians[0]);
    }
    return 0;
}
