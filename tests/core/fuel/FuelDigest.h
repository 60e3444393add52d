#pragma once

#include <cstdint>

// A 64-bit FNV-1a fingerprint of PlanTripFuel, FuelOnBoard and DistributeFuel over many
// pseudo-random trips of all variants. Any build that computes even one kilogram or one
// fraction bit differently from the reference build gets a different value.
std::uint64_t FuelDigest();

// FuelDigest() of the native build; the Windows build must reproduce it.
constexpr std::uint64_t kExpectedFuelDigest = 0xFF3EA5B419F5830CULL;
