#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Before a save: each of `files` that exists keeps its first backup. Where one cannot be
// written, the user is asked whether to save without it; false when they answer No, and
// then nothing may be saved.
bool KeepBackupsOrAskToSaveWithout(const std::vector<std::string>& files, HWND owner = nullptr);
