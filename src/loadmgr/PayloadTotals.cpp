#include "loadmgr/PayloadTotals.h"

#include "platform/IntegerText.h"

namespace {

// Counts times capacities are unsigned 32-bit, as the read-outs are unsigned.
std::uint32_t Unsigned(std::int32_t value) { return static_cast<std::uint32_t>(value); }

// The product in the unit shown is single precision; the half is added in double.
std::uint32_t Nearest(std::uint32_t kilograms, float factor) {
    float shown = static_cast<float>(kilograms) * factor;
    return static_cast<std::uint32_t>(TruncateToInt(static_cast<double>(shown) + 0.5));
}

std::uint32_t Truncated(std::uint32_t kilograms, float factor) {
    float shown = static_cast<float>(kilograms) * factor;
    return static_cast<std::uint32_t>(TruncateToInt(shown));
}

}  // namespace

std::uint32_t HoldKilograms(std::int32_t percentage, std::int32_t capacityKg) {
    return Unsigned(percentage) * Unsigned(capacityKg) / 100u;
}

PayloadTotals ComputePayloadTotals(const PayloadFigures& in) {
    const float f = in.unitFactor;
    PayloadTotals out;
    out.firstCabinWeight = Nearest(Unsigned(in.firstCabinCount) * kPassengerKg, f);
    out.secondCabinWeight = Nearest(Unsigned(in.secondCabinCount) * kPassengerKg, f);
    // Truncated, unlike the two rows: in pounds it can be one less than their sum.
    out.passengerWeight = Truncated((Unsigned(in.firstCabinCount) + Unsigned(in.secondCabinCount)) * kPassengerKg, f);
    out.forwardHoldWeight = Nearest(HoldKilograms(in.forwardHoldPercentage, in.forwardCapacityKg), f);
    out.aftHoldWeight = Nearest(HoldKilograms(in.aftHoldPercentage, in.aftCapacityKg), f);
    out.cargoWeight = out.forwardHoldWeight + out.aftHoldWeight;
    out.aircraftWeight = Truncated(Unsigned(in.emptyWeightKg), f);
    // Back to kilograms from the totals as shown, in single precision like the factor.
    float zfwKg = static_cast<float>(out.passengerWeight + out.cargoWeight) / f + static_cast<float>(in.emptyWeightKg);
    out.zeroFuelWeightKg = TruncateToInt(zfwKg);
    out.zeroFuelWeight = Nearest(Unsigned(out.zeroFuelWeightKg), f);
    return out;
}
