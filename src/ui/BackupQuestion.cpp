#include "ui/BackupQuestion.h"

#include "ui/UserInterface.h"

bool KeepBackupsOrAskToSaveWithout(FirstBackups& backups, const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        FileStatus status = backups.Keep(file);
        if (status == FileStatus::Ok) continue;
        std::string question = "No backup of " + file + " could be written (" + DescribeFileStatus(status) +
                               ").\nSave without a backup?";
        if (!AskYesNo(question, "WARNING", MB_ICONEXCLAMATION)) return false;
    }
    return true;
}
