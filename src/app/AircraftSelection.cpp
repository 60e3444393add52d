#include "app/AircraftSelection.h"

std::int32_t AircraftSelection = kNoAircraft;
