#include "app/SingleInstance.h"

#include <windows.h>

namespace {

// In the global name space: the files are the computer's, whichever user runs the program.
constexpr const char* kRunningMark = "Global\\FS9 Skyliner Config is running";

// The caption of the launcher's template.
constexpr const char* kLauncherCaption = "FS9 Skyliner Config";

}  // namespace

bool ClaimSingleInstance() {
    // Never closed: the system lets go of it when the process ends, however it ends.
    HANDLE mark = CreateMutexA(nullptr, FALSE, kRunningMark);
    if (!mark) return GetLastError() != ERROR_ACCESS_DENIED;  // denied: another user's copy made it
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

void BringRunningInstanceToFront() {
    for (int attempt = 0; attempt < 30; ++attempt) {
        if (HWND launcher = FindWindowA(MAKEINTATOM(32770), kLauncherCaption)) {
            // Each modal window is owned by the one under it, so the last active of the
            // launcher's chain is the innermost.
            HWND innermost = GetLastActivePopup(launcher);
            if (IsIconic(innermost)) ShowWindow(innermost, SW_RESTORE);
            SetForegroundWindow(innermost);
            return;
        }
        Sleep(100);
    }
}
