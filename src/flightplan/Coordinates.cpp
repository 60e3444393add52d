#include "flightplan/Coordinates.h"

#include <algorithm>
#include <cmath>

#include "flightplan/PlanNumber.h"

namespace {

constexpr double kEarthRadiusNm = 3440.065;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

// The degree sign: '*' where the simulator writes it, else its UTF-8 form or its form in the
// ANSI code page the XML reader converts to: one byte in the Western and most other code
// pages, two in those of Japanese, Chinese and Korean Windows.
constexpr std::string_view kDegreeSigns[] = {"*", "\xB0", "\xC2\xB0", "\x81\x8B", "\xA1\xE3", "\xA1\xC6", "\xA2\x58"};

bool ConsumeDegreeSign(std::string_view& text) {
    for (std::string_view sign : kDegreeSigns) {
        if (text.substr(0, sign.size()) == sign) return text.remove_prefix(sign.size()), true;
    }
    return false;
}

void SkipBlanks(std::string_view& text) { text = text.substr(std::min(text.find_first_not_of(' '), text.size())); }

// A part of a coordinate below 60, followed by its mark.
std::optional<double> ConsumeSixtieths(std::string_view& text, char mark) {
    SkipBlanks(text);
    const std::optional<double> value = ConsumeDecimal(text);
    if (!value || *value >= 60 || text.empty() || text.front() != mark) return std::nullopt;
    text.remove_prefix(1);
    return value;
}

double Radians(double degrees) { return degrees * kRadiansPerDegree; }

}  // namespace

std::optional<double> ReadCoordinate(std::string_view text, Axis axis) {
    text = TrimText(text);
    const char* const hemispheres = axis == Axis::Latitude ? "NS" : "EW";
    if (text.empty() || (text.front() != hemispheres[0] && text.front() != hemispheres[1])) return std::nullopt;
    const double sign = text.front() == hemispheres[0] ? 1 : -1;
    text.remove_prefix(1);
    SkipBlanks(text);
    const std::optional<double> degrees = ConsumeDecimal(text);
    if (!degrees || !ConsumeDegreeSign(text)) return std::nullopt;
    const std::optional<double> minutes = ConsumeSixtieths(text, '\'');
    if (!minutes) return std::nullopt;
    double seconds = 0;
    if (!TrimText(text).empty()) {
        const std::optional<double> given = ConsumeSixtieths(text, '"');
        if (!given || !TrimText(text).empty()) return std::nullopt;
        seconds = *given;
    }
    const double value = *degrees + *minutes / 60 + seconds / 3600;
    if (value > (axis == Axis::Latitude ? 90 : 180)) return std::nullopt;
    return sign * value;
}

double GreatCircleNm(const GeoPosition& from, const GeoPosition& to) {
    const double halfLatitude = std::sin(Radians(to.latitude - from.latitude) / 2);
    const double halfLongitude = std::sin(Radians(to.longitude - from.longitude) / 2);
    const double h = halfLatitude * halfLatitude +
                     std::cos(Radians(from.latitude)) * std::cos(Radians(to.latitude)) * halfLongitude * halfLongitude;
    return 2 * kEarthRadiusNm * std::asin(std::min(1.0, std::sqrt(h)));
}

double RouteDistanceNm(const std::vector<GeoPosition>& route) {
    double total = 0;
    for (std::size_t i = 1; i < route.size(); ++i) total += GreatCircleNm(route[i - 1], route[i]);
    return total;
}
