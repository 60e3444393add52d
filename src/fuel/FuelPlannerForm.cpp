#include "fuel/FuelPlannerForm.h"

#include <cstdio>
#include <initializer_list>
#include <limits>

#include "fuel/FuelDistribution.h"
#include "fuel/FuelOnBoard.h"
#include "fuel/TripFuel.h"
#include "fuel/VariantFuel.h"
#include "loadmgr/AircraftSelection.h"
#include "platform/IntegerText.h"

namespace {

// Display units per kilogram: the single-precision value of 1 / 0.4536 in imperial.
constexpr float kMetricFactor = 1.0f;
constexpr float kImperialFactor = 2.2045856f;
// Field texts are converted with these, which are not quite reciprocal: a weight switched
// to pounds and back may lose a kilogram.
constexpr double kKilogramsPerPound = 0.4536;
constexpr double kPoundsPerKilogram = 2.204585537918871;

constexpr std::int32_t kDefaultCostIndex = 50;
constexpr const char* kDefaultTaxiFuel = "200";
constexpr const char* kDefaultRouteReserve = "5";
constexpr const char* kDefaultFinalFuel = "1000";

// The highest ceiling of the family; the performance tables end at 39000 ft, and far
// above them the model's speeds fall to nothing.
constexpr std::int32_t kHighestCruisingAltitude = 41000;

const FuelPlannerMessage kMandatoryFieldsMissing{"All the mandatory fields must be filled.", "ERROR"};
const FuelPlannerMessage kAltitudeTooHigh{"The cruising altitude cannot be above 41000 feet.", "ERROR"};
const FuelPlannerMessage kNoTripFuel{
    "No trip fuel can be computed for this zero-fuel weight. Check the weight and its unit.", "ERROR"};
const FuelPlannerMessage kTanksTooSmall{"This aircraft can not take enough fuel for this trip !!", "ERROR"};

std::string Decimal(std::int32_t value) { return std::to_string(value); }

std::int32_t SavedZeroFuelWeight() {
    if (AircraftSelection < kA318 || AircraftSelection > kACJ) return 0;
    return VariantZfw[AircraftSelection - 1];
}

}  // namespace

std::int32_t ReadFieldInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    // Stops once the magnitude passes 2^31, beyond every 32-bit value.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t number = 0;
    bool anyDigit = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        number = number * 10 + (text[pos] - '0');
        if (number > kLimit) return 0;
        anyDigit = true;
    }
    if (!anyDigit) return 0;
    if (negative) number = -number;
    if (number > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(number);
}

std::string ConvertFieldUnit(const std::string& text, UnitSystem newUnits) {
    if (text.empty()) return text;
    const double factor = newUnits == UnitSystem::Metric ? kKilogramsPerPound : kPoundsPerKilogram;
    return Decimal(TruncateToInt(ReadFieldInt(text) * factor));
}

FuelPlannerForm::FuelPlannerForm() {
    texts.costIndex = Decimal(kDefaultCostIndex);
    const std::int32_t zeroFuelWeight = SavedZeroFuelWeight();
    if (zeroFuelWeight > 0) texts.zeroFuelWeight = Decimal(zeroFuelWeight);
    texts.taxiFuel = kDefaultTaxiFuel;
    texts.routeReserve = kDefaultRouteReserve;
    texts.finalFuel = kDefaultFinalFuel;
    texts.weightUnit = "kg";
    texts.costIndexUnit = "kg/min";
}

std::int32_t FuelPlannerForm::ToKilograms(const std::string& text) const {
    return TruncateToInt(static_cast<float>(ReadFieldInt(text)) / unitFactor_);
}

std::string FuelPlannerForm::ToDisplay(std::int32_t kilograms) const {
    return Decimal(TruncateToInt(static_cast<float>(kilograms) * unitFactor_));
}

std::string FuelPlannerForm::TankText(std::int32_t kilograms, float fraction) const {
    char text[64];
    std::snprintf(text, sizeof text, "%d (%.1f%%)", TruncateToInt(static_cast<float>(kilograms) * unitFactor_),
                  static_cast<double>(fraction * 100.0f));
    return text;
}

void FuelPlannerForm::ShowTankAmounts() {
    texts.innerTank = TankText(inner_, innerFraction_);
    texts.centerTank = TankText(center_, centerFraction_);
    if (TankCapacity(TankKind::Outer) > 0) texts.outerTank = TankText(outer_, outerFraction_);
}

std::optional<FuelPlannerMessage> FuelPlannerForm::Validate() {
    const std::int32_t distance = ReadFieldInt(texts.distance);
    const std::int32_t altitude = ReadFieldInt(texts.altitude);
    const std::int32_t costIndex = ReadFieldInt(texts.costIndex);
    const std::int32_t zeroFuelWeight = ToKilograms(texts.zeroFuelWeight);
    if (distance <= 0 || altitude <= 0 || costIndex <= 0 || zeroFuelWeight <= 0) return kMandatoryFieldsMissing;
    if (altitude > kHighestCruisingAltitude) return kAltitudeTooHigh;

    const std::int32_t trip = PlanTripFuel(distance, altitude, costIndex, zeroFuelWeight);
    // Only an aircraft lighter than it can be empty, typically a weight typed in the wrong
    // unit, or a hop of a few miles to a high cruise gets here.
    if (trip <= 0) return kNoTripFuel;

    const std::int32_t total = FuelOnBoard(trip, ToKilograms(texts.taxiFuel), ReadFieldInt(texts.routeReserve),
                                           ToKilograms(texts.finalFuel));
    const FuelDistribution tanks = DistributeFuel(total);
    texts.tripFuel = ToDisplay(trip);
    texts.fuelOnBoard = ToDisplay(total);
    inner_ = tanks.inner;
    innerFraction_ = tanks.innerFraction;
    center_ = tanks.center;
    centerFraction_ = tanks.centerFraction;
    if (TankCapacity(TankKind::Outer) > 0) {
        outer_ = tanks.outer;
        outerFraction_ = tanks.outerFraction;
    }
    ShowTankAmounts();
    if (TankCapacity(TankKind::Outer) <= 0) texts.outerTank = "---";

    if (tanks.leftover > 0) return kTanksTooSmall;
    return std::nullopt;
}

void FuelPlannerForm::SelectUnits(UnitSystem units) {
    if (units == units_) return;
    units_ = units;
    const bool metric = units == UnitSystem::Metric;
    unitFactor_ = metric ? kMetricFactor : kImperialFactor;
    texts.weightUnit = metric ? "kg" : "lb";
    texts.costIndexUnit = metric ? "kg/min" : "100lb/h";
    RefreshUnits();
}

void FuelPlannerForm::RefreshUnits() {
    // The trip and the total are converted from what they show, not recomputed.
    for (std::string* weight : {&texts.zeroFuelWeight, &texts.taxiFuel, &texts.tripFuel, &texts.finalFuel,
                                &texts.fuelOnBoard}) {
        *weight = ConvertFieldUnit(*weight, units_);
    }
    ShowTankAmounts();
}
