#pragma once

// One copy of the program at a time on a computer, so that two never edit the same files.

// True when no other copy runs; this one then counts as running until its process ends.
bool ClaimSingleInstance();

// Brings the running copy's innermost open window (a dialog or a message box over its
// launcher) to the front, waiting a few seconds for a copy whose launcher is not up yet.
void BringRunningInstanceToFront();
