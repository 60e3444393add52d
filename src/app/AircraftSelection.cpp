#include "app/AircraftSelection.h"

std::int32_t AircraftSelection = kNoAircraft;
std::int32_t VariantZfw[kVariantCount] = {};
