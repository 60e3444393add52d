#include <gtest/gtest.h>

#include "LoopbackServer.h"

#include "DemoFiles.h"
#include "InstallationTest.h"
#include "StartProcess.h"
#include "ResourceIds.h"
#include "app/ConfiguratorDlg.h"
#include "app/LauncherFlows.h"
#include "app/SimulatorFolder.h"
#include "platform/Profile.h"
#include "platform/SystemCodePage.h"
#include "ui/DialogItems.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <cstring>
#include <memory>
#include <tuple>

namespace {

constexpr const wchar_t* kSimulatorKey = L"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";

// Registers the simulator's folder, or removes it for null; the tests' Wine prefix has none.
void Register(const wchar_t* folder) {
    if (!folder) SHDeleteValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"EXE Path");
    else ASSERT_EQ(SHSetValueW(HKEY_LOCAL_MACHINE, kSimulatorKey, L"EXE Path", REG_SZ, folder, DWORD(2 * wcslen(folder) + 2)),
                   ERROR_SUCCESS);
}

// The registered folder is used resolved, however long, whole in code page 932 (LANG=ja_JP), and named in Unicode
// at start where the code page cannot hold it. Without it the start is two levels above the current folder.
// The window menu's Pilot ID item asks for it, to keep it in the user's application data.
TEST(LauncherTest, TakesItsPathsFromTheRegistryAndShowsItsIconAndMenu) {
    Register(L"D:\\Sim\\性能\\.\\FS9\\");
    EXPECT_EQ(FindInstallPaths().fsRoot, GetACP() == 932 ? "D:\\Sim\\\x90\xab\x94\x5c\\FS9" : "D:\\Sim\\??\\FS9");
    FakeUserInterface ui;
    CConfiguratorDlg launcher;
    ASSERT_NE(launcher.CreateForTest(nullptr), nullptr);
    EXPECT_EQ(ui.messages.size(), GetACP() == 932 ? 0u : 1u);
    for (const std::u16string& text : ui.unicodeTexts) EXPECT_EQ(text.find(u"\nD:\\Sim\\性能\\FS9\n"), 22u);
    EXPECT_NE(SendMessageA(launcher.Window(), WM_GETICON, ICON_SMALL, 0), 0);
    char item[64] = "";
    GetMenuStringA(GetSystemMenu(launcher.Window(), FALSE), IDM_RESTORE_BACKUPS, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ(item, "Restore &backups...");
    ui.dialogsFail = true;
    SendMessageA(launcher.Window(), WM_SYSCOMMAND, IDM_SIMBRIEF_PILOT_ID, 0);
    EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_PILOT_ID});

    std::wstring deep = L"D:";
    while (deep.size() < 700) deep += L"\\Simulators and their many add-ons";
    Register(deep.c_str());
    EXPECT_EQ(FindInstallPaths().fsRoot, std::string(deep.begin(), deep.end()));

    Register(nullptr);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\windows\\system32"));
    const std::string prefs = FindInstallPaths().prefs;
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(prefs, "C:\\Velmora\\Skyliner\\Prefs.cfg");
}

// Enter presses the focused button, first the one focused when the launcher opens: only
// Exit ends the launcher.
TEST(LauncherTest, EnterPressesTheFocusedButton) {
    FakeUserInterface ui;
    ui.dialogsFail = true;
    CConfiguratorDlg launcher;
    ASSERT_NE(launcher.CreateForTest(nullptr), nullptr);
    const std::pair<int, std::vector<int>> presses[] = {
        {0, {IDD_CONFIGURATION}}, {IDC_FUEL_PLANNER, {IDD_AIRCRAFT_SELECTOR}}, {IDCANCEL, {}}};
    for (const auto& [focus, runs] : presses) {
        if (focus) SendMessageA(launcher.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(launcher.Item(focus)), TRUE);
        ui.modalRuns.clear();
        PressKeys(launcher.Window(), {VK_RETURN});
        EXPECT_EQ(ui.modalRuns, runs) << focus;
        EXPECT_EQ(launcher.Window() == nullptr, focus == IDCANCEL) << focus;
    }
}

// A window of another process, once it shows.
HWND AwaitWindow(const char* caption) {
    HWND window = nullptr;
    for (int wait = 0; !window && wait < 100; ++wait, Sleep(100)) window = FindWindowA(MAKEINTATOM(32770), caption);
    return window;
}

// The real program, beside the tests; ended with the handle.
std::shared_ptr<void> StartProgram() {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::strcpy(std::strrchr(program, '\\') + 1, "FS9SkylinerConfig.exe");
    HANDLE started = StartProcess(std::string("\"") + program + "\"");
    EXPECT_NE(started, nullptr);
    return {started, [](HANDLE process) { TerminateProcess(process, 0); CloseHandle(process); }};
}

// Started twice: the second start brings the first one's innermost window, its About box,
// to the front, the launcher restored from its minimised state, and ends at once, opening
// nothing of its own.
TEST(LauncherTest, ASecondStartBringsTheRunningProgramToTheFrontAndEnds) {
    const auto first = StartProgram();
    const HWND launcher = AwaitWindow("FS9 Skyliner Config");
    PostMessageA(launcher, WM_SYSCOMMAND, IDM_ABOUT, 0);
    const HWND about = AwaitWindow("About FS9 Skyliner Config");
    ShowWindow(launcher, SW_MINIMIZE);
    HWND other = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_NE(GetForegroundWindow(), about);
    const auto second = StartProgram();
    ASSERT_EQ(WaitForSingleObject(second.get(), 5000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(second.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
    // The system hands the foreground to the other process's thread by a message of its own.
    for (int wait = 0; GetForegroundWindow() != about && wait < 50; ++wait) Sleep(20);
    EXPECT_EQ(GetForegroundWindow(), about);
    EXPECT_FALSE(IsIconic(launcher));
}

// The flows against a simulator folder that holds the A320 with its IAE version and, of the
// A319, only its IAE version.
class LauncherFlowsTest : public InstallationTest {
protected:
    LauncherFlowsTest() {
        // 3000 lb are 18 passengers, more than the 12 seats of the business class; 100000 lb
        // are 45360 kg.
        primary = folder.Put(kPrimary, kWeights + "station_load.4=\"3000, 26.0, 0.0, 0.0, First\"\r\n"
                                                  "max_gross_weight=100000\r\n");
        alternative = folder.Put("Aircraft\\Velmora Quill A320IAE\\Aircraft.cfg", kWeights);
        a319 = folder.Put("Aircraft\\Velmora Quill A319IAE\\Aircraft.cfg", a319Bytes);
    }
    ~LauncherFlowsTest() override { SetFileAttributesA(alternative.c_str(), FILE_ATTRIBUTE_NORMAL); }

    void Choose(int button) {
        ui.Script(IDD_AIRCRAFT_SELECTOR, [button](ModalDialog& selector) { Press(selector, button); });
    }
    void Reset() { ui.modalRuns.clear(), ui.modalOwners.clear(), ui.messages.clear(); }
    // The launcher's button for `flow`, a variant chosen and `step` played in its `dialog`.
    void Run(void (*flow)(HWND, RunState&), int button, int dialog, FakeUserInterface::Step step) {
        Reset();
        Choose(button);
        RunFlow(flow, dialog, std::move(step));
        EXPECT_EQ(ui.modalRuns, (std::vector<int>{IDD_AIRCRAFT_SELECTOR, dialog}));
    }
    // As a user's drag ends: the slider moves and repaints, and the repaint tells the dialog.
    static void Slide(const ModalDialog& dialog, int id, int position) {
        SendMessageA(dialog.Item(id), TBM_SETPOS, TRUE, position);
        PumpMessages();
    }
    static std::string Station(const std::string& path, const char* key) {
        return Profile(path).ReadString("WEIGHT_AND_BALANCE", key, "<UNDEFINED>", 99);
    }

    static constexpr const char* kPrimary = "Aircraft\\Velmora Quill A320\\Aircraft.cfg";
    const std::string kWeights = "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n";
    const std::string a319Bytes = "[WEIGHT_AND_BALANCE]\r\nstation_load.5=\"11000, 0.0, 0.0, 0.0, Coach\"\r\n";
    std::string primary, alternative, a319;
};

// Cancel opens the selector again; the last variant pressed wins. The planner is told the file's
// maximum weight.
TEST_F(LauncherFlowsTest, TheSelectorReopensUntilAVariantIsChosen) {
    ui.Script(IDD_AIRCRAFT_SELECTOR, [](ModalDialog& selector) {
        Press(selector, IDCANCEL);
        EXPECT_EQ(selector.Window(), nullptr);
    });
    ui.Script(IDD_AIRCRAFT_SELECTOR, [](ModalDialog& selector) {
        Press(selector, IDC_SELECT_A318);
        Press(selector, IDC_SELECT_A320);
        EXPECT_EQ(SendMessageA(selector.Item(IDC_SELECT_A318), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_NE(selector.Window(), nullptr) << "a variant button must not close the selector";
    });
    RunFlow(OnFuelPlanner, IDD_FUEL_PLANNER, [](ModalDialog& planner) {
        SetItemText(planner.Window(), IDC_PLANNER_DISTANCE, "500");
        SetItemText(planner.Window(), IDC_PLANNER_ALTITUDE, "35000");
        Press(planner, IDC_PLANNER_VALIDATE);
        EXPECT_EQ(ItemText(planner.Window(), IDC_PLANNER_TAKE_OFF_WEIGHT_NOTE),
                  "Take-off weight 48153 kg is above the maximum of 45360 kg in the aircraft file.");
    });
    EXPECT_EQ(ui.modalRuns, (std::vector<int>{IDD_AIRCRAFT_SELECTOR, IDD_AIRCRAFT_SELECTOR, IDD_FUEL_PLANNER}));
    EXPECT_EQ(ui.modalOwners, std::vector<HWND>(3, launcher));
    EXPECT_TRUE(ui.messages.empty()) << "a cancelled dialog has nothing to say";
}

TEST_F(LauncherFlowsTest, ASelectorThatCannotOpenEndsTheFlowInsteadOfLooping) {
    ui.dialogsFail = true;
    OnLoadManager(launcher, run);
    EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_AIRCRAFT_SELECTOR});
    EXPECT_EQ(ui.TakeMessage("Error", MB_OK | MB_ICONSTOP, launcher), "The aircraft selector could not be opened.");
}

// The load manager's refusal is the prepared flight's below.
TEST_F(LauncherFlowsTest, AVariantWithoutFilesIsReportedAndNothingOpens) {
    Choose(IDC_SELECT_A318);
    OnFuelPlanner(launcher, run);
    EXPECT_EQ(ui.modalRuns, std::vector<int>{IDD_AIRCRAFT_SELECTOR});
    EXPECT_EQ(ui.TakeMessage("ERROR", MB_OK | MB_ICONEXCLAMATION, launcher).rfind("Sorry, this aircraft is not", 0), 0u);
}

// A file that cannot be read keeps its dialog closed: OK would save defaults over it. A held
// aircraft file still counts as installed, so it is reported rather than skipped.
TEST_F(LauncherFlowsTest, AnUnreadableFileKeepsItsDialogClosed) {
    folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n");
    const std::pair<void (*)(HWND, RunState&), std::string> flows[] = {
        {OnAircraftConfiguration, prefsPath}, {OnKeyAssignments, prefsPath}, {OnLoadManager, primary}};
    for (const auto& [flow, file] : flows) {
        Reset();
        if (flow == OnLoadManager) Choose(IDC_SELECT_A320);
        HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        flow(launcher, run);
        CloseHandle(held);
        EXPECT_EQ(ui.modalRuns, std::vector<int>(flow == OnLoadManager ? 1 : 0, IDD_AIRCRAFT_SELECTOR));
        const std::string reason = "The file\n" + file + "\ncould not be read: another program is using the file.\n\n";
        EXPECT_EQ(ui.TakeMessage("ERROR", MB_OK | MB_ICONSTOP, launcher).rfind(reason, 0), 0u);
    }
}

TEST_F(LauncherFlowsTest, LoadManagerSlidersAndUnitsDriveTheReadOutsAndOKSavesIntoBothFiles) {
    const std::string original = folder.Take(kPrimary);
    Run(OnLoadManager, IDC_SELECT_A320, IDD_A320_LOAD_MANAGER, [](ModalDialog& dialog) {
        EXPECT_TRUE(GetWindowLongA(dialog.Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW) << "its own task-bar button";
        EXPECT_EQ(SendMessageA(dialog.Item(IDC_FIRST_CABIN_BAR), PBM_GETPOS, 0, 0), 12);
        Slide(dialog, IDC_SECOND_CABIN_SLIDER, 500);  // beyond the 138 seats
        Slide(dialog, IDC_FORWARD_HOLD_SLIDER, 50);
        Slide(dialog, IDC_AFT_HOLD_SLIDER, 100);
        EXPECT_EQ(ItemTexts(dialog.Window(), {IDC_FIRST_CABIN_COUNT, IDC_SECOND_CABIN_COUNT, IDC_SECOND_CABIN_WEIGHT,
                                              IDC_FORWARD_HOLD_PERCENT, IDC_FORWARD_HOLD_WEIGHT, IDC_CARGO_WEIGHT,
                                              IDC_AIRCRAFT_WEIGHT, IDC_ZFW}),
                  "12 138 10350 50 1701 6237 42412 59899 ");
        Press(dialog, IDC_UNIT_LB);
        EXPECT_EQ(ItemText(dialog.Window(), IDC_ZFW), "132050");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(ui.TakeMessage("WARNING", MB_OK | MB_ICONINFORMATION, launcher),
              "The new payload has been saved in the aircraft file (aircraft.cfg).\n"
              "It will be taken into account next time the aircraft is loaded in FS.");
    EXPECT_EQ(Station(primary, "station_load.4"), "1984,   26.0, 0.0, 0.0, First");
    for (const char* key : {"station_load.2", "station_load.3", "station_load.4", "station_load.5"}) {
        EXPECT_EQ(Station(alternative, key), Station(primary, key)) << key;
    }

    // Opened again in kilograms on what was saved; Cancel keeps the files.
    const std::string saved = folder.Take(kPrimary);
    Run(OnLoadManager, IDC_SELECT_A320, IDD_A320_LOAD_MANAGER, [](ModalDialog& dialog) {
        EXPECT_TRUE(IsItemChecked(dialog.Window(), IDC_UNIT_KG));
        EXPECT_EQ(ItemText(dialog.Window(), IDC_ZFW), "59899");
        Slide(dialog, IDC_FIRST_CABIN_SLIDER, 0);
    });
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(folder.Take(kPrimary), saved);
    EXPECT_EQ(folder.Take(std::string(kPrimary) + ".skyliner-backup"), original) << "kept at the first save";
}

// The backups found are listed, checked unless the file changed beyond its payload since (an
// update that a restore would undo). No, or no row checked, changes nothing; Yes puts back
// what it can and says which file could not be restored and why.
TEST_F(LauncherFlowsTest, RestoreBackupsPutsBackWhatItCanAndSaysWhy) {
    const std::string kept = kWeights + "max_gross_weight=100000\r\n";  // differs in the payload alone
    folder.Put(std::string(kPrimary) + ".skyliner-backup", kept);
    folder.Put("Aircraft\\Velmora Quill A320IAE\\Aircraft.cfg.skyliner-backup", kWeights + "station_load.2=\"1\"\r\n");
    folder.Put("Aircraft\\Velmora Quill A319IAE\\Aircraft.cfg.skyliner-backup", "[GENERAL]\r\natc_id=Q\r\n");
    ASSERT_TRUE(SetFileAttributesA(alternative.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = folder.Take(kPrimary);
    ui.answers = {IDNO, IDOK, IDYES};
    RunFlow(OnRestoreBackups, IDD_RESTORE_BACKUPS, [&](ModalDialog& dialog) {
        HWND list = dialog.Item(IDC_RESTORE_LIST);
        ASSERT_EQ(ListView_GetItemCount(list), 3);  // the A319's, then the A320's two
        char said[200] = "";
        ListView_GetItemText(list, 0, 1, said, sizeof said);
        EXPECT_NE(std::string(said).find("; the file changed since this backup was made, on "), std::string::npos) << said;
        EXPECT_EQ(std::vector<int>({ListView_GetCheckState(list, 0), ListView_GetCheckState(list, 1),
                                    ListView_GetCheckState(list, 2)}),
                  std::vector<int>({0, 1, 1}));
        Press(dialog, IDC_RESTORE);
        EXPECT_EQ(ui.TakeMessage("Restore Backups", MB_YESNO | MB_ICONQUESTION, dialog.Window()),
                  "Put the checked backups back in place of their files?\n\nWhat these files hold now will be replaced.");
        EXPECT_EQ(folder.Take(kPrimary), before);
        for (int row : {1, 2}) ListView_SetCheckState(list, row, FALSE);
        Press(dialog, IDC_RESTORE);
        EXPECT_EQ(ui.TakeMessage("Restore Backups", MB_OK | MB_ICONEXCLAMATION, dialog.Window()), "No backup is checked.");
        for (int row : {1, 2}) ListView_SetCheckState(list, row, TRUE);
        Press(dialog, IDC_RESTORE);
    });
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(std::tie(ui.messages[1].text, ui.messages[1].caption),
              std::make_tuple("Restored:\n" + primary + "\n\nNot restored:\n" + alternative + ": the file is read-only.",
                              "Restore Backups"));
    EXPECT_EQ(folder.Take(kPrimary), kept);
    EXPECT_EQ(folder.Take("Aircraft\\Velmora Quill A320IAE\\Aircraft.cfg"), kWeights);
    EXPECT_EQ(folder.Take("Aircraft\\Velmora Quill A319IAE\\Aircraft.cfg"), a319Bytes);
}

// OK saves inside the dialog: declined without a backup, or reaching only some files, the
// dialog stays open with the payload the user set.
TEST_F(LauncherFlowsTest, ALoadManagerSaveThatIsDeclinedOrIncompleteKeepsTheDialogOpen) {
    const std::string backup = folder.Path(std::string(kPrimary) + ".skyliner-backup");
    ASSERT_TRUE(CreateDirectoryA(backup.c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesA(alternative.c_str(), FILE_ATTRIBUTE_READONLY));
    ui.answers = {IDNO};
    Run(OnLoadManager, IDC_SELECT_A320, IDD_A320_LOAD_MANAGER, [&](ModalDialog& dialog) {
        Slide(dialog, IDC_FIRST_CABIN_SLIDER, 3);
        Press(dialog, IDOK);
        EXPECT_EQ(ui.TakeMessage("WARNING", MB_YESNO | MB_ICONEXCLAMATION, dialog.Window()),
                  "No backup of " + primary + " could be written (it is a folder, not a file).\nSave without a backup?");
        RemoveDirectoryA(backup.c_str());
        Press(dialog, IDOK);
        EXPECT_EQ(ui.TakeMessage("ERROR", MB_OK | MB_ICONSTOP, dialog.Window()).rfind("The new payload could not be saved", 0), 0u);
        ASSERT_NE(dialog.Window(), nullptr);
        EXPECT_EQ(ItemText(dialog.Window(), IDC_FIRST_CABIN_COUNT), "3");
    });
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Station(primary, "station_load.4"), "496,   26.0, 0.0, 0.0, First");
    EXPECT_EQ(Station(alternative, "station_load.4"), "<UNDEFINED>");
}

// The demo's OFP, chosen in the Open dialog from a folder with an accented name, sets the
// sliders, read-outs and bars at once; only OK saves it. A name the code page lacks is refused
// unread, and the next Open dialog starts in its folder.
TEST_F(LauncherFlowsTest, LoadManagerImportsAnOfpsPayloadThatOKSaves) {
    const std::string ofp = folder.Put("Pl\xE4ne\\EBBRLEMD OFP.xml", DemoFile("Documents/EBBRLEMD OFP.xml"));
    ui.chosenFiles = {L"C:\\\x6771\x4EAC\\EBBRLEMD.xml", Widen(ofp)};
    const std::string original = folder.Take(kPrimary);
    Run(OnLoadManager, IDC_SELECT_A320, IDD_A320_LOAD_MANAGER, [&](ModalDialog& dialog) {
        Press(dialog, IDC_LOAD_MANAGER_IMPORT);
        EXPECT_EQ(ui.unicodeTexts.size(), 1u);
        EXPECT_EQ(ui.TakeMessage("ERROR", MB_OK | MB_ICONSTOP, dialog.Window()), "");
        Press(dialog, IDC_LOAD_MANAGER_IMPORT);
        EXPECT_EQ(ui.TakeMessage("Flight plan", MB_OK | MB_ICONINFORMATION, dialog.Window()),
                  "EBBR to LEMD: 148 passengers, 3299 kg of cargo.\n"
                  "Zero-fuel weight: 56811 kg here, 60500 kg in the flight plan (75 kg a passenger here).");
        EXPECT_EQ(ItemTexts(dialog.Window(), {IDC_FIRST_CABIN_COUNT, IDC_SECOND_CABIN_COUNT, IDC_FORWARD_HOLD_PERCENT,
                                              IDC_AFT_HOLD_PERCENT, IDC_CARGO_WEIGHT, IDC_ZFW}),
                  "12 136 41 42 3299 56811 ");
        EXPECT_EQ(SendMessageA(dialog.Item(IDC_SECOND_CABIN_BAR), PBM_GETPOS, 0, 0), 136);
        EXPECT_EQ(folder.Take(kPrimary), original);
        Press(dialog, IDOK);
    });
    ui.TakeMessage("WARNING", MB_OK | MB_ICONINFORMATION, launcher);
    EXPECT_EQ(Station(primary, "station_load.5"), "22486,  0.0, 0.0, 0.0, Coach");  // 136 passengers
    ASSERT_EQ(ui.openRequests.size(), 2u);
    EXPECT_EQ(ui.openRequests[0].kinds[0].patterns, L"*.xml");
    EXPECT_EQ(ui.openRequests[1].initialFolder, L"C:\\\x6771\x4EAC");
}

// Prepare a flight: the latest OFP fetched, the load manager of its type opened on its payload
// with the note over it, and after OK the planner on its flight with the weight just saved; an
// A319's plan offers the A319 and the ACJ only. What the dialogs make of an OFP is the imports'.
TEST_F(LauncherFlowsTest, PrepareAFlightOpensTheLoadManagerThenThePlannerOnTheLatestOfp) {
    InstallPaths paths = run.Paths();
    paths.programFolder = folder.Path("Config");
    paths.settings = folder.Put("Config\\Settings.ini", "[SimBrief]\r\nPilotID=123456\r\n");
    RunState prepared(paths);
    const std::string ofp = DemoFile("Documents/EBBRLEMD OFP.xml");
    {
        LoopbackServer site(Http("200 OK", ofp));
        PlannerOnLoopback planner(site.Port());
        ui.Script(IDD_FETCH_PROGRESS, [](ModalDialog& progress) { AwaitEnd(progress); });
        ui.Script(IDD_A320_LOAD_MANAGER, [&](ModalDialog& dialog) {
            PumpMessages();
            EXPECT_EQ(ui.TakeMessage("Flight plan", MB_OK | MB_ICONINFORMATION, dialog.Window()).substr(0, 13), "EBBR to LEMD:");
            Press(dialog, IDOK);
        });
        ui.Script(IDD_FUEL_PLANNER, [&](ModalDialog& dialog) {
            EXPECT_EQ(ItemTexts(dialog.Window(), {IDC_PLANNER_DISTANCE, IDC_PLANNER_ZERO_FUEL_WEIGHT}), "718 56811 ");
        });
        OnPrepareFlight(launcher, prepared);
        EXPECT_EQ(ui.modalRuns, (std::vector<int>{IDD_FETCH_PROGRESS, IDD_A320_LOAD_MANAGER, IDD_FUEL_PLANNER}));
    }
    Reset();
    std::string a319 = ofp;
    a319.replace(a319.find("<icaocode>A320<"), 15, "<icaocode>A319<");
    LoopbackServer site(Http("200 OK", a319));
    PlannerOnLoopback planner(site.Port());
    ui.Script(IDD_FETCH_PROGRESS, [](ModalDialog& progress) { AwaitEnd(progress); });
    ui.Script(IDD_AIRCRAFT_SELECTOR, [](ModalDialog& selector) {
        std::string offered;
        for (int id = IDC_SELECT_A318; id <= IDC_SELECT_ACJ; ++id) offered += IsWindowVisible(selector.Item(id)) ? "1" : "0";
        EXPECT_EQ(offered, "01001");
        Press(selector, IDC_SELECT_ACJ);
    });
    OnPrepareFlight(launcher, prepared);
    EXPECT_EQ(ui.modalRuns, (std::vector<int>{IDD_FETCH_PROGRESS, IDD_AIRCRAFT_SELECTOR}));
    EXPECT_EQ(ui.TakeMessage("ERROR", MB_OK | MB_ICONEXCLAMATION, launcher).rfind("Sorry, this aircraft is not", 0), 0u);
}

// The A319 is installed by its alternative file alone: the load manager shows and saves only
// that file. The fuel planner starts from the zero-fuel weight its file gives.
TEST_F(LauncherFlowsTest, TheAlternativeFileAloneMakesAVariantInstalled) {
    Run(OnFuelPlanner, IDC_SELECT_A319, IDD_FUEL_PLANNER, [](ModalDialog& dialog) {
        EXPECT_EQ(ItemText(dialog.Window(), IDC_PLANNER_ZERO_FUEL_WEIGHT), "45622");  // 40597 kg empty + 67 * 75 kg
    });
    Run(OnLoadManager, IDC_SELECT_A319, IDD_A319_LOAD_MANAGER, [](ModalDialog& dialog) {
        EXPECT_EQ(ItemText(dialog.Window(), IDC_SECOND_CABIN_COUNT), "67");
        Slide(dialog, IDC_SECOND_CABIN_SLIDER, 68);
        Press(dialog, IDOK);
    });
    ui.TakeMessage("WARNING", MB_OK | MB_ICONINFORMATION, launcher);
    EXPECT_EQ(Station(a319, "station_load.5"), "11243,  0.0, 0.0, 0.0, Coach");
    EXPECT_FALSE(folder.Has("Aircraft\\Velmora Quill A319\\Aircraft.cfg"));
}

}  // namespace
