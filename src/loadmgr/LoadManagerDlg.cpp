#include "loadmgr/LoadManagerDlg.h"

#include <commctrl.h>

#include <utility>

#include "flightplan/FlightPlanChoice.h"
#include "flightplan/PayloadNote.h"
#include "flightplan/PayloadSpread.h"
#include "loadmgr/PayloadTotals.h"
#include "res/ResourceIds.h"
#include "simbrief/SimBriefFlows.h"
#include "ui/BackupQuestion.h"
#include "ui/UserInterface.h"
#include "ui/WindowScale.h"

namespace {

const COLORREF kCabinCountColor = RGB(255, 255, 128);
const COLORREF kCabinColor = RGB(255, 200, 130);  // cabin rows, their bars and the passenger total
const COLORREF kHoldPercentColor = RGB(192, 255, 192);
const COLORREF kHoldColor = RGB(128, 255, 128);  // hold rows, their bars and the cargo total
const COLORREF kZfwColor = RGB(0, 0, 150);
const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

CLoadManager::CLoadManager(int templateId, HWND parent) : ModalDialog(templateId, parent) {
    Bind(IDC_FIRST_CABIN_COUNT, firstCabinCountField_);
    Bind(IDC_ZFW, zfwField_);
    Bind(IDC_SECOND_CABIN_COUNT, secondCabinCountField_);
    Bind(IDC_FIRST_CABIN_WEIGHT, firstCabinWeightField_);
    Bind(IDC_SECOND_CABIN_WEIGHT, secondCabinWeightField_);
    Bind(IDC_FORWARD_HOLD_PERCENT, forwardHoldPercentField_);
    Bind(IDC_AFT_HOLD_PERCENT, aftHoldPercentField_);
    Bind(IDC_FORWARD_HOLD_WEIGHT, forwardHoldWeightField_);
    Bind(IDC_AFT_HOLD_WEIGHT, aftHoldWeightField_);
    Bind(IDC_PASSENGER_WEIGHT, passengerWeightField_);
    Bind(IDC_CARGO_WEIGHT, cargoWeightField_);
    Bind(IDC_SECOND_CABIN_BAR, secondCabinBar_);
    Bind(IDC_FIRST_CABIN_BAR, firstCabinBar_);
    Bind(IDC_FORWARD_HOLD_BAR, forwardHoldBar_);
    Bind(IDC_AFT_HOLD_BAR, aftHoldBar_);
    Bind(IDC_FIRST_CABIN_SLIDER, firstCabinSlider_);
    Bind(IDC_SECOND_CABIN_SLIDER, secondCabinSlider_);
    Bind(IDC_FORWARD_HOLD_SLIDER, forwardHoldSlider_);
    Bind(IDC_AFT_HOLD_SLIDER, aftHoldSlider_);
}

CLoadManager::~CLoadManager() {
    if (zfwFont_) DeleteObject(zfwFont_);
}

WeightAndBalance CLoadManager::Payload() const {
    return {emptyWeight_, firstCabinCount_, secondCabinCount_, forwardHoldPercentage_, aftHoldPercentage_};
}

bool CLoadManager::IsSlider(int id) {
    return id == IDC_FIRST_CABIN_SLIDER || id == IDC_SECOND_CABIN_SLIDER || id == IDC_FORWARD_HOLD_SLIDER ||
           id == IDC_AFT_HOLD_SLIDER;
}

void CLoadManager::InitPayloadControls(std::int32_t firstCabinCapacity, std::int32_t secondCabinCapacity) {
    firstCabinSlider_.SetRange(0, firstCabinCapacity);
    firstCabinBar_.SetRange(0, firstCabinCapacity);
    firstCabinBar_.SetBarColor(kCabinColor);
    secondCabinSlider_.SetRange(0, secondCabinCapacity);
    secondCabinBar_.SetRange(0, secondCabinCapacity);
    secondCabinBar_.SetBarColor(kCabinColor);
    forwardHoldBar_.SetRange(0, 100);
    forwardHoldBar_.SetBarColor(kHoldColor);
    aftHoldBar_.SetRange(0, 100);
    aftHoldBar_.SetBarColor(kHoldColor);

    // Always kilograms on opening, whatever was shown last time.
    SetItemChecked(Window(), IDC_UNIT_KG, true);
    SetItemChecked(Window(), IDC_UNIT_LB, false);
    unitFactor_ = kKilogramFactor;

    firstCabinCountField_.SetBackgroundColor(kCabinCountColor);
    secondCabinCountField_.SetBackgroundColor(kCabinCountColor);
    firstCabinWeightField_.SetBackgroundColor(kCabinColor);
    secondCabinWeightField_.SetBackgroundColor(kCabinColor);
    forwardHoldPercentField_.SetBackgroundColor(kHoldPercentColor);
    aftHoldPercentField_.SetBackgroundColor(kHoldPercentColor);
    forwardHoldWeightField_.SetBackgroundColor(kHoldColor);
    aftHoldWeightField_.SetBackgroundColor(kHoldColor);
    passengerWeightField_.SetBackgroundColor(kCabinColor);
    cargoWeightField_.SetBackgroundColor(kHoldColor);
    zfwField_.SetBackgroundColor(kZfwColor);
    zfwField_.SetTextColor(kWhite);

    ShowReadoutFont(WindowDpi(Window()));

    for (ProgressBar* bar : {&firstCabinBar_, &secondCabinBar_, &forwardHoldBar_, &aftHoldBar_}) {
        bar->SetBackgroundColor(kWhite);
    }
}

void CLoadManager::ShowReadoutFont(int dpi) {
    // Tahoma 9 pt bold.
    HFONT font = CreateFontA(-MulDiv(9, dpi, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             "Tahoma");
    SendMessageA(zfwField_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (zfwFont_) DeleteObject(zfwFont_);
    zfwFont_ = font;
}

void CLoadManager::OnScaleChanged(int dpi) { ShowReadoutFont(dpi); }

void CLoadManager::LoadPayload(const ProfileSnapshot& file, std::int32_t defaultEmptyWeightLb,
                               std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg) {
    WeightAndBalance payload = ReadWeightAndBalance(file, defaultEmptyWeightLb, forwardCapacityKg, aftCapacityKg);
    emptyWeight_ = payload.emptyWeight;
    // The sliders clamp what the file holds beyond a cabin's capacity or 100 %.
    ShowPayload(payload, forwardCapacityKg, aftCapacityKg);
}

void CLoadManager::ShowPayload(const WeightAndBalance& payload, std::int32_t forwardCapacityKg,
                               std::int32_t aftCapacityKg) {
    firstCabinSlider_.SetPosition(payload.firstCabinCount);
    secondCabinSlider_.SetPosition(payload.secondCabinCount);
    forwardHoldSlider_.SetPosition(payload.forwardHoldPercentage);
    aftHoldSlider_.SetPosition(payload.aftHoldPercentage);
    RefreshFromSliders(forwardCapacityKg, aftCapacityKg);
}

void CLoadManager::RefreshFromSliders(std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg) {
    struct Row {
        Trackbar& slider;
        int field;
        ProgressBar& bar;
    };
    const Row rows[] = {{firstCabinSlider_, IDC_FIRST_CABIN_COUNT, firstCabinBar_},
                        {secondCabinSlider_, IDC_SECOND_CABIN_COUNT, secondCabinBar_},
                        {forwardHoldSlider_, IDC_FORWARD_HOLD_PERCENT, forwardHoldBar_},
                        {aftHoldSlider_, IDC_AFT_HOLD_PERCENT, aftHoldBar_}};
    for (const Row& row : rows) {
        int position = row.slider.Position();
        SetItemNumber(Window(), row.field, static_cast<unsigned>(position));
        row.bar.SetPosition(position);
    }
    RecomputeTotals(forwardCapacityKg, aftCapacityKg);
}

void CLoadManager::RecomputeTotals(std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg) {
    firstCabinCount_ = firstCabinSlider_.Position();
    secondCabinCount_ = secondCabinSlider_.Position();
    forwardHoldPercentage_ = forwardHoldSlider_.Position();
    aftHoldPercentage_ = aftHoldSlider_.Position();
    PayloadTotals totals = ComputePayloadTotals({firstCabinCount_, secondCabinCount_, forwardHoldPercentage_,
                                                 aftHoldPercentage_, forwardCapacityKg, aftCapacityKg, emptyWeight_,
                                                 unitFactor_});
    zeroFuelWeight_ = totals.zeroFuelWeightKg;

    const std::pair<int, std::uint32_t> shown[] = {
        {IDC_FIRST_CABIN_WEIGHT, totals.firstCabinWeight},   {IDC_SECOND_CABIN_WEIGHT, totals.secondCabinWeight},
        {IDC_PASSENGER_WEIGHT, totals.passengerWeight},      {IDC_FORWARD_HOLD_WEIGHT, totals.forwardHoldWeight},
        {IDC_AFT_HOLD_WEIGHT, totals.aftHoldWeight},         {IDC_CARGO_WEIGHT, totals.cargoWeight},
        {IDC_AIRCRAFT_WEIGHT, totals.aircraftWeight},        {IDC_ZFW, totals.zeroFuelWeight},
    };
    for (const auto& [id, value] : shown) SetItemNumber(Window(), id, value);
}

PayloadSaveOutcome CLoadManager::WritePayload(const std::vector<std::string>& candidates,
                                              std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg) const {
    return SavePayloadToFiles(candidates, Payload(), forwardCapacityKg, aftCapacityKg);
}

CVariantLoadManager::CVariantLoadManager(const Variant& variant, RunState& run, HWND parent)
    : CLoadManager(variant.loadManagerTemplate, parent),
      variant_(variant),
      run_(run),
      candidates_(CandidateFiles(variant, run.Paths().fsRoot)),
      installed_(IsVariantInstalled(variant, run.Paths().fsRoot)) {}

PayloadSaveOutcome CVariantLoadManager::SavePayload() const {
    return WritePayload(candidates_, variant_.forwardHoldKg, variant_.aftHoldKg);
}

void CVariantLoadManager::OnOK() {
    const std::optional<PayloadSaveOutcome> outcome =
        BackUpThenSave(run_.Backups(), candidates_, [this] { return SavePayload(); });
    if (!outcome) return;
    if (!outcome->AllWritten()) {
        ShowMessage(outcome->FailureMessage(), "ERROR", MB_ICONSTOP);
        return;
    }
    run_.PayloadSaved(variant_, Payload(), ZeroFuelWeight());
    EndDialog(IDOK);
}

bool CVariantLoadManager::OnInitDialog() {
    // Each view fills its control, as its bars (both in dialog units) do their places on it.
    ShowPicture(IDC_LOAD_MANAGER_HEADER, IDB_LOAD_MANAGER_HEADER);
    ShowPicture(IDC_CABIN_IMAGE, variant_.cabinPicture);
    ShowPicture(IDC_HOLD_IMAGE, variant_.holdPicture);
    InitPayloadControls(variant_.firstCabinSeats, variant_.secondCabinSeats);
    // The launcher has read the source and seen that it can be shown.
    LoadPayload(source_, variant_.emptyWeightLb, variant_.forwardHoldKg, variant_.aftHoldKg);
    if (startingPlan_) startingNote_ = SetPayloadOf(*startingPlan_);
    return true;  // the dialog manager sets the initial focus
}

void CVariantLoadManager::OnShown() {
    if (!startingNote_.empty()) ShowMessage(std::exchange(startingNote_, {}), kFlightPlanCaption, MB_ICONINFORMATION);
}

bool CVariantLoadManager::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != static_cast<UINT>(NM_CUSTOMDRAW) || !IsSlider(static_cast<int>(header.idFrom))) return false;
    // Every repaint of a slider, so the read-outs follow however it was moved.
    RefreshFromSliders(variant_.forwardHoldKg, variant_.aftHoldKg);
    result = CDRF_DODEFAULT;
    return true;
}

void CVariantLoadManager::OnHScroll(int, HWND scrollBar) {
    // A moved slider also repaints, but not while it is hidden or covered.
    if (scrollBar && IsSlider(GetDlgCtrlID(scrollBar))) RefreshFromSliders(variant_.forwardHoldKg, variant_.aftHoldKg);
}

void CVariantLoadManager::Import(const std::optional<ChosenFlightPlan>& chosen) {
    if (!chosen) return;
    if (const std::optional<std::string> question = OtherTypeQuestion(variant_, chosen->plan.load);
        question && !AskYesNo(*question, kFlightPlanCaption, MB_ICONQUESTION)) {
        return;
    }
    ShowMessage(SetPayloadOf(chosen->plan), kFlightPlanCaption, MB_ICONINFORMATION);
}

std::string CVariantLoadManager::SetPayloadOf(const FlightPlan& plan) {
    const PayloadSpread spread = SpreadPayload(variant_, plan.load.passengers, plan.load.cargoKg);
    WeightAndBalance payload = spread.payload;
    payload.emptyWeight = Payload().emptyWeight;
    ShowPayload(payload, variant_.forwardHoldKg, variant_.aftHoldKg);
    return PayloadNote(plan, variant_, spread, payload.emptyWeight, UnitFactor());
}

bool CVariantLoadManager::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && id == IDC_LOAD_MANAGER_IMPORT) {
        Import(ChooseFlightPlan(FlightPlanUse::Payload, run_));
        return true;
    }
    if (code == BN_CLICKED && id == IDC_LOAD_MANAGER_LATEST) {
        Import(LatestFlightPlan(Window(), FlightPlanUse::Payload, run_));
        return true;
    }
    if (code == BN_CLICKED && (id == IDC_UNIT_KG || id == IDC_UNIT_LB)) {
        SetUnitFactor(id == IDC_UNIT_KG ? kKilogramFactor : kPoundFactor);
        RecomputeTotals(variant_.forwardHoldKg, variant_.aftHoldKg);
        return true;
    }
    return CLoadManager::OnCommand(id, code, control);
}

CA318LoadManager::CA318LoadManager(RunState& run, HWND parent) : CVariantLoadManager(*FindVariant(kA318), run, parent) {}
CA319LoadManager::CA319LoadManager(RunState& run, HWND parent) : CVariantLoadManager(*FindVariant(kA319), run, parent) {}
CA320LoadManager::CA320LoadManager(RunState& run, HWND parent) : CVariantLoadManager(*FindVariant(kA320), run, parent) {}
CA321LoadManager::CA321LoadManager(RunState& run, HWND parent) : CVariantLoadManager(*FindVariant(kA321), run, parent) {}
CACJLoadManager::CACJLoadManager(RunState& run, HWND parent) : CVariantLoadManager(*FindVariant(kACJ), run, parent) {}

std::unique_ptr<CVariantLoadManager> CreateLoadManager(std::int32_t selection, RunState& run) {
    switch (selection) {
        case kA318: return std::make_unique<CA318LoadManager>(run);
        case kA319: return std::make_unique<CA319LoadManager>(run);
        case kA320: return std::make_unique<CA320LoadManager>(run);
        case kA321: return std::make_unique<CA321LoadManager>(run);
        case kACJ: return std::make_unique<CACJLoadManager>(run);
        default: return nullptr;
    }
}
