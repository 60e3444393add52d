#pragma once

#include <string>
#include <vector>

#include "platform/InstallPaths.h"
#include "ui/ModalDialog.h"

// Lists the backups found beside the installed variants' files and the preferences file,
// each with a check box, and puts the chosen ones back in place of their files.
class CRestoreBackupsDlg : public ModalDialog {
public:
    // `files`: every file that may have a backup.
    explicit CRestoreBackupsDlg(std::vector<std::string> files, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void Restore();

    std::vector<std::string> files_;  // those with a backup, in the list's order
};

// The files the program saves, for the dialog: each variant's candidate files and Prefs.cfg.
std::vector<std::string> FilesTheProgramSaves(const InstallPaths& paths);
