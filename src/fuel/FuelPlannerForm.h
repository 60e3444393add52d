#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "aircraft/Variants.h"

// What the fuel planner window does, without the window: the texts of its fields, the
// results of the last computation, the computation itself and the change of unit system.
// The window copies the editable texts in before an action and every text out after it.

enum class UnitSystem { Metric, Imperial };

// The texts of the planner's fields. Both inner tanks show the same text, as do both
// outer tanks.
struct FuelPlannerTexts {
    // Entered by the user.
    std::string distance;        // NM
    std::string altitude;        // ft
    std::string costIndex;
    std::string zeroFuelWeight;  // display unit
    std::string taxiFuel;        // display unit
    std::string routeReserve;    // % of the trip fuel
    std::string finalFuel;       // display unit
    // Results.
    std::string tripFuel;     // display unit
    std::string fuelOnBoard;  // display unit
    std::string innerTank;    // "amount (fill%)"
    std::string outerTank;    // "---" on a variant without outer tanks
    std::string centerTank;
    // Empty unless the take-off weight is above the aircraft file's maximum.
    std::string takeOffWeightNote;
    // Unit labels.
    std::string weightUnit;     // of every weight field
    std::string costIndexUnit;
};

// The longest text the user can type into each editable field: the largest amounts a
// trip of the family can need, with room to spare. Longer texts (pasted, or written by a
// change of unit) still compute soundly.
struct FuelPlannerLimits {
    static constexpr int kDistance = 5;
    static constexpr int kAltitude = 5;
    static constexpr int kCostIndex = 3;
    static constexpr int kZeroFuelWeight = 7;
    static constexpr int kTaxiFuel = 5;
    static constexpr int kRouteReserve = 3;
    static constexpr int kFinalFuel = 5;
};

// A refusal or warning for the user; every one is shown with the stop icon.
struct FuelPlannerMessage {
    std::string text;
    std::string caption;
};

class FuelPlannerForm {
public:
    // The opening state for the variant: cost index 50, the zero-fuel weight that its load
    // manager last saved (0: none), taxi 200 kg, reserve 5 %, final 1000 kg, in metric; no
    // results. Plans heavier than the maximum gross weight in kg (0: unknown) get a note.
    FuelPlannerForm(const Variant& variant, std::int32_t savedZeroFuelWeight, std::int32_t maximumGrossWeight);

    FuelPlannerTexts texts;

    // Computes trip fuel, fuel on board and the tank split from the texts and writes the
    // results. A refusal leaves every result as it was; a flight too short to climb to its
    // cruising altitude and descend again is refused. A total that does not fit the tanks
    // is shown filled to capacity, with a message.
    std::optional<FuelPlannerMessage> Validate();

    // Switches the display units: the weight fields are converted from their texts, the
    // tanks rewritten from the stored kilograms. Choosing the unit in force does nothing.
    void SelectUnits(UnitSystem units);
    UnitSystem Units() const { return units_; }

private:
    std::int32_t ToKilograms(const std::string& text) const;
    std::string ToDisplay(std::int32_t kilograms) const;
    std::string TankText(std::int32_t kilograms, float fraction) const;
    void ShowTankAmounts();
    void ShowTakeOffWeightNote();
    void RefreshUnits();

    const Variant* variant_;
    std::int32_t maximumGrossWeight_;
    UnitSystem units_ = UnitSystem::Metric;
    float unitFactor_ = 1.0f;  // display units per kilogram
    // The stored results of the last computation, in kilograms.
    std::int32_t inner_ = 0;
    std::int32_t outer_ = 0;
    std::int32_t center_ = 0;
    std::int32_t takeOffWeight_ = 0;  // the zero-fuel weight and the fuel on board
    float innerFraction_ = 0.0f;
    float outerFraction_ = 0.0f;
    float centerFraction_ = 0.0f;
};

// A field's text rewritten for the other unit system after a change of units: pounds to
// kilograms when the new system is metric, kilograms to pounds otherwise. An empty text
// stays empty.
std::string ConvertFieldUnit(const std::string& text, UnitSystem newUnits);
