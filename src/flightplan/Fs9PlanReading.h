#pragma once

#include <string>

#include "flightplan/FlightPlan.h"

class ProfileSnapshot;

// Whether an INI file is this simulator's flight plan: its [flightplan] section holds at
// least one of the entries a plan needs.
bool IsFs9Plan(const ProfileSnapshot& file);

// The cruising altitude, departure and destination of [flightplan], and the distance along
// its lines waypoint.0, waypoint.1, ... up to the first one missing, in either shape that
// exists: "region, ident, , ident, type, lat, lon, alt, airway" as the simulator saves them,
// "ident, type, lat, lon, alt, airway" as other tools write them.
FlightPlanReading ReadFs9Plan(const ProfileSnapshot& file);
