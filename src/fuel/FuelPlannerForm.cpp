#include "fuel/FuelPlannerForm.h"

#include <cstdio>
#include <initializer_list>

#include "aircraft/Units.h"
#include "fuel/FuelDistribution.h"
#include "fuel/FuelOnBoard.h"
#include "fuel/TripFuel.h"
#include "fuel/VariantFuel.h"
#include "platform/IntegerText.h"

namespace {

// Display units per kilogram. Field texts are converted with the double factors instead,
// which are not quite reciprocal: a weight switched to pounds and back may lose a kilogram.
constexpr float kMetricFactor = 1.0f;
constexpr float kImperialFactor = kPoundsPerKilogramShown;

constexpr std::int32_t kDefaultCostIndex = 50;
constexpr const char* kDefaultTaxiFuel = "200";
constexpr const char* kDefaultRouteReserve = "5";
constexpr const char* kDefaultFinalFuel = "1000";

// The highest ceiling of the family; the performance tables end at 39000 ft, and far
// above them the model's speeds fall to nothing.
constexpr std::int32_t kHighestCruisingAltitude = 41000;

const FuelPlannerMessage kMandatoryFieldsMissing{"All the mandatory fields must be filled.", "ERROR"};
const FuelPlannerMessage kAltitudeTooHigh{"The cruising altitude cannot be above 41000 feet.", "ERROR"};
const FuelPlannerMessage kTanksTooSmall{"This aircraft can not take enough fuel for this trip !!", "ERROR"};

std::string Decimal(std::int32_t value) { return std::to_string(value); }

// The number a field holds; 0 for an empty text, one that does not begin with a number and
// a number outside the 32-bit range, so that such a field counts as not filled in.
std::int32_t FieldNumber(const std::string& text) { return ScanLeadingInt(text, IntOverflow::Refuse).value_or(0); }

}  // namespace

std::string ConvertFieldUnit(const std::string& text, UnitSystem newUnits) {
    if (text.empty()) return text;
    const double factor = newUnits == UnitSystem::Metric ? kKilogramsPerPound : kPoundsPerKilogram;
    return Decimal(TruncateToInt(FieldNumber(text) * factor));
}

FuelPlannerForm::FuelPlannerForm(const Variant& variant, std::int32_t savedZeroFuelWeight,
                                 std::int32_t maximumGrossWeight)
    : variant_(&variant), maximumGrossWeight_(maximumGrossWeight) {
    texts.costIndex = Decimal(kDefaultCostIndex);
    if (savedZeroFuelWeight > 0) texts.zeroFuelWeight = Decimal(savedZeroFuelWeight);
    texts.taxiFuel = kDefaultTaxiFuel;
    texts.routeReserve = kDefaultRouteReserve;
    texts.finalFuel = kDefaultFinalFuel;
    texts.weightUnit = "kg";
    texts.costIndexUnit = "kg/min";
}

std::int32_t FuelPlannerForm::ToKilograms(const std::string& text) const {
    return TruncateToInt(static_cast<float>(FieldNumber(text)) / unitFactor_);
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

void FuelPlannerForm::ShowTakeOffWeightNote() {
    texts.takeOffWeightNote.clear();
    if (maximumGrossWeight_ <= 0 || takeOffWeight_ <= maximumGrossWeight_) return;
    texts.takeOffWeightNote = "Take-off weight " + ToDisplay(takeOffWeight_) + " " + texts.weightUnit +
                              " is above the maximum of " + ToDisplay(maximumGrossWeight_) + " " + texts.weightUnit +
                              " in the aircraft file.";
}

void FuelPlannerForm::ShowTankAmounts() {
    texts.innerTank = TankText(inner_, innerFraction_);
    texts.centerTank = TankText(center_, centerFraction_);
    if (TankCapacity(*variant_, TankKind::Outer) > 0) texts.outerTank = TankText(outer_, outerFraction_);
}

std::optional<FuelPlannerMessage> FuelPlannerForm::Validate() {
    const std::int32_t distance = FieldNumber(texts.distance);
    const std::int32_t altitude = FieldNumber(texts.altitude);
    const std::int32_t costIndex = FieldNumber(texts.costIndex);
    const std::int32_t zeroFuelWeight = ToKilograms(texts.zeroFuelWeight);
    if (distance <= 0 || altitude <= 0 || costIndex <= 0 || zeroFuelWeight <= 0) return kMandatoryFieldsMissing;
    if (altitude > kHighestCruisingAltitude) return kAltitudeTooHigh;

    // Lighter than the aircraft can be empty: typically a weight typed in the wrong unit.
    const std::int32_t emptyWeight = ReferenceEmptyWeight(*variant_);
    if (zeroFuelWeight < emptyWeight) {
        const std::string shown = ToDisplay(emptyWeight) + " " + texts.weightUnit;
        return FuelPlannerMessage{"The zero-fuel weight is below the empty weight of this aircraft (" + shown +
                                      "). Check the weight and its unit.",
                                  "ERROR"};
    }
    // A hop of a few miles to a high cruise: the descent would begin before the climb ends.
    // Measured at the zero-fuel weight, the lightest the aircraft flies, so that no flight
    // that could reach the altitude is refused, and the distance named is itself accepted.
    const std::int32_t shortest = ShortestTripDistance(*variant_, altitude, zeroFuelWeight);
    if (distance < shortest) {
        return FuelPlannerMessage{"The flying distance is too short for this cruising altitude. The shortest flight "
                                  "that reaches " + Decimal(altitude) + " feet at this zero-fuel weight is " +
                                      Decimal(shortest) + " NM. Lower the cruising altitude or check the distance.",
                                  "ERROR"};
    }
    const std::int32_t trip = PlanTripFuel(*variant_, distance, altitude, costIndex, zeroFuelWeight);

    const std::int32_t total = FuelOnBoard(trip, ToKilograms(texts.taxiFuel), FieldNumber(texts.routeReserve),
                                           ToKilograms(texts.finalFuel));
    const FuelDistribution tanks = DistributeFuel(*variant_, total);
    texts.tripFuel = ToDisplay(trip);
    texts.fuelOnBoard = ToDisplay(total);
    // The sum saturates instead of overflowing.
    takeOffWeight_ = TruncateToInt(static_cast<double>(zeroFuelWeight) + total);
    ShowTakeOffWeightNote();
    inner_ = tanks.inner;
    innerFraction_ = tanks.innerFraction;
    center_ = tanks.center;
    centerFraction_ = tanks.centerFraction;
    if (TankCapacity(*variant_, TankKind::Outer) > 0) {
        outer_ = tanks.outer;
        outerFraction_ = tanks.outerFraction;
    }
    ShowTankAmounts();
    if (TankCapacity(*variant_, TankKind::Outer) <= 0) texts.outerTank = "---";

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
    ShowTakeOffWeightNote();
}
