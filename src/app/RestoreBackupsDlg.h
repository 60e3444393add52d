#pragma once

#include <string>
#include <vector>

#include "platform/Backups.h"
#include "ui/ModalDialog.h"

// Lists the backups found beside the variants' files and the preferences file, each with a
// check box, and puts the chosen ones back in place of their files. A backup that cannot be
// read, or whose file another program changed since (a restore would undo that), is listed
// with the reason and left unchecked.
class CRestoreBackupsDlg : public ModalDialog {
public:
    // `files`: every file that may have a backup.
    explicit CRestoreBackupsDlg(const std::vector<SavedFile>& files, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnScaleChanged(int dpi) override;

private:
    // The date column as wide as its widest text, the file column the rest of the list.
    void SizeColumns(int dpi);
    void Restore();

    std::vector<FoundBackup> backups_;  // in the list's order
};
