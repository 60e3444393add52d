#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/RunState.h"
#include "flightplan/FlightPlan.h"

// A flight plan file the user chose and what it gave.
struct ChosenFlightPlan {
    std::string path;  // in the ANSI code page, as the messages name it
    FlightPlan plan;
};

// Asks for a flight plan file in the system's Open dialog and reads it for `use` with
// Windows' XML reader. The dialog offers the files `use` takes and starts in the folder of the
// file last chosen in this run, else in Documents (for a flight, its Flight Simulator Files
// when there is one). Nothing when the user cancelled or the file was refused, the user then
// told why. Windows only.
std::optional<ChosenFlightPlan> ChooseFlightPlan(FlightPlanUse use, RunState& run);

// Reads the file for `use` with Windows' XML reader; nothing when it was refused, the user
// then told why.
std::optional<ChosenFlightPlan> ReadFlightPlan(const std::string& path, FlightPlanUse use, HWND owner = nullptr);
