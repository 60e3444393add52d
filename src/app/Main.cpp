#include <windows.h>

#include "app/ConfiguratorApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    static CConfiguratorApp application;
    return application.Run();
}
