#pragma once

#include "flightplan/FlightPlan.h"

// The fields of an OFP by their paths below the root (never by a name alone: origin/name
// and destination/name differ), those of `use` only.
FlightPlanReading ReadOfp(const XmlDocument& document, FlightPlanUse use);
