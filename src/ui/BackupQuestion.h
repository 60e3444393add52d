#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/Backups.h"

// Before a save: each of `files` keeps its first backup. Where one cannot be written, the
// user is asked whether to save without it; false when they answer No, and then nothing may
// be saved.
bool KeepBackupsOrAskToSaveWithout(FirstBackups& backups, const std::vector<std::string>& files);

// Every save of a file the user edits: the backups first, then `save`, whose outcome comes
// back; nothing when the user declined to save without a backup, and then nothing was saved.
// Called from a dialog's OK, so that the dialog can stay open with what the user set.
template <typename Save>
std::optional<std::invoke_result_t<Save>> BackUpThenSave(FirstBackups& backups, const std::vector<std::string>& files,
                                                         Save save) {
    if (!KeepBackupsOrAskToSaveWithout(backups, files)) return std::nullopt;
    std::optional<std::invoke_result_t<Save>> outcome(save());
    for (const std::string& file : files) backups.Saved(file);
    return outcome;
}
