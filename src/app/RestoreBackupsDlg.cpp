#include "app/RestoreBackupsDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>

#include "platform/Backups.h"
#include "res/ResourceIds.h"
#include "ui/DialogItems.h"
#include "ui/UserInterface.h"
#include "ui/WindowScale.h"

namespace {

const char* const kCaption = "Restore Backups";

// A file time of the seam (seconds since 1970) in local time, as the list shows it.
std::string LocalDate(long long secondsSince1970) {
    const long long ticks = (secondsSince1970 + 11644473600LL) * 10000000LL;
    FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)}, local;
    SYSTEMTIME time;
    if (secondsSince1970 <= 0 || !FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time)) return "?";
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute);
    return text;
}

// What the list says of a backup beside its file's name.
std::string BackupColumn(const FoundBackup& backup) {
    if (backup.status != FileStatus::Ok) return std::string("cannot be read: ") + DescribeFileStatus(backup.status);
    std::string text = LocalDate(backup.written);
    if (backup.fileChanged) text += "; the file changed since this backup was made, on " + LocalDate(*backup.fileChanged);
    return text;
}

void AddColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    ListView_InsertColumn(list, index, &column);
}

}  // namespace

CRestoreBackupsDlg::CRestoreBackupsDlg(const std::vector<SavedFile>& files, HWND parent)
    : ModalDialog(IDD_RESTORE_BACKUPS, parent), backups_(FindBackups(files)) {}

bool CRestoreBackupsDlg::OnInitDialog() {
    HWND list = Item(IDC_RESTORE_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, "File", 0);
    AddColumn(list, 1, "Backup date", 0);
    bool allRestorable = true;
    for (std::size_t index = 0; index < backups_.size(); ++index) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(index);
        item.pszText = const_cast<char*>(backups_[index].file.c_str());
        int row = ListView_InsertItem(list, &item);
        std::string said = BackupColumn(backups_[index]);
        ListView_SetItemText(list, row, 1, &said[0]);
        ListView_SetCheckState(list, row, backups_[index].Restorable());
        allRestorable = allRestorable && backups_[index].Restorable();
    }
    SizeColumns(WindowDpi(list));
    std::string note = backups_.empty()
                           ? "No backup was found. A file gets one beside it the first time this program saves it."
                           : "Each file below has a backup of how it was before this program first changed it. "
                             "Restore puts the checked backups back; the backups stay.";
    if (!allRestorable) note += " A row left unchecked says why.";
    SetItemText(Window(), IDC_RESTORE_NOTE, note);
    EnableWindow(Item(IDC_RESTORE), !backups_.empty());
    return true;
}

void CRestoreBackupsDlg::SizeColumns(int dpi) {
    HWND list = Item(IDC_RESTORE_LIST);
    ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE);
    const int headerWidth = ListView_GetStringWidth(list, "Backup date") + ScaledLength(16, dpi);
    if (ListView_GetColumnWidth(list, 1) < headerWidth) ListView_SetColumnWidth(list, 1, headerWidth);
    RECT area;
    GetClientRect(list, &area);
    ListView_SetColumnWidth(list, 0, area.right - ListView_GetColumnWidth(list, 1) - SystemMetricAt(SM_CXVSCROLL, dpi));
}

void CRestoreBackupsDlg::OnScaleChanged(int dpi) { SizeColumns(dpi); }

bool CRestoreBackupsDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_RESTORE && code == BN_CLICKED) {
        Restore();
        return true;
    }
    return ModalDialog::OnCommand(id, code, control);
}

void CRestoreBackupsDlg::Restore() {
    std::vector<std::string> chosen;
    for (std::size_t index = 0; index < backups_.size(); ++index) {
        if (ListView_GetCheckState(Item(IDC_RESTORE_LIST), static_cast<int>(index))) chosen.push_back(backups_[index].file);
    }
    if (chosen.empty()) {
        ShowMessage("No backup is checked.", kCaption, MB_ICONEXCLAMATION);
        return;
    }
    if (!AskYesNo("Put the checked backups back in place of their files?\n\nWhat these files hold now will be "
                  "replaced.",
                  kCaption, MB_ICONQUESTION)) {
        return;
    }
    std::string restored, failed;
    for (const std::string& file : chosen) {
        const RestoreResult result = RestoreBackup(file);
        if (result.status == FileStatus::Ok) {
            restored += "\n" + file;
        } else {
            failed += "\n" + result.failedPath + ": " + DescribeFileStatus(result.status) + ".";
        }
    }
    std::string report = restored.empty() ? std::string() : "Restored:" + restored;
    if (!failed.empty()) report += (report.empty() ? "" : "\n\n") + std::string("Not restored:") + failed;
    ShowMessage(report, kCaption, failed.empty() ? MB_ICONINFORMATION : MB_ICONSTOP);
}
