#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "aircraft/Variants.h"
#include "fuel/TripFuel.h"

namespace {

struct Trip {
    std::int32_t variant, distance, altitude, costIndex, zeroFuelWeight;
};

// A fixed spread of trips over all variants and altitudes, so that branch prediction
// does not see the same path every call.
std::vector<Trip> MixedTrips() {
    std::vector<Trip> trips;
    std::uint32_t state = 0x2545F491u;
    auto next = [&state](std::uint32_t span) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<std::int32_t>(state % span);
    };
    for (int i = 0; i < 1024; ++i) {
        Trip trip{};
        trip.variant = 1 + next(5);
        trip.distance = 1 + next(4000);
        trip.altitude = 1 + next(45000);
        trip.costIndex = 1 + next(999);
        trip.zeroFuelWeight = 20000 + next(60001);
        trips.push_back(trip);
    }
    return trips;
}

void PlanWorkedExample(benchmark::State& state) {
    const Variant& a320 = *FindVariant(kA320);
    for (auto _ : state) benchmark::DoNotOptimize(PlanTripFuel(a320, 500, 35000, 30, 60000));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlanWorkedExample);

void PlanMixedTrips(benchmark::State& state) {
    const std::vector<Trip> trips = MixedTrips();
    std::size_t index = 0;
    for (auto _ : state) {
        const Trip& trip = trips[index];
        index = (index + 1) % trips.size();
        benchmark::DoNotOptimize(PlanTripFuel(*FindVariant(trip.variant), trip.distance, trip.altitude, trip.costIndex, trip.zeroFuelWeight));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlanMixedTrips);

}  // namespace

BENCHMARK_MAIN();
