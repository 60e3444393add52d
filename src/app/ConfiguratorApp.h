#pragma once

// The application: sets up the common controls and runs the launcher as the main
// window; when the launcher closes, the process ends.
class CConfiguratorApp {
public:
    int Run();
};
