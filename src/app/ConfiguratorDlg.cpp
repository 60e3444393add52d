#include "app/ConfiguratorDlg.h"

#include "app/LauncherFlows.h"
#include "app/SimulatorFolder.h"
#include "res/ResourceIds.h"
#include "simbrief/SimBriefFlows.h"
#include "ui/UserInterface.h"

namespace {

constexpr int kButtons[] = {IDC_AIRCRAFT_CONFIGURATION, IDC_LOAD_MANAGER, IDC_FUEL_PLANNER, IDC_KEY_ASSIGNMENTS};
constexpr int kBitmaps[] = {IDB_CONFIGURATION, IDB_LOAD_MANAGER, IDB_FUEL_PLANNER, IDB_KEY_CONFIG};

// The launcher's items in its window menu (Alt+Space), after the system's own; each runs
// a flow owned by the launcher.
struct WindowMenuItem {
    UINT command;
    const char* text;
    void (*run)(HWND launcher, RunState& run);
};
constexpr WindowMenuItem kWindowMenu[] = {
    {IDM_ABOUT, "&About FS9 Skyliner Config...", OnAbout},
    {IDM_RESTORE_BACKUPS, "Restore &backups...", OnRestoreBackups},
    {IDM_SIMBRIEF_PILOT_ID, "SimBrief Pilot &ID...", OnSimBriefPilotId},
};

}  // namespace

CConfiguratorDlg::CConfiguratorDlg(HWND parent)
    : ModalDialog(IDD_LAUNCHER, parent),
      icon_(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPLICATION_ICON))) {}

bool CConfiguratorDlg::OnInitDialog() {
    SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    for (int i = 0; i < 4; ++i) ShowPicture(kButtons[i], kBitmaps[i]);
    run_ = std::make_unique<RunState>(FindInstallPaths());
    if (!run_->Paths().unheldFolder.empty()) {
        ShowUnicodeMessage(UnheldFolderMessage(run_->Paths().unheldFolder), "ERROR", MB_ICONEXCLAMATION, Window());
    }
    HMENU menu = GetSystemMenu(Window(), FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (const WindowMenuItem& item : kWindowMenu) AppendMenuA(menu, MF_STRING, item.command, item.text);
    return true;
}

bool CConfiguratorDlg::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_AIRCRAFT_CONFIGURATION: OnAircraftConfiguration(Window(), *run_); return true;
            case IDC_LOAD_MANAGER: OnLoadManager(Window(), *run_); return true;
            case IDC_FUEL_PLANNER: OnFuelPlanner(Window(), *run_); return true;
            case IDC_KEY_ASSIGNMENTS: OnKeyAssignments(Window(), *run_); return true;
            case IDC_PREPARE_FLIGHT: OnPrepareFlight(Window(), *run_); return true;
            default: break;
        }
    }
    return ModalDialog::OnCommand(id, code, control);
}

bool CConfiguratorDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_SYSCOMMAND) return false;
    for (const WindowMenuItem& item : kWindowMenu) {
        if ((wParam & 0xFFF0) == item.command) {
            item.run(Window(), *run_);
            result = TRUE;
            return true;
        }
    }
    return false;
}

// Enter presses the focused button, whichever the dialog manager holds for the default, so
// that only Exit, Escape and the close box end the program.
void CConfiguratorDlg::OnOK() {
    HWND focus = GetFocus();
    if (focus && GetParent(focus) == Window()) {
        SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
    }
}
