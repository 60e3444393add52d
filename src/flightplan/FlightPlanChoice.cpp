#include "flightplan/FlightPlanChoice.h"

#include <windows.h>
#include <shlobj.h>

#include "flightplan/FlightPlanFile.h"
#include "flightplan/SystemXmlReader.h"
#include "platform/SystemCodePage.h"
#include "ui/UserInterface.h"

namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && attributes & FILE_ATTRIBUTE_DIRECTORY;
}

std::wstring InitialFolder(FlightPlanUse use, const RunState& run) {
    if (!run.FlightPlanFolder().empty()) return std::wstring(run.FlightPlanFolder().begin(), run.FlightPlanFolder().end());
    wchar_t documents[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents))) return {};
    // Where the simulator saves its flight plans.
    const std::wstring plans = std::wstring(documents) + L"\\Flight Simulator Files";
    return use == FlightPlanUse::Flight && IsFolder(plans) ? plans : documents;
}

OpenFileRequest RequestFor(FlightPlanUse use, const RunState& run) {
    const FileKind allFiles{L"All files (*.*)", L"*.*"};
    if (use == FlightPlanUse::Payload) return {{{L"OFP files (*.xml)", L"*.xml"}, allFiles}, InitialFolder(use, run)};
    return {{{L"Flight plans (*.xml;*.pln)", L"*.xml;*.pln"}, allFiles}, InitialFolder(use, run)};
}

}  // namespace

std::optional<ChosenFlightPlan> ChooseFlightPlan(FlightPlanUse use, RunState& run) {
    const std::optional<std::wstring> chosen = ChooseFileToOpen(RequestFor(use, run));
    if (!chosen) return std::nullopt;
    const std::u16string wide(chosen->begin(), chosen->end());
    run.SetFlightPlanFolder(wide.substr(0, wide.find_last_of(u"\\/")));
    // The path is narrowed once, here: every later use names the file as the user chose it.
    std::string path;
    if (!Narrow(*chosen, path)) {
        ShowUnicodeMessage(UnheldFlightPlanMessage(wide), "ERROR", MB_ICONSTOP);
        return std::nullopt;
    }
    return ReadFlightPlan(path, use);
}

std::optional<ChosenFlightPlan> ReadFlightPlan(const std::string& path, FlightPlanUse use, HWND owner) {
    FlightPlanImport import = ImportFlightPlan(path, use, ReadXmlWithSystemReader);
    if (!import.plan) {
        ShowMessage(import.error, "ERROR", MB_ICONSTOP, owner);
        return std::nullopt;
    }
    return ChosenFlightPlan{path, *import.plan};
}
