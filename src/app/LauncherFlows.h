#pragma once

#include <windows.h>

#include "platform/InstallPaths.h"

// What the launcher's buttons do. Each flow runs to its end and returns to the launcher;
// messages and dialogs are owned by `owner`, the launcher.

// The Configuration dialog, then the note that changes apply at the next loading of the
// aircraft if it ended with OK; a Prefs.cfg that cannot be read is reported instead of
// opening the dialog.
void OnAircraftConfiguration(HWND owner);

// Variant-bound flows: choose the variant, check that it is installed, run the dialog,
// and leave AircraftSelection at 0 whatever happened.
void OnLoadManager(HWND owner);
void OnFuelPlanner(HWND owner);

void OnKeyAssignments(HWND owner);

// The launcher's window menu items: the Restore Backups dialog; the About box: the version, the simulator's folder and the preferences file in use.
void OnRestoreBackups(HWND owner);
void OnAbout(HWND owner, const InstallPaths& paths);

// Runs the selector until a variant is chosen; false only when the selector cannot be
// shown at all (told to the user), which would otherwise loop for ever.
bool ChooseAircraft();

void NotInstalledMessage(HWND owner);
