#include "flightplan/PayloadSpread.h"

#include <cmath>

#include "loadmgr/PayloadTotals.h"

PayloadSpread SpreadPayload(const Variant& variant, std::int32_t passengers, double cargoKg) {
    PayloadSpread spread;
    const std::int32_t seats = variant.firstCabinSeats + variant.secondCabinSeats;
    if (passengers >= seats) {
        spread.payload.firstCabinCount = variant.firstCabinSeats;
        spread.payload.secondCabinCount = variant.secondCabinSeats;
        spread.passengersLeftOver = passengers - seats;
    } else {
        // Rounded to the nearest; neither cabin can then hold more than its seats.
        spread.payload.firstCabinCount = (2 * passengers * variant.firstCabinSeats + seats) / (2 * seats);
        spread.payload.secondCabinCount = passengers - spread.payload.firstCabinCount;
    }

    const std::int32_t forward = variant.forwardHoldKg, aft = variant.aftHoldKg;
    const double capacity = forward + aft;
    if (cargoKg >= capacity) {
        spread.payload.forwardHoldPercentage = spread.payload.aftHoldPercentage = 100;
        spread.cargoLeftOverKg = static_cast<std::int32_t>(std::floor(cargoKg - capacity + 0.5));
        return spread;
    }
    auto load = [&](std::int32_t forwardPercentage, std::int32_t aftPercentage) {
        return static_cast<double>(HoldKilograms(forwardPercentage, forward) + HoldKilograms(aftPercentage, aft));
    };
    std::int32_t both = static_cast<std::int32_t>(cargoKg * 100 / capacity);
    // In case the division rounded up to the next whole percentage.
    while (both > 0 && load(both, both) > cargoKg) --both;
    spread.payload.forwardHoldPercentage = spread.payload.aftHoldPercentage = both;
    // One hold a percent more when the cargo still covers it, the one that takes more first.
    const bool forwardFirst = load(both + 1, both) >= load(both, both + 1);
    for (const bool forwardHold : {forwardFirst, !forwardFirst}) {
        const std::int32_t forwardPercentage = both + (forwardHold ? 1 : 0), aftPercentage = both + (forwardHold ? 0 : 1);
        if (load(forwardPercentage, aftPercentage) <= cargoKg) {
            spread.payload.forwardHoldPercentage = forwardPercentage;
            spread.payload.aftHoldPercentage = aftPercentage;
            break;
        }
    }
    return spread;
}
