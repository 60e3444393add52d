#pragma once

#include <optional>
#include <string>

#include "flightplan/FlightPlan.h"
#include "fuel/FuelPlannerForm.h"

// A weight of a flight plan as a planner field or read-out shows it, rounded to the nearest.
std::string PlannerWeightText(double kilograms, UnitSystem units);

struct PlannerImport {
    bool imported = false;
    // The planner's own message after an import (a trip its tanks cannot hold, a field the
    // plan leaves empty), or the refusal (caption "ERROR") that names the file and the values.
    std::optional<FuelPlannerMessage> message;
};

// Puts the flight into the form's fields, in its unit: distance and cruising altitude, and
// from an OFP the cost index and zero-fuel weight too; then plans it as Validate does. When
// the planner refuses the plan's values the form is left as it was; a refusal only because a
// field the plan leaves is not filled in keeps the plan's values.
PlannerImport ImportIntoPlanner(FuelPlannerForm& form, UnitSystem units, const FlightPlan& plan, const std::string& path);
