#pragma once

// One copy of the program at a time on a computer, so that two never edit the same files.

enum class InstanceClaim {
    Claimed,                // no other copy runs; this one counts as running until its process ends
    RunningHere,            // a copy runs for this user
    RunningForAnotherUser,  // a copy runs in another user's session, out of this one's reach
};
InstanceClaim ClaimSingleInstance();

// Brings the running copy's innermost open window (a dialog or a message box over its
// launcher) to the front, restoring the launcher if it is minimised, and waiting a few
// seconds for a copy whose launcher is not up yet.
void BringRunningInstanceToFront();

// Says that the program is already running for another user, who must close it first.
void ReportRunningForAnotherUser();
