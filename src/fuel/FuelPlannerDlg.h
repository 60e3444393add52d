#pragma once

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
    FuelPlanner(const Variant& variant, std::int32_t savedZeroFuelWeight, std::int32_t maximumGrossWeight,
                HWND parent = nullptr);

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
    CColorEdit fuelOnBoard_;
    CColorEdit center_;
    CColorEdit rightInner_;
    CColorEdit rightOuter_;
    CColorEdit leftOuter_;
    CColorEdit leftInner_;
};
