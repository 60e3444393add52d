#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/RunState.h"

// What the launcher's buttons and window menu items do, each over the run's state. Each
// flow runs to its end and returns to the launcher; messages and dialogs are owned by
// `owner`, the launcher.

// The Configuration dialog, then the note that changes apply at the next loading of the
// aircraft if it ended with OK; a Prefs.cfg that cannot be read is reported instead of
// opening the dialog.
void OnAircraftConfiguration(HWND owner, RunState& run);

// Variant-bound flows: choose the variant, check that it is installed, run the dialog.
void OnLoadManager(HWND owner, RunState& run);
void OnFuelPlanner(HWND owner, RunState& run);

void OnKeyAssignments(HWND owner, RunState& run);

// The launcher's window menu items: the Restore Backups dialog; the About box: the version,
// the simulator's folder, the preferences file and the program's settings file in use.
void OnRestoreBackups(HWND owner, RunState& run);
void OnAbout(HWND owner, RunState& run);

// Runs the selector until a variant is chosen, and gives it; kNoAircraft only when the
// selector cannot be shown at all (told to the user), which would otherwise loop for ever.
std::int32_t ChooseAircraft(const std::vector<std::int32_t>& offered = {});

// The launcher's last button: the latest OFP fetched, its variant chosen by its type, that
// variant's load manager opened on its payload, and after a save the fuel planner on its
// flight, planned with the zero-fuel weight just saved.
void OnPrepareFlight(HWND owner, RunState& run);
