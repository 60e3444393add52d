#pragma once

#include "ui/ModalDialog.h"

// The small dialog in which the user picks the variant for the load manager or the fuel
// planner. A variant button only stores AircraftSelection; the bottom button closes it.
class CAircraftSelector : public ModalDialog {
public:
    explicit CAircraftSelector(HWND parent = nullptr);

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnInitDialog() override;

private:
    void SelectAircraft(int id);
};
