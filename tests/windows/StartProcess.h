#pragma once

#include <windows.h>

#include <string>

// Starts a program by its command line; its process handle, or null if it could not start.
inline HANDLE StartProcess(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

// A started program's exit code once it ends, its handle closed (255 if it could not start or run).
inline DWORD ExitCodeOf(HANDLE process) {
    DWORD code = 255;
    if (process && WaitForSingleObject(process, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    if (process) CloseHandle(process);
    return code;
}
