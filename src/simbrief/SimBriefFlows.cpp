#include "simbrief/SimBriefFlows.h"

#include "app/ProgramFolder.h"
#include "flightplan/SystemXmlReader.h"
#include "simbrief/FetchProgressDlg.h"
#include "simbrief/OfpAnswer.h"
#include "simbrief/PilotId.h"
#include "simbrief/PilotIdDlg.h"
#include "ui/UserInterface.h"

namespace {

// Whether the program's folder can hold files; tells the user why not.
bool ProgramFolderUsable(HWND owner, const InstallPaths& paths) {
    if (!paths.unheldProgramFolder.empty()) {
        ShowUnicodeMessage(UnheldProgramFolderMessage(paths.unheldProgramFolder), "ERROR", MB_ICONEXCLAMATION, owner);
        return false;
    }
    if (paths.programFolder.empty()) {
        ShowMessage("Windows names no application data folder for your account, where this program keeps its "
                    "settings and the flight plans it fetches: sign in with an account that has one, then try again.",
                    "ERROR", MB_ICONEXCLAMATION, owner);
        return false;
    }
    return true;
}

// The Pilot ID in the settings file, empty when none is kept; nothing when the file could
// not be read (told).
std::optional<std::string> KeptId(HWND owner, const InstallPaths& paths) {
    const KeptPilotId kept = ReadPilotId(paths.settings);
    if (kept.status == FileStatus::Ok) return kept.id;
    ShowMessage(DescribeFileFailure(FileAccess::Read, paths.settings, kept.status) +
                    "\n\nClose any program that may be using the file, make sure that you are allowed to read it, "
                    "then try again.",
                "ERROR", MB_ICONSTOP, owner);
    return std::nullopt;
}

std::optional<std::string> Ask(HWND owner, const InstallPaths& paths, const std::string& kept) {
    CPilotIdDlg question(paths, kept, owner);
    const INT_PTR result = question.DoModal();
    if (result == -1) ShowMessage("The Pilot ID question could not be opened.", "Error", MB_ICONSTOP, owner);
    if (result != IDOK) return std::nullopt;
    return question.Id();
}

}  // namespace

std::optional<std::string> AskPilotId(HWND owner, const RunState& run) {
    if (!ProgramFolderUsable(owner, run.Paths())) return std::nullopt;
    const std::optional<std::string> kept = KeptId(owner, run.Paths());
    if (!kept) return std::nullopt;
    return Ask(owner, run.Paths(), *kept);
}

void OnSimBriefPilotId(HWND owner, RunState& run) { AskPilotId(owner, run); }

std::optional<std::string> FetchLatestOfp(HWND owner, const RunState& run) {
    const InstallPaths& paths = run.Paths();
    if (!ProgramFolderUsable(owner, paths)) return std::nullopt;
    std::optional<std::string> id = KeptId(owner, paths);
    if (id && id->empty()) id = Ask(owner, paths, "");
    if (!id) return std::nullopt;

    CFetchProgressDlg progress(*id, owner);
    const INT_PTR result = progress.DoModal();
    if (result == -1) ShowMessage("The progress window could not be opened.", "Error", MB_ICONSTOP, owner);
    if (result != IDOK) return std::nullopt;
    const JudgedAnswer judged = JudgeAnswer(progress.Answer(), ReadXmlWithSystemReader);
    if (!judged.isOfp) {
        ShowMessage(judged.message, "ERROR", MB_ICONEXCLAMATION, owner);
        return std::nullopt;
    }
    const std::string path = paths.programFolder + "\\" + kLatestOfpName;
    MakeProgramFolder(paths);
    const FileStatus status = SaveLatestOfp(path, progress.Answer().body);
    if (status != FileStatus::Ok) {
        ShowMessage(LatestOfpSaveFailure(path, status), "ERROR", MB_ICONSTOP, owner);
        return std::nullopt;
    }
    return path;
}

std::optional<ChosenFlightPlan> LatestFlightPlan(HWND owner, FlightPlanUse use, const RunState& run) {
    const std::optional<std::string> path = FetchLatestOfp(owner, run);
    if (!path) return std::nullopt;
    return ReadFlightPlan(*path, use, owner);
}
