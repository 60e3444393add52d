#include "flightplan/PlannerImport.h"

#include <cmath>

#include "aircraft/Units.h"
#include "platform/IntegerText.h"

namespace {

bool Filled(const std::string& field) { return ScanLeadingInt(field, IntOverflow::Refuse).value_or(0) > 0; }

}  // namespace

std::string PlannerWeightText(double kilograms, UnitSystem units) {
    const double shown = units == UnitSystem::Metric ? kilograms : kilograms * kPoundsPerKilogram;
    return std::to_string(TruncateToInt(std::floor(shown + 0.5)));
}

PlannerImport ImportIntoPlanner(FuelPlannerForm& form, UnitSystem units, const FlightPlan& plan, const std::string& path) {
    const bool ofp = plan.format == FlightPlanFormat::Ofp;
    FuelPlannerForm candidate = form;
    FuelPlannerTexts& texts = candidate.texts;
    texts.distance = std::to_string(plan.distanceNm);
    texts.altitude = std::to_string(plan.cruisingAltitudeFt);
    std::string values = "distance (" + texts.distance + " NM), cruising altitude (" + texts.altitude + " ft)";
    if (ofp) {
        texts.costIndex = std::to_string(plan.load.costIndex);
        texts.zeroFuelWeight = PlannerWeightText(plan.load.zeroFuelWeightKg, units);
        values = "distance (" + texts.distance + " NM), cruising altitude (" + texts.altitude + " ft), cost index (" +
                 texts.costIndex + ") and zero-fuel weight (" + texts.zeroFuelWeight + " " + texts.weightUnit + ")";
    }
    // A plan always writes the trip fuel; a refusal leaves it as it was.
    const std::string tripBefore = texts.tripFuel;
    texts.tripFuel.clear();
    const std::optional<FuelPlannerMessage> message = candidate.Validate();
    const bool planned = !texts.tripFuel.empty();
    const bool ownValuesFilled = Filled(texts.distance) && Filled(texts.altitude) && (!ofp || (Filled(texts.costIndex) && Filled(texts.zeroFuelWeight)));
    const bool leftFieldEmpty = !ofp && (!Filled(texts.costIndex) || !Filled(texts.zeroFuelWeight));
    if (!planned && !(ownValuesFilled && leftFieldEmpty)) {
        return {false, FuelPlannerMessage{"The file\n" + path + "\ncould not be imported: the fuel planner refuses its " + values +
                                              ".\n" + (message ? message->text : std::string()),
                                          "ERROR"}};
    }
    if (!planned) texts.tripFuel = tripBefore;
    form = candidate;
    return {true, message};
}
