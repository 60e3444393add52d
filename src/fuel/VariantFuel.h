#pragma once

#include <cstdint>

#include "aircraft/Variants.h"

// The three kinds of fuel tank. Inner and Outer come in a left and a right tank of the
// same capacity; there is one Center tank.
enum class TankKind : std::int32_t {
    Inner = 0,
    Outer = 1,
    Center = 2,
};

// The empty weight the climb and descent tables are measured from, in kilograms.
std::int32_t ReferenceEmptyWeight(const Variant& variant);

// Capacity in kilograms of one tank of that kind; an Outer capacity of 0 means the variant
// has no outer tanks.
std::int32_t TankCapacity(const Variant& variant, TankKind kind);
