#pragma once

#include <cstdint>

// Cruise speed in knots at the altitude, interpolated between the cruise table's rows;
// outside the table (above 39000 ft, or at or below 19000 ft) the 19000 ft speed.
double CruiseSpeed(std::int32_t altitude);

// Minutes to fly the distance (NM) at the cruise speed of the altitude.
double CruiseTime(double distance, std::int32_t altitude);

// Fuel flow of one engine in kg per hour at the altitude and gross weight, with a 10 %
// margin. Outside the table's weights it is the 80000 kg flow of the row at or above
// the altitude, not interpolated over altitude. Above 39000 ft the 39000 ft row is used,
// at or below 19000 ft the 19000 ft row.
double CruiseFuelFlow(std::int32_t altitude, std::int32_t weight);
