#include "flightplan/PayloadNote.h"

#include <cmath>

#include "loadmgr/PayloadTotals.h"

namespace {

struct VariantNames {
    std::int32_t selection;
    const char* name;
    const char* filedType;
};

const VariantNames kNames[] = {
    {kA318, "A318", "A318"}, {kA319, "A319", "A319"}, {kA320, "A320", "A320"}, {kA321, "A321", "A321"}, {kACJ, "ACJ", "A319"},
};

const VariantNames& NamesOf(const Variant& variant) {
    for (const VariantNames& names : kNames) {
        if (names.selection == variant.selection) return names;
    }
    return kNames[0];
}

std::string Count(std::int32_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

const char* FiledAircraftType(const Variant& variant) { return NamesOf(variant).filedType; }

std::vector<std::int32_t> VariantsFiledAs(const std::string& type) {
    std::vector<std::int32_t> variants;
    for (const VariantNames& names : kNames) {
        if (type == names.filedType) variants.push_back(names.selection);
    }
    return variants;
}

std::string OtherAircraftMessage(const std::string& type) {
    return "The latest flight plan from SimBrief is " + (type.empty() ? "filed for no aircraft type" : "filed for the " + type) +
           ", and this program prepares flights of the A318, A319, A320, A321 and ACJ only.\n"
           "Plan the flight for one of them on SimBrief, then try again.";
}

std::optional<std::string> OtherTypeQuestion(const Variant& variant, const OfpLoad& load) {
    if (load.aircraftType == FiledAircraftType(variant)) return std::nullopt;
    return "This flight plan is filed for the " + load.aircraftType + ", and this is the load manager of the " +
           NamesOf(variant).name + ".\nImport its payload all the same?";
}

std::string PayloadNote(const FlightPlan& plan, const Variant& variant, const PayloadSpread& spread,
                        std::int32_t emptyWeightKg, float unitFactor) {
    PayloadFigures figures{spread.payload.firstCabinCount, spread.payload.secondCabinCount, spread.payload.forwardHoldPercentage,
                           spread.payload.aftHoldPercentage, variant.forwardHoldKg, variant.aftHoldKg, emptyWeightKg, unitFactor};
    const PayloadTotals shown = ComputePayloadTotals(figures);
    const std::string unit = unitFactor == kKilogramFactor ? " kg" : " lb";
    auto weight = [&](double kilograms) { return std::to_string(static_cast<std::int64_t>(std::floor(kilograms * unitFactor + 0.5))) + unit; };

    std::string note = plan.departure + " to " + plan.destination + ": " +
                       Count(spread.payload.firstCabinCount + spread.payload.secondCabinCount, "passenger") + ", " +
                       std::to_string(shown.cargoWeight) + unit + " of cargo.\n";
    std::string leftOver;
    if (spread.passengersLeftOver > 0) leftOver = Count(spread.passengersLeftOver, "passenger");
    if (spread.cargoLeftOverKg > 0) leftOver += (leftOver.empty() ? "" : " and ") + weight(spread.cargoLeftOverKg) + " of cargo";
    if (!leftOver.empty()) note += leftOver + " did not fit.\n";
    return note + "Zero-fuel weight: " + std::to_string(shown.zeroFuelWeight) + unit + " here, " +
           weight(plan.load.zeroFuelWeightKg) + " in the flight plan (" + weight(kPassengerKg) + " a passenger here).";
}
