#include "fuel/FuelDistribution.h"

#include <algorithm>

#include "fuel/VariantFuel.h"

namespace {

float Fraction(std::int32_t amount, std::int32_t capacity) {
    return static_cast<float>(static_cast<double>(amount) / capacity);
}

}  // namespace

FuelDistribution DistributeFuel(const Variant& variant, std::int32_t totalFuel) {
    const std::int32_t innerCapacity = TankCapacity(variant, TankKind::Inner);
    const std::int32_t outerCapacity = TankCapacity(variant, TankKind::Outer);
    const std::int32_t centerCapacity = TankCapacity(variant, TankKind::Center);

    FuelDistribution tanks;
    tanks.inner = std::min(totalFuel / 2, innerCapacity);
    std::int32_t rest = totalFuel - 2 * tanks.inner;
    if (outerCapacity > 0) {
        tanks.outer = std::min(rest / 2, outerCapacity);
        rest -= 2 * tanks.outer;
        tanks.outerFraction = Fraction(tanks.outer, outerCapacity);
    }
    tanks.center = std::min(rest, centerCapacity);
    tanks.leftover = rest - tanks.center;
    tanks.innerFraction = Fraction(tanks.inner, innerCapacity);
    tanks.centerFraction = Fraction(tanks.center, centerCapacity);
    return tanks;
}
