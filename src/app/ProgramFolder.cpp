#include "app/ProgramFolder.h"

#include <windows.h>
#include <shlobj.h>

std::optional<std::u16string> ApplicationDataFolder() {
    wchar_t folder[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) return std::nullopt;
    return std::u16string(folder, folder + wcslen(folder));
}

void MakeProgramFolder(const InstallPaths& paths) { CreateDirectoryA(paths.programFolder.c_str(), nullptr); }
