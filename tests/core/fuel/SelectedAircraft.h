#pragma once

#include <cstdint>

#include "loadmgr/AircraftSelection.h"

// Selects a variant for the lifetime of the object and puts the previous selection back,
// so that one test's variant never leaks into the next.
class SelectedAircraft {
public:
    explicit SelectedAircraft(std::int32_t variant) : previous_(AircraftSelection) { AircraftSelection = variant; }
    ~SelectedAircraft() { AircraftSelection = previous_; }
    SelectedAircraft(const SelectedAircraft&) = delete;
    SelectedAircraft& operator=(const SelectedAircraft&) = delete;

private:
    std::int32_t previous_;
};
