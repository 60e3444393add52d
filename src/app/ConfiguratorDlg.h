#pragma once

#include "ui/ModalDialog.h"

// The launcher: four picture buttons that start the flows, and Exit. Closing it ends
// the process.
class CConfiguratorDlg : public ModalDialog {
public:
    explicit CConfiguratorDlg(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    HICON icon_;
};
