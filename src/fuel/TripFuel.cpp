#include "fuel/TripFuel.h"

#include <cmath>

#include "fuel/ClimbDescentLookup.h"
#include "fuel/ClimbDescentSpeeds.h"
#include "fuel/CruisePerformance.h"
#include "fuel/FuelTables.h"
#include "platform/IntegerText.h"

namespace {

constexpr double kEngineCount = 2.0;
constexpr float kHoursPerMinute = 0.016666668f;
// Stands in for the descent distance before the weight at the top of the descent is known.
constexpr double kFirstDescentEstimate = 50.0;
constexpr double kDescentDistanceAllowance = 15.0;  // NM
constexpr double kDescentFuelAllowance = 250.0;     // kg
constexpr double kFuelPerMileGuess = 20.0;          // kg per NM

// Fuel in kg of both engines burning the flow for the minutes. The ratio makes up for
// the cruise time having been divided by it.
double CruiseFuel(double flow, float minutes, float climbRatio) {
    return flow * kEngineCount * minutes * climbRatio * static_cast<double>(kHoursPerMinute);
}

}  // namespace

std::int32_t TripFuel(const Variant& variant, std::int32_t distance, std::int32_t altitude, std::int32_t costIndex,
                      std::int32_t grossWeight) {
    const ClimbDescentSpeeds speeds = SpeedsFor(altitude, costIndex);

    const float climbFuel = static_cast<float>(ClimbLookup(kClimbFuel, variant, grossWeight, altitude) * speeds.climbRatio);
    const float climbDistance = static_cast<float>(ClimbLookup(kClimbDistance, variant, grossWeight, altitude));
    const std::int32_t topOfClimbWeight = TruncateToInt(grossWeight - static_cast<double>(climbFuel));
    const float distanceAfterClimb = static_cast<float>(distance - static_cast<double>(climbDistance));
    const float timeFactor = static_cast<float>(1.0 / speeds.climbRatio);

    const float firstCruiseDistance = static_cast<float>(distanceAfterClimb - kFirstDescentEstimate);
    const float firstCruiseTime = static_cast<float>(CruiseTime(firstCruiseDistance, altitude) * timeFactor);
    const double flow = CruiseFuelFlow(altitude, topOfClimbWeight);
    const std::int32_t topOfDescentWeight =
        TruncateToInt(topOfClimbWeight - CruiseFuel(flow, firstCruiseTime, speeds.climbRatio));

    const float descentDistance = static_cast<float>(
        DescentLookup(kDescentDistance, variant, topOfDescentWeight, altitude) + kDescentDistanceAllowance);
    const float descentFuel = static_cast<float>(
        (DescentLookup(kDescentFuel, variant, topOfDescentWeight, altitude) + kDescentFuelAllowance) * speeds.descentRatio);
    const float cruiseDistance = static_cast<float>(distanceAfterClimb - static_cast<double>(descentDistance));
    const float cruiseTime = static_cast<float>(CruiseTime(cruiseDistance, altitude) * timeFactor);

    // The cruise burns at the top-of-climb flow throughout.
    return TruncateToInt(CruiseFuel(flow, cruiseTime, speeds.climbRatio) + descentFuel + climbFuel);
}

std::int32_t PlanTripFuel(const Variant& variant, std::int32_t distance, std::int32_t altitude, std::int32_t costIndex,
                          std::int32_t zeroFuelWeight) {
    // Sums in double are exact here and saturate on the way back instead of overflowing.
    const std::int32_t firstGuessWeight = TruncateToInt(zeroFuelWeight + kFuelPerMileGuess * distance);
    const std::int32_t firstTrip = TripFuel(variant, distance, altitude, costIndex, firstGuessWeight);
    return TripFuel(variant, distance, altitude, costIndex, TruncateToInt(static_cast<double>(zeroFuelWeight) + firstTrip));
}

std::int32_t ShortestTripDistance(const Variant& variant, std::int32_t altitude, std::int32_t weight) {
    return TruncateToInt(std::ceil(ClimbLookup(kClimbDistance, variant, weight, altitude) +
                                   DescentLookup(kDescentDistance, variant, weight, altitude)));
}
