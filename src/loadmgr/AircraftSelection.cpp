#include "loadmgr/AircraftSelection.h"

std::int32_t AircraftSelection = kNoAircraft;
std::int32_t VariantZfw[kVariantCount] = {};
std::int32_t LoadManagerZfw = 0;
