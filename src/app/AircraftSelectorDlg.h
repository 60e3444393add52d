#pragma once

#include <cstdint>
#include <vector>

#include "aircraft/Variants.h"
#include "ui/ModalDialog.h"

// The small dialog in which the user picks the variant for the load manager or the fuel
// planner. A variant button only records the choice; the bottom button closes it.
class CAircraftSelector : public ModalDialog {
public:
    // Offers the variants `offered` only (kA318 ... kACJ), every one when it is empty.
    explicit CAircraftSelector(std::vector<std::int32_t> offered = {}, HWND parent = nullptr);

    // The variant last pressed (kA318 ... kACJ); kNoAircraft while none was.
    std::int32_t Selection() const { return selection_; }

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnInitDialog() override;

private:
    std::vector<std::int32_t> offered_;
    std::int32_t selection_ = kNoAircraft;
};
