#include "fuel/VariantFuel.h"

#include "aircraft/Units.h"
#include "platform/IntegerText.h"

std::int32_t ReferenceEmptyWeight(const Variant& variant) {
    return TruncateToInt(variant.emptyWeightLb * kKilogramsPerPound);
}

std::int32_t TankCapacity(const Variant& variant, TankKind kind) {
    switch (kind) {
        case TankKind::Inner: return variant.innerTankKg;
        case TankKind::Outer: return variant.outerTankKg;
        case TankKind::Center: return variant.centerTankKg;
    }
    return 0;
}
