#include "app/SingleInstance.h"

#include <windows.h>

#include "ui/UserInterface.h"

namespace {

// In the global name space: the files are the computer's, whichever user runs the program.
constexpr const char* kRunningMark = "Global\\FS9 Skyliner Config is running";

// The caption of the launcher's template.
constexpr const char* kLauncherCaption = "FS9 Skyliner Config";

}  // namespace

InstanceClaim ClaimSingleInstance() {
    // Never closed: the system lets go of it when the process ends, however it ends.
    HANDLE mark = CreateMutexA(nullptr, FALSE, kRunningMark);
    if (!mark) {
        // Denied: another user's copy made it, and only that user may open it.
        return GetLastError() == ERROR_ACCESS_DENIED ? InstanceClaim::RunningForAnotherUser : InstanceClaim::Claimed;
    }
    return GetLastError() == ERROR_ALREADY_EXISTS ? InstanceClaim::RunningHere : InstanceClaim::Claimed;
}

void BringRunningInstanceToFront() {
    for (int attempt = 0; attempt < 30; ++attempt) {
        if (HWND launcher = FindWindowA(MAKEINTATOM(32770), kLauncherCaption)) {
            // Each modal window is owned by the one under it, so the last active of the
            // launcher's chain is the innermost.
            HWND innermost = GetLastActivePopup(launcher);
            // Minimised, the launcher hides the dialogs it owns. Restored without activating,
            // so that its own activation cannot land after the innermost's and cover it.
            if (IsIconic(launcher)) ShowWindow(launcher, SW_SHOWNOACTIVATE);
            if (IsIconic(innermost)) ShowWindow(innermost, SW_SHOWNOACTIVATE);
            SetForegroundWindow(innermost);
            return;
        }
        Sleep(100);
    }
}

void ReportRunningForAnotherUser() {
    ShowMessage("FS9 Skyliner Config is already running for another user of this computer.\n"
                "Only one copy can run at a time, so that two never change the same files: that user "
                "must close it first.",
                kLauncherCaption, MB_ICONINFORMATION);
}
