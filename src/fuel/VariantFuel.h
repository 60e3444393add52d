#pragma once

#include <cstdint>

// The three kinds of fuel tank. Inner and Outer come in a left and a right tank of the
// same capacity; there is one Center tank.
enum class TankKind : std::int32_t {
    Inner = 0,
    Outer = 1,
    Center = 2,
};

// The empty weight the climb and descent tables are measured from, in kilograms, for the
// variant in AircraftSelection (which must be 1 to 5).
std::int32_t ReferenceEmptyWeight();

// Capacity in kilograms of one tank of that kind for the variant in AircraftSelection;
// an Outer capacity of 0 means the variant has no outer tanks.
std::int32_t TankCapacity(TankKind kind);
