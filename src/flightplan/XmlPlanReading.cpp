#include "flightplan/XmlPlanReading.h"

#include "flightplan/PlanFields.h"
#include "flightplan/Route.h"

FlightPlanReading ReadXmlPlan(const XmlDocument& document) {
    PlanFields fields(XmlLookUp(document));
    FlightPlan plan;
    plan.format = FlightPlanFormat::XmlPlan;
    // The altitude may carry decimals ("35000.000").
    plan.cruisingAltitudeFt = fields.Whole({"FlightPlan.FlightPlan/CruisingAlt"}, PlanQuantity::Other).value_or(0);
    plan.departure = fields.Text({"FlightPlan.FlightPlan/DepartureID"}).value_or("");
    plan.destination = fields.Text({"FlightPlan.FlightPlan/DestinationID"}).value_or("");
    if (std::string refusal = fields.Refusal(); !refusal.empty()) return Refused(refusal);

    Route route;
    const std::string positionPath = document.root + "/FlightPlan.FlightPlan/ATCWaypoint/WorldPosition";
    for (const XmlText& text : document.texts) {
        if (text.path != positionPath) continue;
        if (!route.AddWorldPosition(text.text)) {
            return Refused("the position of waypoint " + std::to_string(route.Count() + 1) + " cannot be read (\"" +
                           text.text + "\")");
        }
    }
    return route.Finish(plan);
}
