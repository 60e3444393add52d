#include "prefs/Preferences.h"

#include <string>
#include <vector>

#include "platform/IntegerText.h"
#include "platform/MissingValue.h"

namespace {

const char* const kSection = "Common";
// Values are read into 49 characters, the last being the terminator.
constexpr std::size_t kValueBuffer = 49;

// Every entry of [Common] that the program reads and writes, in the order a file created
// here holds them.
struct PreferenceEntry {
    const char* key;
    std::int32_t CommonPreferenceValues::*member;
    std::int32_t defaultValue;
};

constexpr PreferenceEntry kPreferenceEntries[] = {
    {"UnitSystem", &CommonPreferenceValues::UnitSystem, 0},
    {"PushbackType", &CommonPreferenceValues::PushbackType, 0},
    {"UserExperience", &CommonPreferenceValues::UserExperience, 1},
    {"PanelVolume", &CommonPreferenceValues::PanelVolume, 100},
    {"IRSAlignmentTime", &CommonPreferenceValues::IRSAlignmentTime, 60},
    {"Modifier", &CommonPreferenceValues::Modifier, 0},
    {"Locker", &CommonPreferenceValues::Locker, 1},
    {"AutoPause", &CommonPreferenceValues::AutoPause, 0},
    {"FsuipcUsage", &CommonPreferenceValues::FsuipcUsage, 0},
    {"FMGCSaveMode", &CommonPreferenceValues::FMGCSaveMode, 0},
};

}  // namespace

std::int32_t ReadPreference(const ProfileSnapshot& prefs, std::string_view key, std::int32_t fallback) {
    std::string text = prefs.ReadString(kSection, key, kUndefinedText, kValueBuffer);
    if (text == kUndefinedText) return fallback;
    std::int32_t value = ScanLeadingInt(text).value_or(kMissingNumber);
    return value == kMissingNumber ? fallback : value;
}

CommonPreferenceValues LoadCommonPreferences(const ProfileSnapshot& prefs) {
    CommonPreferenceValues values;
    for (const PreferenceEntry& entry : kPreferenceEntries) {
        values.*entry.member = ReadPreference(prefs, entry.key, entry.defaultValue);
    }
    return values;
}

FileStatus SaveCommonPreferences(Profile& prefs, const CommonPreferenceValues& values) {
    std::vector<ProfileEntry> entries;
    for (const PreferenceEntry& entry : kPreferenceEntries) {
        entries.push_back({kSection, entry.key, std::to_string(values.*entry.member)});
    }
    return prefs.WriteAll(entries);
}

OwnedEntries PreferenceEntries() { return {kSection, {}}; }

FileStatus WriteColdAndDark(Profile& prefs) { return prefs.Write(kSection, "ColdAndDark", "1"); }
