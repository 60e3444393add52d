#include "InstallationTest.h"

#include "keys/KeyCommands.h"
#include "shared/SharedValues.h"

InstallationTest::InstallationTest() {
    FsRootPath = folder.Path("");
    FsRootPath.pop_back();
    PrefsPath = folder.Path("Prefs.cfg");
    launcher = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetMainWindow(launcher);
}

InstallationTest::~InstallationTest() {
    SetMainWindow(nullptr);
    DestroyWindow(launcher);
    AircraftSelection = kNoAircraft;
    for (std::int32_t& zfw : VariantZfw) zfw = 0;
    KeyCommandTable = DefaultKeyCommands();
}

std::string InstallationTest::Put(const std::string& relativePath, const std::string& bytes) {
    for (std::size_t end = relativePath.find('\\'); end != std::string::npos; end = relativePath.find('\\', end + 1)) {
        CreateDirectoryA(folder.Path(relativePath.substr(0, end)).c_str(), nullptr);
    }
    return folder.Put(relativePath, bytes);
}
