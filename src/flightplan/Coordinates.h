#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Positions as flight plans write them, and the distance of a route over the earth.

struct GeoPosition {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
};

enum class Axis { Latitude, Longitude };

// One coordinate: its hemisphere letter (N or S, E or W), degrees, a degree sign ('*',
// or '°' in the ANSI code page or in UTF-8), then minutes with decimals and a "'", optionally
// followed by seconds with decimals and a '"': "N47* 27.00'", "W166° 32' 40.78\"". Nothing
// when the text is not one, or lies beyond the pole or the antimeridian.
std::optional<double> ReadCoordinate(std::string_view text, Axis axis);

// The great-circle distance in nautical miles (haversine, on a sphere of 3440.065 NM).
double GreatCircleNm(const GeoPosition& from, const GeoPosition& to);

// The sum of the legs from each position to the next, unrounded: a plan rounds it once,
// after its limit is checked.
double RouteDistanceNm(const std::vector<GeoPosition>& route);
