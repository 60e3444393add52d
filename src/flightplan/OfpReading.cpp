#include "flightplan/OfpReading.h"

#include "aircraft/Units.h"
#include "flightplan/PlanFields.h"

FlightPlanReading ReadOfp(const XmlDocument& document, FlightPlanUse use) {
    PlanFields fields(XmlLookUp(document));
    const std::optional<std::string> units = fields.Text({"params/units"});
    if (units && *units != "kgs" && *units != "lbs") fields.Refuse("params/units is \"" + *units + "\", neither kgs nor lbs");
    const double kilogramsPerUnit = units == "lbs" ? kKilogramsPerPound : 1.0;
    auto weight = [&](const char* name) { return fields.Number({name}, PlanQuantity::Weight).value_or(0) * kilogramsPerUnit; };

    FlightPlan plan;
    plan.format = FlightPlanFormat::Ofp;
    OfpLoad& load = plan.load;
    load.zeroFuelWeightKg = weight("weights/est_zfw");
    if (use == FlightPlanUse::Payload) {
        plan.departure = fields.Text({"origin/icao_code"}).value_or("");
        plan.destination = fields.Text({"destination/icao_code"}).value_or("");
        load.aircraftType = fields.Text({"aircraft/icaocode"}).value_or("");
        load.passengers = fields.Whole({"weights/pax_count_actual", "weights/pax_count"}, PlanQuantity::Passengers).value_or(0);
        load.cargoKg = weight("weights/cargo");
    } else {
        // The still-air distance is what the fuel tables are measured for.
        plan.distanceNm = fields.Whole({"general/air_distance", "general/route_distance"}, PlanQuantity::Distance).value_or(0);
        plan.cruisingAltitudeFt = fields.Whole({"general/initial_altitude"}, PlanQuantity::Other).value_or(0);
        load.costIndex = fields.Whole({"general/costindex"}, PlanQuantity::Other).value_or(0);
        load.blockFuelKg = weight("fuel/plan_ramp");
    }
    if (std::string refusal = fields.Refusal(); !refusal.empty()) return Refused(refusal);
    return {plan, {}};
}
