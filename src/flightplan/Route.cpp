#include "flightplan/Route.h"

#include <cmath>

#include "flightplan/PlanNumber.h"

bool Route::Add(std::string_view latitude, std::string_view longitude) {
    const std::optional<double> north = ReadCoordinate(latitude, Axis::Latitude);
    const std::optional<double> east = ReadCoordinate(longitude, Axis::Longitude);
    if (!north || !east) return false;
    positions_.push_back({*north, *east});
    return true;
}

bool Route::AddWorldPosition(std::string_view position) {
    const std::size_t comma = position.find(',');
    if (comma == std::string_view::npos) return false;
    std::string_view longitude = position.substr(comma + 1);
    return Add(position.substr(0, comma), longitude.substr(0, longitude.find(',')));
}

FlightPlanReading Route::Finish(FlightPlan plan) const {
    if (positions_.size() < 2) return Refused("it holds fewer than two waypoints");
    // Rounded once, at the end, as the legs are summed unrounded.
    const double distance = std::floor(RouteDistanceNm(positions_) + 0.5);
    const double limit = PlanLimit(PlanQuantity::Distance);
    if (distance > limit) return Refused("its waypoints are " + NumberText(distance) + " NM apart, more than " + NumberText(limit));
    plan.distanceNm = static_cast<std::int32_t>(distance);
    return {plan, {}};
}
