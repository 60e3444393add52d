#include "FuelDigest.h"

#include <cstring>

#include "aircraft/Variants.h"
#include "fuel/FuelDistribution.h"
#include "fuel/FuelOnBoard.h"
#include "fuel/TripFuel.h"

namespace {

constexpr int kTripCount = 20000;

// xorshift32: self-contained, so every compiler and standard library draws the same trips.
class TripGenerator {
public:
    std::int32_t Between(std::int32_t lowest, std::int32_t highest) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        const std::uint32_t span = static_cast<std::uint32_t>(highest - lowest) + 1;
        return lowest + static_cast<std::int32_t>(state_ % span);
    }

private:
    std::uint32_t state_ = 0x2545F491u;
};

class Fnv1a {
public:
    void Add(std::uint32_t value) {
        for (int byte = 0; byte < 4; ++byte) {
            hash_ ^= (value >> (8 * byte)) & 0xFFu;
            hash_ *= 0x100000001B3ULL;
        }
    }
    void Add(std::int32_t value) { Add(static_cast<std::uint32_t>(value)); }
    void Add(float value) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Add(bits);
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

}  // namespace

std::uint64_t FuelDigest() {
    TripGenerator random;
    Fnv1a digest;
    for (int trip = 0; trip < kTripCount; ++trip) {
        // One draw per statement: the order of evaluation of arguments is unspecified.
        const std::int32_t variant = random.Between(1, 5);
        const std::int32_t distance = random.Between(1, 4000);
        const std::int32_t altitude = random.Between(1, 45000);
        const std::int32_t costIndex = random.Between(1, 999);
        const std::int32_t zeroFuelWeight = random.Between(20000, 80000);
        const std::int32_t taxiFuel = random.Between(0, 500);
        const std::int32_t routeReservePercentage = random.Between(0, 10);
        const std::int32_t finalFuel = random.Between(0, 3000);

        const Variant& aircraft = *FindVariant(variant);
        const std::int32_t tripFuel = PlanTripFuel(aircraft, distance, altitude, costIndex, zeroFuelWeight);
        const std::int32_t totalFuel = FuelOnBoard(tripFuel, taxiFuel, routeReservePercentage, finalFuel);
        const FuelDistribution tanks = DistributeFuel(aircraft, totalFuel);
        digest.Add(tripFuel);
        digest.Add(totalFuel);
        digest.Add(tanks.inner);
        digest.Add(tanks.outer);
        digest.Add(tanks.center);
        digest.Add(tanks.innerFraction);
        digest.Add(tanks.outerFraction);
        digest.Add(tanks.centerFraction);
        digest.Add(tanks.leftover);
    }
    return digest.Value();
}
