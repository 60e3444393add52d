#pragma once

#include <cstdint>

// Total fuel in kg: trip, taxi and final fuel plus the route reserve, a percentage of the
// trip fuel.
std::int32_t FuelOnBoard(std::int32_t tripFuel, std::int32_t taxiFuel, std::int32_t routeReservePercentage,
                         std::int32_t finalFuel);
