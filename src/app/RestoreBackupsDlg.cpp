#include "app/RestoreBackupsDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>

#include "aircraft/Variants.h"
#include "platform/Backups.h"
#include "res/ResourceIds.h"
#include "ui/DialogItems.h"
#include "ui/UserInterface.h"

namespace {

const char* const kCaption = "Restore Backups";

// When the backup was written, in local time, as the list shows it.
std::string BackupDate(const std::string& file) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    SYSTEMTIME time;
    if (!GetFileAttributesExA(BackupPathOf(file).c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time)) {
        return "?";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute);
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

std::vector<std::string> FilesTheProgramSaves(const InstallPaths& paths) {
    std::vector<std::string> files;
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        for (std::string& file : CandidateFiles(*FindVariant(selection), paths.fsRoot)) files.push_back(std::move(file));
    }
    files.push_back(paths.prefs);
    return files;
}

CRestoreBackupsDlg::CRestoreBackupsDlg(std::vector<std::string> files, HWND parent)
    : ModalDialog(IDD_RESTORE_BACKUPS, parent), files_(FilesWithBackups(files)) {}

bool CRestoreBackupsDlg::OnInitDialog() {
    HWND list = Item(IDC_RESTORE_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, "File", 0);
    AddColumn(list, 1, "Backup date", 0);
    for (std::size_t index = 0; index < files_.size(); ++index) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(index);
        item.pszText = const_cast<char*>(files_[index].c_str());
        int row = ListView_InsertItem(list, &item);
        std::string date = BackupDate(files_[index]);
        ListView_SetItemText(list, row, 1, &date[0]);
        ListView_SetCheckState(list, row, TRUE);
    }
    // The date takes what it needs; the path, the rest.
    ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE);
    const int headerWidth = ListView_GetStringWidth(list, "Backup date") + 16;
    if (ListView_GetColumnWidth(list, 1) < headerWidth) ListView_SetColumnWidth(list, 1, headerWidth);
    RECT area;
    GetClientRect(list, &area);
    ListView_SetColumnWidth(list, 0, area.right - ListView_GetColumnWidth(list, 1) - GetSystemMetrics(SM_CXVSCROLL));
    SetItemText(Window(), IDC_RESTORE_NOTE,
                files_.empty() ? "No backup was found. A file gets one beside it the first time this program saves it."
                               : "Each file below has a backup of how it was before this program first changed it. "
                                 "Restore puts the checked backups back; the backups stay.");
    EnableWindow(Item(IDC_RESTORE), !files_.empty());
    return true;
}

bool CRestoreBackupsDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_RESTORE && code == BN_CLICKED) {
        Restore();
        return true;
    }
    return ModalDialog::OnCommand(id, code, control);
}

void CRestoreBackupsDlg::Restore() {
    std::vector<std::string> chosen;
    for (std::size_t index = 0; index < files_.size(); ++index) {
        if (ListView_GetCheckState(Item(IDC_RESTORE_LIST), static_cast<int>(index))) chosen.push_back(files_[index]);
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
        FileStatus status = RestoreBackup(file);
        if (status == FileStatus::Ok) {
            restored += "\n" + file;
        } else {
            failed += "\n" + file + ": " + DescribeFileStatus(status) + ".";
        }
    }
    std::string report = restored.empty() ? std::string() : "Restored:" + restored;
    if (!failed.empty()) report += (report.empty() ? "" : "\n\n") + std::string("Not restored:") + failed;
    ShowMessage(report, kCaption, failed.empty() ? MB_ICONINFORMATION : MB_ICONSTOP);
}
