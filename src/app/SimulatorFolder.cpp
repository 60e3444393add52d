#include "app/SimulatorFolder.h"

#include <windows.h>
#include <shlwapi.h>

#include <optional>
#include <string>

#include "app/ProgramFolder.h"
#include "platform/SystemCodePage.h"

namespace {

constexpr const wchar_t* kSimulatorKey = L"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";

// The registry value at its full length, in UTF-16 so that no character is lost before the
// folder is resolved: the size is asked first, then the value read into a buffer of that
// size (asked again if the value grew meanwhile).
std::optional<std::u16string> ReadRegisteredExePath() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (SHGetValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"EXE Path", &type, nullptr, &size) != ERROR_SUCCESS ||
            type != REG_SZ) {
            return std::nullopt;
        }
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');  // room for a terminator the value may lack
        DWORD read = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        LSTATUS status = SHGetValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"EXE Path", &type, &value[0], &read);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
        value.resize(value.find(L'\0'));
        return std::u16string(value.begin(), value.end());
    }
    return std::nullopt;
}

std::u16string CurrentDirectory() {
    for (;;) {
        DWORD size = GetCurrentDirectoryW(0, nullptr);
        if (size == 0) return {};
        std::wstring folder(size, L'\0');
        DWORD length = GetCurrentDirectoryW(size, &folder[0]);
        if (length < size) return std::u16string(folder.begin(), folder.begin() + length);
    }
}

}  // namespace

InstallPaths FindInstallPaths() {
    InstallPaths paths = ComputeInstallPaths(ReadRegisteredExePath(), CurrentDirectory(), Narrow);
    AddProgramFolder(paths, ApplicationDataFolder(), Narrow);
    return paths;
}
