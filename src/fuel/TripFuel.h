#pragma once

#include <cstdint>

#include "aircraft/Variants.h"

// Climb, cruise and descent fuel in kg of a trip of the distance (NM) at the cruising
// altitude (ft) and cost index, for an aircraft that starts the climb at the gross
// weight (kg). A distance shorter than the
// climb and descent gives a negative cruise segment, which lowers the result.
std::int32_t TripFuel(const Variant& variant, std::int32_t distance, std::int32_t altitude, std::int32_t costIndex,
                      std::int32_t grossWeight);

// Trip fuel from the zero-fuel weight: one pass with the fuel guessed at 20 kg per NM,
// then one pass with that result on board. Exactly two passes, not iterated further.
std::int32_t PlanTripFuel(const Variant& variant, std::int32_t distance, std::int32_t altitude, std::int32_t costIndex,
                          std::int32_t zeroFuelWeight);

// The shortest whole distance (NM) that holds the climb to the cruising altitude (ft) and
// the descent from it, as the climb and descent distance tables give them at the weight (kg).
std::int32_t ShortestTripDistance(const Variant& variant, std::int32_t altitude, std::int32_t weight);
