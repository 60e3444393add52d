#include "app/SimulatorFolder.h"

#include <windows.h>
#include <shlwapi.h>

#include <optional>
#include <string>

namespace {

constexpr const char* kSimulatorKey = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";

// The registry value at its full length: the size is asked first, then the value read
// into a buffer of that size (asked again if the value grew meanwhile).
std::optional<std::string> ReadRegisteredExePath() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (SHGetValueA(HKEY_LOCAL_MACHINE, kSimulatorKey, "EXE Path", &type, nullptr, &size) != ERROR_SUCCESS ||
            type != REG_SZ) {
            return std::nullopt;
        }
        std::string value(size + 1, '\0');
        DWORD read = size + 1;  // room for a terminator the stored value may lack
        LSTATUS status = SHGetValueA(HKEY_LOCAL_MACHINE, kSimulatorKey, "EXE Path", &type, &value[0], &read);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
        value.resize(value.find('\0'));
        return value;
    }
    return std::nullopt;
}

std::string CurrentDirectory() {
    for (;;) {
        DWORD size = GetCurrentDirectoryA(0, nullptr);
        if (size == 0) return {};
        std::string folder(size, '\0');
        DWORD length = GetCurrentDirectoryA(size, &folder[0]);
        if (length < size) {
            folder.resize(length);
            return folder;
        }
    }
}

}  // namespace

InstallPaths FindInstallPaths() {
    return ComputeInstallPaths(ReadRegisteredExePath(), CurrentDirectory());
}
