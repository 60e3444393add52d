#pragma once

#include <string>

#include "platform/InstallPaths.h"
#include "ui/ModalDialog.h"

// The question for the user's Pilot ID: says where to find it, takes digits only, and keeps
// it in the settings file on OK. A Pilot ID that is none, or a file that could not be
// written, is told and the question stays open.
class CPilotIdDlg : public ModalDialog {
public:
    CPilotIdDlg(const InstallPaths& paths, std::string keptId, HWND parent = nullptr);

    // The Pilot ID kept, after IDOK.
    const std::string& Id() const { return id_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const InstallPaths& paths_;
    std::string id_;
};
