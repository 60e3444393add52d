#include <windows.h>

#include <string>

#include "app/SimulatorFolder.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InstallPaths paths = FindInstallPaths();
    std::string text = "Simulator folder:\n" + paths.fsRoot + "\n\nPreferences file:\n" + paths.prefs;
    MessageBoxA(nullptr, text.c_str(), "FS9 Skyliner Config", MB_OK | MB_ICONINFORMATION);
    return 0;
}
