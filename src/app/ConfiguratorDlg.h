#pragma once

#include <memory>

#include "app/RunState.h"
#include "ui/ModalDialog.h"

// The launcher: four picture buttons that start the flows, and Exit; its window menu adds
// the program's own items. It owns what the run keeps and hands it to every flow. Closing it
// ends the process.
class CConfiguratorDlg : public ModalDialog {
public:
    explicit CConfiguratorDlg(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnOK() override;

private:
    HICON icon_;
    std::unique_ptr<RunState> run_;  // from the launcher's initialisation, when the folders are found
};
