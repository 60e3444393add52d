#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "flightplan/Coordinates.h"
#include "flightplan/FlightPlan.h"

// The waypoints of a simulator's flight plan, in their order, and the distance along them.
class Route {
public:
    // False when either coordinate cannot be read.
    bool Add(std::string_view latitude, std::string_view longitude);
    // "latitude,longitude,altitude", as a WorldPosition holds them.
    bool AddWorldPosition(std::string_view position);

    std::size_t Count() const { return positions_.size(); }

    // The plan with the route's distance, or the refusal of a route of fewer than two
    // waypoints or beyond any flight's length.
    FlightPlanReading Finish(FlightPlan plan) const;

private:
    std::vector<GeoPosition> positions_;
};
