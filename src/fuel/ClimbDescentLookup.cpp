#include "fuel/ClimbDescentLookup.h"

#include <array>
#include <cstddef>

#include "fuel/VariantFuel.h"

namespace {

// Weight steps count from the reference empty weight plus these amounts (kg).
constexpr std::int32_t kClimbStepOrigin = 8400;
constexpr std::int32_t kDescentStepOrigin = 5610;

// The tables' slopes apply per whole 1000 kg above the reference empty weight plus an
// offset; the division truncates toward zero, so light aircraft get negative steps.
// 64 bits keep the subtraction defined for any weight.
double WeightStep(const Variant& variant, std::int32_t weight, std::int32_t origin) {
    return static_cast<double>((std::int64_t{weight} - ReferenceEmptyWeight(variant) - origin) / 1000);
}

float RowValue(const PerformanceRow& row, double weightStep) {
    return static_cast<float>(weightStep * row.slope + row.base);
}

}  // namespace

double ClimbLookup(const ClimbTable& table, const Variant& variant, std::int32_t weight, std::int32_t altitude) {
    const double step = WeightStep(variant, weight, kClimbStepOrigin);
    if (altitude >= 33000) {
        const double top = RowValue(table[33], step);
        const double below = RowValue(table[32], step);
        return top + (top - below) / 1000.0 * (altitude - 33000.0);
    }
    if (altitude < 0) return 0.0;
    const std::size_t row = static_cast<std::size_t>(altitude / 1000);
    const double lower = RowValue(table[row], step);
    const double upper = RowValue(table[row + 1], step);
    return lower + (upper - lower) / 1000.0 * (altitude - 1000.0 * static_cast<double>(row));
}

double DescentLookup(const DescentTable& table, const Variant& variant, std::int32_t weight, std::int32_t altitude) {
    if (altitude < 2000) return 0.0;
    const double step = WeightStep(variant, weight, kDescentStepOrigin);

    // remaining[j]: what is left from row j's altitude down to 2000 ft. Summed upward
    // from the bottom with single-precision rounding at each row, not taken as the
    // difference of two rows, which would round differently.
    std::array<float, std::tuple_size<DescentTable>::value> remaining{};
    const std::size_t bottom = remaining.size() - 1;
    float below = RowValue(table[bottom], step);
    for (std::size_t j = bottom; j-- > 0;) {
        const float here = RowValue(table[j], step);
        remaining[j] = static_cast<float>(static_cast<double>(remaining[j + 1]) + below - here);
        below = here;
    }

    if (altitude > 33000) {
        const double top = remaining[0];
        return top + (top - remaining[5]) * (altitude - 33000.0) / 5000.0;
    }
    if (altitude == 33000) return remaining[0];
    // Row j + 1 is the highest row at or below the altitude.
    const std::size_t j = static_cast<std::size_t>((33000 - altitude - 1) / 1000);
    const double rowAltitude = 33000.0 - 1000.0 * static_cast<double>(j + 1);
    const double above = remaining[j];
    const double at = remaining[j + 1];
    return at - (at - above) / 1000.0 * (altitude - rowAltitude);
}
