#include <windows.h>

#include "app/ConfiguratorApp.h"
#include "app/SingleInstance.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    switch (ClaimSingleInstance()) {
        case InstanceClaim::Claimed: break;
        case InstanceClaim::RunningHere: BringRunningInstanceToFront(); return 0;
        case InstanceClaim::RunningForAnotherUser: ReportRunningForAnotherUser(); return 0;
    }
    static CConfiguratorApp application;
    return application.Run();
}
