#include "fuel/CruisePerformance.h"

#include <cstddef>
#include <optional>

#include "fuel/FuelTables.h"

namespace {

constexpr float kFlowMargin = 1.1f;

// The first row i with altitude(i + 1) < altitude <= altitude(i).
std::optional<std::size_t> RowAbove(std::int32_t altitude) {
    for (std::size_t i = 0; i + 1 < kCruiseTable.size(); ++i) {
        if (kCruiseTable[i + 1].altitude < altitude && altitude <= kCruiseTable[i].altitude) return i;
    }
    return std::nullopt;
}

// The first column j with weight(j) <= weight < weight(j + 1).
std::optional<std::size_t> ColumnBelow(std::int32_t weight) {
    for (std::size_t j = 0; j + 1 < kCruiseWeights.size(); ++j) {
        if (kCruiseWeights[j] <= weight && weight < kCruiseWeights[j + 1]) return j;
    }
    return std::nullopt;
}

// The flow of one column at the altitude, between row i and the row below it, where t is
// the altitude's fraction of the way down from row i.
double FlowBetweenRows(std::size_t row, std::size_t column, double t) {
    const double upper = kCruiseTable[row].flow[column];
    const double lower = kCruiseTable[row + 1].flow[column];
    return upper - (upper - lower) * t;
}

double FlowAcrossWeights(double light, double heavy, std::size_t column, std::int32_t weight) {
    return light + (heavy - light) * (weight - kCruiseWeights[column]) /
                       static_cast<double>(kCruiseWeights[column + 1] - kCruiseWeights[column]);
}

}  // namespace

double CruiseSpeed(std::int32_t altitude) {
    const std::optional<std::size_t> row = RowAbove(altitude);
    if (!row) return kCruiseTable.back().speed;
    const CruiseRow& upper = kCruiseTable[*row];
    const CruiseRow& lower = kCruiseTable[*row + 1];
    return upper.speed - static_cast<double>(upper.speed - lower.speed) * (upper.altitude - altitude) /
                             (upper.altitude - lower.altitude);
}

double CruiseTime(double distance, std::int32_t altitude) {
    return distance / CruiseSpeed(altitude) * 60.0;
}

double CruiseFuelFlow(std::int32_t altitude, std::int32_t weight) {
    const std::optional<std::size_t> row = RowAbove(altitude);
    const std::optional<std::size_t> column = ColumnBelow(weight);
    double flow = 0.0;
    if (row) {
        const CruiseRow& upper = kCruiseTable[*row];
        const CruiseRow& lower = kCruiseTable[*row + 1];
        if (column) {
            const double t = static_cast<double>(upper.altitude - altitude) / (upper.altitude - lower.altitude);
            flow = FlowAcrossWeights(FlowBetweenRows(*row, *column, t), FlowBetweenRows(*row, *column + 1, t),
                                     *column, weight);
        } else {
            flow = upper.flow.back();
        }
    } else {
        // The table has no row pair here; the nearest row stands in, weights as usual.
        const CruiseRow& nearest =
            altitude > kCruiseTable.front().altitude ? kCruiseTable.front() : kCruiseTable.back();
        flow = column ? FlowAcrossWeights(nearest.flow[*column], nearest.flow[*column + 1], *column, weight)
                      : nearest.flow.back();
    }
    return flow * static_cast<double>(kFlowMargin);
}
