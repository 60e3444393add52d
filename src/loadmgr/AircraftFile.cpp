#include "loadmgr/AircraftFile.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "aircraft/Units.h"
#include "platform/IntegerText.h"
#include "platform/MissingValue.h"
#include "platform/Profile.h"

namespace {

constexpr const char* kSection = "WEIGHT_AND_BALANCE";
constexpr std::size_t kValueBuffer = 99;
constexpr double kPassengersPerKilogram = 1.0 / kPassengerKg;

// The entry's leading integer in pounds; nothing when the entry is missing, -1 when it
// holds no number.
std::optional<std::int32_t> ReadPounds(const ProfileSnapshot& file, const char* key) {
    std::string text = file.ReadString(kSection, key, kUndefinedText, kValueBuffer);
    if (text == kUndefinedText) return std::nullopt;
    return ScanLeadingInt(text).value_or(-1);
}

std::int32_t RoundedKilograms(std::int32_t pounds) { return TruncateToInt(pounds * kKilogramsPerPound + 0.5); }

std::int32_t ReadPassengers(const ProfileSnapshot& file, const char* key) {
    std::optional<std::int32_t> pounds = ReadPounds(file, key);
    if (!pounds || *pounds < 1) return 0;
    return TruncateToInt(*pounds * kKilogramsPerPound * kPassengersPerKilogram + 0.5);
}

std::int32_t ReadHoldPercentage(const ProfileSnapshot& file, const char* key, std::int32_t capacityKg) {
    std::optional<std::int32_t> pounds = ReadPounds(file, key);
    if (!pounds || *pounds < 1) return 0;
    return TruncateToInt(*pounds * kHundredthsKilogramsPerPound / capacityKg + 0.5);
}

std::string StationLoad(const char* format, double pounds) {
    char text[64];
    std::snprintf(text, sizeof text, format, TruncateToInt(pounds));
    return std::string("\"") + text + "\"";
}

double PassengerPounds(std::int32_t count) {
    return static_cast<std::uint32_t>(count) * kPassengerKg * kPoundsPerKilogram;
}

double HoldPounds(std::int32_t percentage, std::int32_t capacityKg) {
    std::uint32_t kilograms =
        static_cast<std::uint32_t>(percentage) * static_cast<std::uint32_t>(capacityKg) / 100u;
    return kilograms * kPoundsPerKilogram;
}

}  // namespace

bool FileExists(const std::string& path, FileSystem& fileSystem) {
    FileStatus status = Profile(path, fileSystem).CheckReadable();
    return !IsMissing(status);
}

WeightAndBalance ReadWeightAndBalance(const ProfileSnapshot& file, std::int32_t defaultEmptyWeightLb,
                                      std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg) {
    WeightAndBalance payload;
    std::optional<std::int32_t> emptyPounds = ReadPounds(file, "empty_weight");
    if (!emptyPounds) {
        payload.emptyWeight = TruncateToInt(defaultEmptyWeightLb * kKilogramsPerPound);
    } else {
        payload.emptyWeight = RoundedKilograms(*emptyPounds < 1 ? defaultEmptyWeightLb : *emptyPounds);
    }
    payload.firstCabinCount = ReadPassengers(file, "station_load.4");
    payload.secondCabinCount = ReadPassengers(file, "station_load.5");
    payload.forwardHoldPercentage = ReadHoldPercentage(file, "station_load.2", forwardCapacityKg);
    payload.aftHoldPercentage = ReadHoldPercentage(file, "station_load.3", aftCapacityKg);
    return payload;
}

OwnedEntries PayloadEntries() {
    return {kSection, {"station_load.2", "station_load.3", "station_load.4", "station_load.5"}};
}

std::int32_t ReadMaximumGrossWeight(const ProfileSnapshot& file) {
    const std::int32_t pounds = ReadPounds(file, "max_gross_weight").value_or(0);
    return pounds < 1 ? 0 : RoundedKilograms(pounds);
}

FileStatus WriteWeightAndBalance(const std::string& path, const WeightAndBalance& payload,
                                 std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg,
                                 FileSystem& fileSystem) {
    std::vector<ProfileEntry> entries = {
        {kSection, "station_load.4",
         StationLoad("%d,   26.0, 0.0, 0.0, First", PassengerPounds(payload.firstCabinCount))},
        {kSection, "station_load.5",
         StationLoad("%d,  0.0, 0.0, 0.0, Coach", PassengerPounds(payload.secondCabinCount))},
        {kSection, "station_load.2",
         StationLoad("%d,   16.0, 0.0, 0.0, Baggage",
                     HoldPounds(payload.forwardHoldPercentage, forwardCapacityKg))},
        {kSection, "station_load.3",
         StationLoad("%d,   0.0, 0.0, 0.0, Cargo",
                     HoldPounds(payload.aftHoldPercentage, aftCapacityKg))},
    };
    return Profile(path, fileSystem).WriteAll(entries);
}
