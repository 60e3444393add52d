#pragma once

#include <array>
#include <cstdint>

// One altitude row of a climb or descent table: the value for a weight step of n whole
// 1000 kg is n * slope + base.
struct PerformanceRow {
    float base;
    float slope;
};

// Row k is the altitude k * 1000 ft, 0 to 33000 ft.
using ClimbTable = std::array<PerformanceRow, 34>;
// Row j is the altitude 33000 - 1000 * j ft, 33000 down to 2000 ft; each row holds what
// has accumulated since 33000 ft.
using DescentTable = std::array<PerformanceRow, 32>;

extern const ClimbTable kClimbDistance;  // NM
extern const ClimbTable kClimbFuel;      // kg
extern const DescentTable kDescentDistance;  // NM
extern const DescentTable kDescentFuel;      // kg

constexpr std::size_t kCruiseWeightCount = 7;

// One altitude row of the cruise table: speed in knots and the fuel flow of one engine in
// kg per hour at each of the cruise weights.
struct CruiseRow {
    std::int32_t altitude;
    std::int32_t speed;
    std::array<std::int32_t, kCruiseWeightCount> flow;
};

// Gross weights in kg of the cruise table's flow columns, ascending.
extern const std::array<std::int32_t, kCruiseWeightCount> kCruiseWeights;
// Rows by decreasing altitude, 39000 down to 19000 ft.
extern const std::array<CruiseRow, 13> kCruiseTable;
