#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "flightplan/PlannerImport.h"

namespace {

constexpr UnitSystem kg = UnitSystem::Metric, lb = UnitSystem::Imperial;
const std::string kPath = "C:\\Plans\\EBBRLEMD.pln";

FlightPlan Plan(FlightPlanFormat format, std::int32_t distance, std::int32_t altitude) {
    FlightPlan plan;
    plan.format = format;
    plan.distanceNm = distance, plan.cruisingAltitudeFt = altitude;
    plan.load = {"A320", 148, 3320, 60500, 9850, 30};
    return plan;
}

auto Texts(const FuelPlannerTexts& t) {
    return std::tie(t.distance, t.altitude, t.costIndex, t.zeroFuelWeight, t.taxiFuel, t.routeReserve, t.finalFuel,
                    t.tripFuel, t.fuelOnBoard, t.innerTank, t.outerTank, t.centerTank, t.weightUnit, t.costIndexUnit);
}

// An A320 planner, with the zero-fuel weight its load manager saved (0: none).
TEST(PlannerImportTest, TheFlightIsPlannedOrTheFormLeftAsItWas) {
    constexpr auto ofp = FlightPlanFormat::Ofp, pln = FlightPlanFormat::Fs9Plan;
    const char* const refusal = "The file\nC:\\Plans\\EBBRLEMD.pln\ncould not be imported: the fuel planner refuses its ";
    const std::tuple<UnitSystem, std::int32_t, FlightPlan, bool, std::tuple<const char*, const char*, const char*, const char*>,
                     std::string>
        cases[] = {
            {kg, 0, Plan(ofp, 718, 35000), true, {"718", "35000", "30", "60500"}, ""},
            {lb, 0, Plan(ofp, 718, 35000), true, {"718", "35000", "30", "133377"}, ""},
            {kg, 60000, Plan(pln, 3000, 35000), true, {"3000", "35000", "50", "60000"}, "This aircraft can not take enough fuel"},
            // Planned once the user fills in the weight.
            {kg, 0, Plan(pln, 173, 35000), true, {"173", "35000", "50", ""}, "All the mandatory fields must be filled."},
            {kg, 0, Plan(pln, 0, 35000), false, {}, std::string(refusal) + "distance (0 NM), cruising altitude (35000 ft).\n"},
            {lb, 0, Plan(ofp, 718, 45000), false, {},
             std::string(refusal) + "distance (718 NM), cruising altitude (45000 ft), cost index (30) and zero-fuel weight (133377 lb).\n"}};
    for (const auto& [units, savedWeight, plan, imported, fields, message] : cases) {
        SCOPED_TRACE(message);
        FuelPlannerForm form(*FindVariant(kA320), savedWeight, 0);
        form.SelectUnits(units);
        const FuelPlannerTexts before = form.texts;
        const PlannerImport result = ImportIntoPlanner(form, units, plan, kPath);
        EXPECT_EQ(result.imported, imported);
        EXPECT_EQ(result.message.value_or(FuelPlannerMessage{}).text.substr(0, message.size()), message);
        if (!imported) {
            EXPECT_EQ(result.message->caption, "ERROR");
            EXPECT_EQ(Texts(form.texts), Texts(before));
            continue;
        }
        const auto& [distance, altitude, costIndex, zeroFuelWeight] = fields;
        EXPECT_EQ(std::tie(form.texts.distance, form.texts.altitude, form.texts.costIndex, form.texts.zeroFuelWeight),
                  std::make_tuple(distance, altitude, costIndex, zeroFuelWeight));
        EXPECT_EQ(form.texts.tripFuel.empty(), std::string(zeroFuelWeight).empty());
    }
}

}  // namespace
