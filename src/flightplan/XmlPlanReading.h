#pragma once

#include "flightplan/FlightPlan.h"

// A flight plan of the later simulators (root SimBase.Document): its cruising altitude,
// departure and destination below FlightPlan.FlightPlan, and the distance along the
// WorldPosition of each ATCWaypoint.
FlightPlanReading ReadXmlPlan(const XmlDocument& document);
