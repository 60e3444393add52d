#pragma once

#include <optional>

#include "app/RunState.h"
#include "flightplan/FlightPlanChoice.h"
#include "fuel/FuelPlannerForm.h"
#include "ui/ColorEdit.h"
#include "ui/ModalDialog.h"

// The fuel planner window of one variant: flight data in, trip fuel,
// fuel on board and the tank split out, in kilograms or pounds. The form does the work;
// the window copies texts between it and the controls and shows its messages.
class FuelPlanner : public ModalDialog {
public:
    // Opens on the zero-fuel weight that the variant's load manager last saved (0: none);
    // notes plans above the maximum gross weight in kg of the aircraft file (0: unknown).
    // Imports start where the run's last one was chosen.
    FuelPlanner(const Variant& variant, RunState& run, std::int32_t savedZeroFuelWeight,
                std::int32_t maximumGrossWeight, HWND parent = nullptr);

    // Opens with the flight planned, as Import plans it.
    void StartWith(const ChosenFlightPlan& flight) { startingFlight_ = flight; }

protected:
    bool OnInitDialog() override;
    void OnShown() override;
    bool OnCommand(int id, int code, HWND control) override;
    // Enter validates; the planner has no OK to end it with.
    void OnOK() override { OnValidate(); }

private:
    void OnValidate();
    // A flight plan's flight into the fields, planned as Validate plans it; the planner's
    // message, if it has one.
    void Import(const std::optional<ChosenFlightPlan>& chosen);
    std::optional<FuelPlannerMessage> TakeFlight(const ChosenFlightPlan& chosen);
    void OnMetric() { SelectUnits(UnitSystem::Metric); }
    void OnImperial() { SelectUnits(UnitSystem::Imperial); }
    void SelectUnits(UnitSystem units);

    void ReadFields();
    void ShowFields();

    RunState& run_;
    FuelPlannerForm form_;
    std::optional<ChosenFlightPlan> startingFlight_;
    std::optional<FuelPlannerMessage> startingMessage_;
    std::optional<double> ofpBlockFuelKg_;  // of the OFP last imported; none after a simulator's plan
    CColorEdit fuelOnBoard_;
    CColorEdit center_;
    CColorEdit rightInner_;
    CColorEdit rightOuter_;
    CColorEdit leftOuter_;
    CColorEdit leftInner_;
};
