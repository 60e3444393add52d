// Timings of the profile engine against the platform's own INI functions, in one run:
// the load manager's five reads from a large aircraft.cfg, and the key dialog's 182
// writes into [Keys], one at a time and as the dialog saves them (one batch).
// Run: scripts/benchmark.sh (builds the Windows preset and runs this under Wine).

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "keys/KeyCommands.h"
#include "loadmgr/AircraftFile.h"
#include "platform/Profile.h"
#include "prefs/Preferences.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median of `runs` timings of `work`, each preceded by an untimed `prepare`.
double MedianMilliseconds(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void PutFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// About 150 KB: the usual sections of an aircraft file, with [WEIGHT_AND_BALANCE] in
// the middle of many liveries and tuning sections.
std::string LargeAircraftFile() {
    std::string text;
    int section = 0;
    while (text.size() < 75 * 1024) {
        ++section;
        text += "[fltsim." + std::to_string(section) + "]\r\ntitle=Quill A320 Livery " + std::to_string(section) +
                "\r\nsim=Quill A320\r\nmodel=\r\npanel=\r\nsound=\r\ntexture=" + std::to_string(section) +
                "\r\natc_airline=DEMO\r\nui_manufacturer=Velmora\r\nui_type=A320\r\ndescription=A demo livery "
                "with a long description line that takes room like real ones do.\r\n\r\n";
    }
    text += "[WEIGHT_AND_BALANCE]\r\nmax_gross_weight = 169756\r\nempty_weight = 93500\r\n"
            "station_load.0 = 170, 40.0, -1.5, 0.0, Pilot\r\nstation_load.1 = 170, 40.0, 1.5, 0.0, Copilot\r\n"
            "station_load.2 = \"2491,   16.0, 0.0, 0.0, Baggage\"\r\nstation_load.3 = \"0,   0.0, 0.0, 0.0, Cargo\"\r\n"
            "station_load.4 = \"1322,   26.0, 0.0, 0.0, First\"\r\nstation_load.5 = \"8267,  0.0, 0.0, 0.0, Coach\"\r\n\r\n";
    int row = 0;
    while (text.size() < 150 * 1024) {
        text += "[flight_tuning." + std::to_string(row) + "]\r\n";
        for (int entry = 0; entry < 12; ++entry) {
            text += "tuning_value_" + std::to_string(entry) + " = " + std::to_string(row * 0.37 + entry) + "\r\n";
        }
        text += "\r\n";
        ++row;
    }
    return text;
}

const char* kStationKeys[] = {"empty_weight", "station_load.4", "station_load.5", "station_load.2", "station_load.3"};

std::vector<ProfileEntry> KeyEntries(int round) {
    std::vector<ProfileEntry> entries;
    for (int slot = 0; slot < 91; ++slot) {
        char key[40];
        std::snprintf(key, sizeof key, "Command.%02d-Modifier", slot);
        entries.push_back({"Keys", key, std::to_string((slot + round) % 4)});
        std::snprintf(key, sizeof key, "Command.%02d-Key", slot);
        entries.push_back({"Keys", key, std::to_string(slot + round)});
    }
    return entries;
}

const char* kCommon =
    "[Common]\r\nUnitSystem=0\r\nPushbackType=0\r\nUserExperience=1\r\nPanelVolume=100\r\nIRSAlignmentTime=60\r\n"
    "Modifier=0\r\nLocker=1\r\nAutoPause=0\r\nFsuipcUsage=0\r\nFMGCSaveMode=0\r\n";

void Report(const char* what, double ours, double platform) {
    std::printf("| %-52s | %9.2f ms | %9.2f ms |\n", what, ours, platform);
}

}  // namespace

int main() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string aircraft = std::string(folder) + "bench-aircraft.cfg";
    const std::string prefs = std::string(folder) + "bench-prefs.cfg";
    const std::string large = LargeAircraftFile();
    constexpr int kRuns = 15;

    std::printf("aircraft.cfg of %u bytes; medians of %d runs\n\n", static_cast<unsigned>(large.size()), kRuns);
    std::printf("| %-52s | %12s | %12s |\n|---|---|---|\n", "operation", "our engine", "platform");

    auto freshAircraft = [&] { PutFile(aircraft, large); };
    double oursRead = MedianMilliseconds(kRuns, freshAircraft, [&] { ReadWeightAndBalance(Profile(aircraft).Snapshot(), 93500, 3402, 4536); });
    double platformRead = MedianMilliseconds(kRuns, freshAircraft, [&] {
        char value[99];
        for (const char* key : kStationKeys) {
            GetPrivateProfileStringA("WEIGHT_AND_BALANCE", key, "<UNDEFINED>", value, sizeof value, aircraft.c_str());
        }
    });
    Report("5 weight-and-balance reads, file just written", oursRead, platformRead);

    // 182 entries into [Keys], one at a time through each implementation, and as the key
    // dialog saves them: WriteKeyAssignments, one batch through ours.
    auto keyWrites = [&](const char* what, const std::function<void()>& prepare, int round) {
        const std::vector<ProfileEntry> entries = KeyEntries(round);
        double ours = MedianMilliseconds(kRuns, prepare, [&] {
            Profile file(prefs);
            for (const ProfileEntry& entry : entries) file.Write(entry.section, entry.key, entry.value);
        });
        double platform = MedianMilliseconds(kRuns, prepare, [&] {
            for (const ProfileEntry& entry : entries) {
                WritePrivateProfileStringA(entry.section.c_str(), entry.key.c_str(), entry.value.c_str(), prefs.c_str());
            }
        });
        KeyCommands table = DefaultKeyCommands();
        for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
            table[slot].modifier = (slot + round) % 4;
            table[slot].key = slot + round;
        }
        double save = MedianMilliseconds(kRuns, prepare, [&] { WriteKeyAssignments(prefs, table); });
        Report((std::string("182 ") + what + ", one at a time").c_str(), ours, platform);
        std::printf("| %-52s | %9.2f ms | %12s |\n", (std::string("182 ") + what + ", the key save").c_str(), save, "-");
    };
    keyWrites("new [Keys] entries", [&] { PutFile(prefs, kCommon); }, 0);
    keyWrites("replaced [Keys] values", [&] {
        PutFile(prefs, kCommon);
        Profile(prefs).WriteAll(KeyEntries(0));
    }, 1);

    // What a dialog loads when it opens: each entry read from the file anew, as the dialogs
    // did, against every entry from one read of it.
    std::printf("\n| %-52s | %12s | %12s |\n|---|---|---|\n", "load", "entry by entry", "one read");
    WriteKeyAssignments(prefs, DefaultKeyCommands());
    Profile(prefs).WriteAll({{"Common", "UnitSystem", "1"}, {"Common", "Locker", "0"}});
    auto load = [&](const char* what, const std::string& path, const std::function<void(const Profile&)>& perEntry,
                    const std::function<void()>& fromSnapshot) {
        const Profile file(path);
        double before = MedianMilliseconds(kRuns, [] {}, [&] { perEntry(file); });
        double after = MedianMilliseconds(kRuns, [] {}, fromSnapshot);
        std::printf("| %-52s | %9.2f ms | %9.2f ms |\n", what, before, after);
    };
    KeyCommands table = DefaultKeyCommands();
    load("the key table (182 entries)", prefs, [&](const Profile& file) {
        for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
            char name[32];
            std::snprintf(name, sizeof name, "Command.%02d-Modifier", slot);
            file.ReadInt("Keys", name, -9999);
            std::snprintf(name, sizeof name, "Command.%02d-Key", slot);
            file.ReadInt("Keys", name, -9999);
        }
    }, [&] { ReadKeyAssignments(Profile(prefs).Snapshot(), table); });
    load("the preferences (9 entries)", prefs, [&](const Profile& file) {
        for (int entry = 0; entry < 9; ++entry) file.ReadString("Common", "UnitSystem", "<UNDEFINED>", 49);
    }, [&] { LoadCommonPreferences(Profile(prefs).Snapshot()); });
    PutFile(aircraft, large);
    load("one variant's payload (5 entries, 150 KB file)", aircraft, [&](const Profile& file) {
        for (const char* key : kStationKeys) file.ReadString("WEIGHT_AND_BALANCE", key, "<UNDEFINED>", 99);
    }, [&] { ReadWeightAndBalance(Profile(aircraft).Snapshot(), 93500, 3402, 4536); });

    DeleteFileA(aircraft.c_str());
    DeleteFileA(prefs.c_str());
    return 0;
}
