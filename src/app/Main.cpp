#include <windows.h>

#include "app/ConfiguratorApp.h"
#include "app/SingleInstance.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!ClaimSingleInstance()) {
        BringRunningInstanceToFront();
        return 0;
    }
    static CConfiguratorApp application;
    return application.Run();
}
