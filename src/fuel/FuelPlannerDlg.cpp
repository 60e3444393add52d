#include "fuel/FuelPlannerDlg.h"

#include <utility>

#include "flightplan/FlightPlanChoice.h"
#include "flightplan/PlannerImport.h"
#include "res/ResourceIds.h"
#include "simbrief/SimBriefFlows.h"
#include "ui/DialogItems.h"
#include "ui/UserInterface.h"

namespace {

// A field of the window and the text of the form it shows. Fields the user types in have a
// longest text; they are read before every action and written back after it. The others
// (maxLength 0) are written by the form only.
struct Field {
    int id;
    std::string FuelPlannerTexts::*text;
    int maxLength;
};

constexpr Field kFields[] = {
    {IDC_PLANNER_DISTANCE, &FuelPlannerTexts::distance, FuelPlannerLimits::kDistance},
    {IDC_PLANNER_ALTITUDE, &FuelPlannerTexts::altitude, FuelPlannerLimits::kAltitude},
    {IDC_PLANNER_COST_INDEX, &FuelPlannerTexts::costIndex, FuelPlannerLimits::kCostIndex},
    {IDC_PLANNER_ZERO_FUEL_WEIGHT, &FuelPlannerTexts::zeroFuelWeight, FuelPlannerLimits::kZeroFuelWeight},
    {IDC_PLANNER_TAXI_FUEL, &FuelPlannerTexts::taxiFuel, FuelPlannerLimits::kTaxiFuel},
    {IDC_PLANNER_ROUTE_RESERVE, &FuelPlannerTexts::routeReserve, FuelPlannerLimits::kRouteReserve},
    {IDC_PLANNER_FINAL_FUEL, &FuelPlannerTexts::finalFuel, FuelPlannerLimits::kFinalFuel},
    {IDC_PLANNER_TRIP_FUEL, &FuelPlannerTexts::tripFuel, 0},
    {IDC_PLANNER_FUEL_ON_BOARD, &FuelPlannerTexts::fuelOnBoard, 0},
    {IDC_PLANNER_LEFT_INNER, &FuelPlannerTexts::innerTank, 0},
    {IDC_PLANNER_RIGHT_INNER, &FuelPlannerTexts::innerTank, 0},
    {IDC_PLANNER_LEFT_OUTER, &FuelPlannerTexts::outerTank, 0},
    {IDC_PLANNER_RIGHT_OUTER, &FuelPlannerTexts::outerTank, 0},
    {IDC_PLANNER_CENTER, &FuelPlannerTexts::centerTank, 0},
    {IDC_PLANNER_TAKE_OFF_WEIGHT_NOTE, &FuelPlannerTexts::takeOffWeightNote, 0},
    {IDC_PLANNER_ZFW_UNIT, &FuelPlannerTexts::weightUnit, 0},
    {IDC_PLANNER_TAXI_UNIT, &FuelPlannerTexts::weightUnit, 0},
    {IDC_PLANNER_TRIP_UNIT, &FuelPlannerTexts::weightUnit, 0},
    {IDC_PLANNER_FINAL_UNIT, &FuelPlannerTexts::weightUnit, 0},
    {IDC_PLANNER_FOB_UNIT, &FuelPlannerTexts::weightUnit, 0},
    {IDC_PLANNER_OFP_UNIT, &FuelPlannerTexts::weightUnit, 0},
    {IDC_PLANNER_COST_INDEX_UNIT, &FuelPlannerTexts::costIndexUnit, 0},
};

constexpr COLORREF kOuterTankColor = RGB(255, 255, 128);
constexpr COLORREF kInnerTankColor = RGB(255, 200, 130);
constexpr COLORREF kCenterTankColor = RGB(192, 255, 192);
constexpr COLORREF kFuelOnBoardColor = RGB(0, 0, 150);
constexpr COLORREF kFuelOnBoardTextColor = RGB(255, 255, 255);

}  // namespace

FuelPlanner::FuelPlanner(const Variant& variant, RunState& run, std::int32_t savedZeroFuelWeight,
                         std::int32_t maximumGrossWeight, HWND parent)
    : ModalDialog(IDD_FUEL_PLANNER, parent),
      run_(run),
      form_(variant, savedZeroFuelWeight, maximumGrossWeight) {
    Bind(IDC_PLANNER_FUEL_ON_BOARD, fuelOnBoard_);
    Bind(IDC_PLANNER_CENTER, center_);
    Bind(IDC_PLANNER_RIGHT_INNER, rightInner_);
    Bind(IDC_PLANNER_RIGHT_OUTER, rightOuter_);
    Bind(IDC_PLANNER_LEFT_OUTER, leftOuter_);
    Bind(IDC_PLANNER_LEFT_INNER, leftInner_);
}

bool FuelPlanner::OnInitDialog() {
    ShowPicture(IDC_PLANNER_BANNER, IDB_FUEL_PLANNER);
    leftOuter_.SetBackgroundColor(kOuterTankColor);
    rightOuter_.SetBackgroundColor(kOuterTankColor);
    leftInner_.SetBackgroundColor(kInnerTankColor);
    rightInner_.SetBackgroundColor(kInnerTankColor);
    center_.SetBackgroundColor(kCenterTankColor);
    fuelOnBoard_.SetBackgroundColor(kFuelOnBoardColor);
    fuelOnBoard_.SetTextColor(kFuelOnBoardTextColor);

    for (const Field& field : kFields) {
        if (field.maxLength > 0) SendMessageA(Item(field.id), EM_LIMITTEXT, static_cast<WPARAM>(field.maxLength), 0);
    }
    ShowFields();
    SetItemChecked(Window(), IDC_PLANNER_METRIC, true);
    SetItemChecked(Window(), IDC_PLANNER_IMPERIAL, false);
    if (startingFlight_) startingMessage_ = TakeFlight(*startingFlight_);
    return true;
}

void FuelPlanner::OnShown() {
    if (const std::optional<FuelPlannerMessage> message = std::exchange(startingMessage_, std::nullopt)) {
        ShowMessage(message->text, message->caption, MB_ICONSTOP);
    }
}

bool FuelPlanner::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_PLANNER_VALIDATE: OnValidate(); return true;
            case IDC_PLANNER_IMPORT: Import(ChooseFlightPlan(FlightPlanUse::Flight, run_)); return true;
            case IDC_PLANNER_LATEST: Import(LatestFlightPlan(Window(), FlightPlanUse::Flight, run_)); return true;
            case IDC_PLANNER_METRIC: OnMetric(); return true;
            case IDC_PLANNER_IMPERIAL: OnImperial(); return true;
            default: break;
        }
    }
    return ModalDialog::OnCommand(id, code, control);
}

void FuelPlanner::OnValidate() {
    ReadFields();
    const std::optional<FuelPlannerMessage> message = form_.Validate();
    ShowFields();
    if (message) ShowMessage(message->text, message->caption, MB_ICONSTOP);
}

void FuelPlanner::Import(const std::optional<ChosenFlightPlan>& chosen) {
    if (!chosen) return;
    if (const std::optional<FuelPlannerMessage> message = TakeFlight(*chosen)) {
        ShowMessage(message->text, message->caption, MB_ICONSTOP);
    }
}

std::optional<FuelPlannerMessage> FuelPlanner::TakeFlight(const ChosenFlightPlan& chosen) {
    ReadFields();
    const PlannerImport import = ImportIntoPlanner(form_, form_.Units(), chosen.plan, chosen.path);
    if (import.imported) {
        ofpBlockFuelKg_.reset();
        if (chosen.plan.format == FlightPlanFormat::Ofp) ofpBlockFuelKg_ = chosen.plan.load.blockFuelKg;
    }
    ShowFields();
    return import.message;
}

void FuelPlanner::SelectUnits(UnitSystem units) {
    ReadFields();
    form_.SelectUnits(units);
    ShowFields();
}

void FuelPlanner::ReadFields() {
    for (const Field& field : kFields) {
        if (field.maxLength > 0) form_.texts.*field.text = ItemText(Window(), field.id);
    }
}

void FuelPlanner::ShowFields() {
    // Only what changed, so that a field being typed in keeps its caret.
    auto show = [this](int id, const std::string& text) {
        if (ItemText(Window(), id) != text) SetItemText(Window(), id, text);
    };
    for (const Field& field : kFields) show(field.id, form_.texts.*field.text);
    show(IDC_PLANNER_OFP_BLOCK_FUEL, ofpBlockFuelKg_ ? PlannerWeightText(*ofpBlockFuelKg_, form_.Units()) : "");
}
