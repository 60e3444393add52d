#include "flightplan/Fs9PlanReading.h"

#include <vector>

#include "flightplan/PlanFields.h"
#include "flightplan/Route.h"
#include "platform/MissingValue.h"
#include "platform/Profile.h"

namespace {

constexpr const char* kSection = "flightplan";
constexpr std::size_t kLongestLine = 4096;

std::optional<std::string> Entry(const ProfileSnapshot& file, const std::string& key) {
    std::string value = file.ReadString(kSection, key, kUndefinedText, kLongestLine);
    if (value == kUndefinedText) return std::nullopt;
    return value;
}

std::vector<std::string_view> CommaFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

// The simulator's shape has at least eight fields, the other tools' at least four.
bool AddWaypoint(Route& route, std::string_view line) {
    const std::vector<std::string_view> fields = CommaFields(line);
    if (fields.size() >= 8) return route.Add(fields[5], fields[6]);
    return fields.size() >= 4 && route.Add(fields[2], fields[3]);
}

// "EBBR, N50* 54.01', E004* 29.07', +000184.00": the ICAO code comes first.
std::string Airport(const std::optional<std::string>& entry) {
    if (!entry) return {};
    return std::string(TrimText(CommaFields(*entry).front()));
}

}  // namespace

bool IsFs9Plan(const ProfileSnapshot& file) {
    for (const char* key : {"cruising_altitude", "departure_id", "destination_id", "waypoint.0"}) {
        if (Entry(file, key)) return true;
    }
    return false;
}

FlightPlanReading ReadFs9Plan(const ProfileSnapshot& file) {
    PlanFields fields([&file](const std::string& key) { return Entry(file, key); });
    FlightPlan plan;
    plan.format = FlightPlanFormat::Fs9Plan;
    plan.cruisingAltitudeFt = fields.Whole({"cruising_altitude"}, PlanQuantity::Other).value_or(0);
    plan.departure = Airport(fields.Text({"departure_id"}));
    plan.destination = Airport(fields.Text({"destination_id"}));
    if (std::string refusal = fields.Refusal(); !refusal.empty()) return Refused(refusal);

    Route route;
    for (std::size_t n = 0;; ++n) {
        const std::string key = "waypoint." + std::to_string(n);
        const std::optional<std::string> line = Entry(file, key);
        if (!line) break;
        if (!AddWaypoint(route, *line)) return Refused("the line " + key + " cannot be read (\"" + *line + "\")");
    }
    return route.Finish(plan);
}
