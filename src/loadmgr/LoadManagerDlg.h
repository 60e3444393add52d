#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aircraft/Variants.h"
#include "app/RunState.h"
#include "flightplan/FlightPlanChoice.h"
#include "loadmgr/AircraftFile.h"
#include "loadmgr/PayloadFiles.h"
#include "ui/ColorEdit.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

// The payload dialog shared by every variant: four sliders (two cabins, two holds), their
// read-outs, the occupancy bars over the aircraft images and the totals with the
// zero-fuel weight, in kilograms or pounds. Only its OK changes files (in the variant class).
class CLoadManager : public ModalDialog {
public:
    CLoadManager(int templateId, HWND parent);
    ~CLoadManager() override;

    // The payload as the sliders showed it at the last recomputation.
    WeightAndBalance Payload() const;
    // The zero-fuel weight (kg) of the last recomputation, 0 before the first; what the
    // fuel planner starts from once the payload is saved.
    std::int32_t ZeroFuelWeight() const { return zeroFuelWeight_; }

protected:
    void InitPayloadControls(std::int32_t firstCabinCapacity, std::int32_t secondCabinCapacity);
    void LoadPayload(const ProfileSnapshot& file, std::int32_t defaultEmptyWeightLb, std::int32_t forwardCapacityKg,
                     std::int32_t aftCapacityKg);
    // Moves the sliders to the payload's counts and percentages (each clamps to its range),
    // then shows what they hold.
    void ShowPayload(const WeightAndBalance& payload, std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg);
    void RefreshFromSliders(std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg);
    void RecomputeTotals(std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg);
    // Writes the payload into each candidate file that exists; what happened to each.
    PayloadSaveOutcome WritePayload(const std::vector<std::string>& candidates, std::int32_t forwardCapacityKg,
                                    std::int32_t aftCapacityKg) const;

    void SetUnitFactor(float factor) { unitFactor_ = factor; }
    float UnitFactor() const { return unitFactor_; }
    static bool IsSlider(int id);
    // The dialog manager has given the read-outs its own font at the new scale: the
    // zero-fuel weight gets its bold one again, made for that scale.
    void OnScaleChanged(int dpi) override;

private:
    // The zero-fuel weight's bold font made at `dpi`; the one it replaces is deleted.
    void ShowReadoutFont(int dpi);

    // The coloured read-outs; the aircraft weight (empty weight) keeps the system's colours.
    CColorEdit firstCabinCountField_, zfwField_, secondCabinCountField_, firstCabinWeightField_,
        secondCabinWeightField_, forwardHoldPercentField_, aftHoldPercentField_, forwardHoldWeightField_,
        aftHoldWeightField_, passengerWeightField_, cargoWeightField_;
    HFONT zfwFont_ = nullptr;
    ProgressBar secondCabinBar_, firstCabinBar_, forwardHoldBar_, aftHoldBar_;
    Trackbar firstCabinSlider_, secondCabinSlider_, forwardHoldSlider_, aftHoldSlider_;

    // The payload state: the unit shown and what the sliders showed at the last recomputation.
    float unitFactor_ = 1.0f;
    std::int32_t emptyWeight_ = 0;  // kg
    std::int32_t firstCabinCount_ = 0;
    std::int32_t secondCabinCount_ = 0;
    std::int32_t forwardHoldPercentage_ = 0;
    std::int32_t aftHoldPercentage_ = 0;
    std::int32_t zeroFuelWeight_ = 0;
};

// The load manager of one variant: its template, pictures, capacities and aircraft files.
// OK keeps the files' first backups and saves the payload into every file of the variant
// before the dialog ends; when the user declines to save without a backup, or a file could
// not be written, the dialog stays open with the payload the user set. The run keeps the
// payload for the fuel planner when every file received it.
class CVariantLoadManager : public CLoadManager {
public:
    // Whether one of its files exists, as found when the object was made.
    bool IsInstalled() const { return installed_; }
    const std::vector<std::string>& Files() const { return candidates_; }
    // Reads the file the dialog will show the payload of; the dialog opens on this read.
    const ProfileSnapshot& ReadSource() { return source_ = ReadPayloadSource(candidates_); }
    // The payload into every file of the variant that exists.
    PayloadSaveOutcome SavePayload() const;
    // Opens with the OFP's payload set, as Import sets it, and its note over the dialog.
    void StartWith(const FlightPlan& plan) { startingPlan_ = plan; }

protected:
    CVariantLoadManager(const Variant& variant, RunState& run, HWND parent);

    bool OnInitDialog() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnHScroll(int request, HWND scrollBar) override;
    void OnOK() override;
    void OnShown() override;

private:
    // The OFP's payload onto the sliders, after a Yes when it is filed for another type;
    // saved only by OK, as any other change.
    void Import(const std::optional<ChosenFlightPlan>& chosen);
    // Sets the payload and gives the note that says what was set.
    std::string SetPayloadOf(const FlightPlan& plan);

    const Variant& variant_;
    RunState& run_;
    std::vector<std::string> candidates_;  // below the simulator's folder; primary first
    ProfileSnapshot source_{std::string(), FileStatus::NotFound, std::string()};
    bool installed_;
    std::optional<FlightPlan> startingPlan_;
    std::string startingNote_;
};

struct CA318LoadManager : CVariantLoadManager { explicit CA318LoadManager(RunState& run, HWND parent = nullptr); };
struct CA319LoadManager : CVariantLoadManager { explicit CA319LoadManager(RunState& run, HWND parent = nullptr); };
struct CA320LoadManager : CVariantLoadManager { explicit CA320LoadManager(RunState& run, HWND parent = nullptr); };
struct CA321LoadManager : CVariantLoadManager { explicit CA321LoadManager(RunState& run, HWND parent = nullptr); };
struct CACJLoadManager : CVariantLoadManager { explicit CACJLoadManager(RunState& run, HWND parent = nullptr); };

// The load manager of a selector value; null outside 1..5.
std::unique_ptr<CVariantLoadManager> CreateLoadManager(std::int32_t selection, RunState& run);
