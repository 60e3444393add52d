#include "fuel/VariantFuel.h"

#include <array>

#include "loadmgr/AircraftSelection.h"
#include "platform/IntegerText.h"

namespace {

struct VariantFuel {
    float referenceEmptyWeightPounds;
    std::int32_t innerCapacity;
    std::int32_t outerCapacity;
    std::int32_t centerCapacity;
};

// Indexed by AircraftSelection - 1.
constexpr std::array<VariantFuel, kVariantCount> kVariantFuel = {{
    {86650.0f, 4960, 590, 6375},    // A318
    {89500.0f, 5435, 691, 6476},    // A319
    {93500.0f, 5435, 691, 6476},    // A320
    {106300.0f, 6084, 0, 6437},     // A321: no outer tanks
    {89500.0f, 5435, 691, 11718},   // ACJ
}};

constexpr double kKilogramsPerPound = 0.4536;

// at() turns a selection outside 1 to 5 into an exception rather than a stray read.
const VariantFuel& SelectedVariant() {
    return kVariantFuel.at(static_cast<std::size_t>(AircraftSelection) - 1);
}

}  // namespace

std::int32_t ReferenceEmptyWeight() {
    return TruncateToInt(SelectedVariant().referenceEmptyWeightPounds * kKilogramsPerPound);
}

std::int32_t TankCapacity(TankKind kind) {
    const VariantFuel& variant = SelectedVariant();
    switch (kind) {
        case TankKind::Inner: return variant.innerCapacity;
        case TankKind::Outer: return variant.outerCapacity;
        case TankKind::Center: return variant.centerCapacity;
    }
    return 0;
}
