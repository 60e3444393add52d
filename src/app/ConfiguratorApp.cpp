#include "app/ConfiguratorApp.h"

#include <windows.h>
#include <commctrl.h>

#include "app/ConfiguratorDlg.h"
#include "ui/UserInterface.h"

namespace {

// The launcher becomes the main window as soon as it exists, so that every dialog and
// message box created without a parent is owned by it.
class MainLauncher : public CConfiguratorDlg {
protected:
    bool OnInitDialog() override {
        SetMainWindow(Window());
        return CConfiguratorDlg::OnInitDialog();
    }
};

}  // namespace

int CConfiguratorApp::Run() {
    // Trackbars, progress bars and the hot-key control of the dialogs.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    {
        MainLauncher launcher;
        launcher.DoModal();
    }
    SetMainWindow(nullptr);
    return 0;
}
