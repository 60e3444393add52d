#pragma once

#include <cstdint>
#include <cstring>

#include "aircraft/Variants.h"
#include "fuel/FuelDistribution.h"
#include "fuel/FuelOnBoard.h"
#include "fuel/TripFuel.h"

constexpr std::uint64_t kExpectedFuelDigest = 0xFF3EA5B419F5830CULL;

// A fingerprint of PlanTripFuel, FuelOnBoard and DistributeFuel over many pseudo-random trips of
// all variants: a build that differs from the native one by one kilogram or fraction bit misses it.
inline std::uint64_t FuelDigest() {
    // A self-contained xorshift32, so that every compiler and standard library draws the same trips.
    std::uint32_t state = 0x2545F491u;
    std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a, byte by byte
    // Variant, distance, altitude, cost index, zero-fuel weight, taxi, route reserve %, final fuel.
    constexpr std::int32_t kRanges[8][2] = {{1, 5}, {1, 4000}, {1, 45000}, {1, 999}, {20000, 80000}, {0, 500},
                                            {0, 10}, {0, 3000}};
    const auto bits = [](float value) { std::uint32_t b; std::memcpy(&b, &value, sizeof b); return b; };
    for (int trip = 0; trip < 20000; ++trip) {
        std::int32_t d[8];
        for (int i = 0; i < 8; ++i) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            d[i] = kRanges[i][0] + std::int32_t(state % (std::uint32_t(kRanges[i][1] - kRanges[i][0]) + 1));
        }
        const Variant& aircraft = *FindVariant(d[0]);
        const std::int32_t tripFuel = PlanTripFuel(aircraft, d[1], d[2], d[3], d[4]);
        const std::int32_t totalFuel = FuelOnBoard(tripFuel, d[5], d[6], d[7]);
        const FuelDistribution t = DistributeFuel(aircraft, totalFuel);
        for (std::uint32_t value : {std::uint32_t(tripFuel), std::uint32_t(totalFuel), std::uint32_t(t.inner),
                                    std::uint32_t(t.outer), std::uint32_t(t.center), bits(t.innerFraction),
                                    bits(t.outerFraction), bits(t.centerFraction), std::uint32_t(t.leftover)}) {
            for (int byte = 0; byte < 4; ++byte) hash = (hash ^ ((value >> (8 * byte)) & 0xFFu)) * 0x100000001B3ULL;
        }
    }
    return hash;
}
