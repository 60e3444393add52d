#pragma once

#include "fuel/FuelPlannerForm.h"
#include "ui/ColorEdit.h"
#include "ui/DialogControl.h"
#include "ui/ModalDialog.h"

// The fuel planner window for the variant in AircraftSelection: flight data in, trip fuel,
// fuel on board and the tank split out, in kilograms or pounds. The form does the work;
// the window copies texts between it and the controls and shows its messages.
class FuelPlanner : public ModalDialog {
public:
    explicit FuelPlanner(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    // Enter validates; the planner has no OK to end it with.
    void OnOK() override { OnValidate(); }

private:
    void OnValidate();
    void OnMetric() { SelectUnits(UnitSystem::Metric); }
    void OnImperial() { SelectUnits(UnitSystem::Imperial); }
    void SelectUnits(UnitSystem units);

    void ReadFields();
    void ShowFields();

    FuelPlannerForm form_;
    DialogControl distance_;
    DialogControl altitude_;
    DialogControl costIndex_;
    DialogControl zeroFuelWeight_;
    CColorEdit fuelOnBoard_;
    DialogControl taxiFuel_;
    DialogControl tripFuel_;
    DialogControl routeReserve_;
    DialogControl finalFuel_;
    CColorEdit center_;
    CColorEdit rightInner_;
    CColorEdit rightOuter_;
    CColorEdit leftOuter_;
    CColorEdit leftInner_;
};
