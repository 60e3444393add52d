#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/RunState.h"
#include "flightplan/FlightPlanChoice.h"
#include "flightplan/FlightPlanFile.h"

// What the program does with the web planner, for the launcher's flows and the dialogs'
// imports; messages and dialogs are owned by `owner`.

// Asks for the Pilot ID, showing the one kept, and keeps the new one: the Pilot ID, or
// nothing when the question was cancelled or could not be asked (the user told why).
std::optional<std::string> AskPilotId(HWND owner, const RunState& run);

// The launcher's window menu item.
void OnSimBriefPilotId(HWND owner, RunState& run);

// The user's latest OFP, asked of the planner (the Pilot ID asked first when none is kept)
// while the progress window shows, then kept as LatestOFP.xml in the program's folder: the
// file's path, or nothing after a Cancel or a failure told to the user, which changed nothing.
std::optional<std::string> FetchLatestOfp(HWND owner, const RunState& run);

// The latest OFP fetched as FetchLatestOfp does, then read for `use` as a chosen file is:
// what the dialogs' "Latest from SimBrief" takes.
std::optional<ChosenFlightPlan> LatestFlightPlan(HWND owner, FlightPlanUse use, const RunState& run);
