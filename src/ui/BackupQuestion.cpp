#include "ui/BackupQuestion.h"

#include "platform/Backups.h"
#include "ui/UserInterface.h"

bool KeepBackupsOrAskToSaveWithout(const std::vector<std::string>& files, HWND owner) {
    for (const std::string& file : files) {
        FileStatus status = KeepFirstBackup(file);
        if (status == FileStatus::Ok) continue;
        std::string question = "No backup of " + file + " could be written (" + DescribeFileStatus(status) +
                               ").\nSave without a backup?";
        if (!AskYesNo(question, "WARNING", MB_ICONEXCLAMATION, owner)) return false;
    }
    return true;
}
