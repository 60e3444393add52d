#include "prefs/Preferences.h"

#include <string>
#include <vector>

#include "platform/IntegerText.h"

CommonPreferenceValues CommonPreferences;

namespace {

const char* const kSection = "Common";
// The add-on's marker for a missing entry, both as text and as number.
const char* const kUndefined = "<UNDEFINED>";
constexpr std::int32_t kMissing = -9999;
// Values are read into 49 characters, the last being the terminator.
constexpr std::size_t kValueBuffer = 49;

}  // namespace

std::int32_t ReadPreference(const Profile& prefs, std::string_view key, std::int32_t fallback) {
    std::string text = prefs.ReadString(kSection, key, kUndefined, kValueBuffer);
    if (text == kUndefined) return fallback;
    std::int32_t value = ScanLeadingInt(text).value_or(kMissing);
    return value == kMissing ? fallback : value;
}

CommonPreferenceValues LoadCommonPreferences(const Profile& prefs) {
    const CommonPreferenceValues fallbacks;
    CommonPreferenceValues values;
    values.UnitSystem = ReadPreference(prefs, "UnitSystem", fallbacks.UnitSystem);
    values.PushbackType = fallbacks.PushbackType;
    values.UserExperience = ReadPreference(prefs, "UserExperience", fallbacks.UserExperience);
    values.PanelVolume = ReadPreference(prefs, "PanelVolume", fallbacks.PanelVolume);
    values.IRSAlignmentTime = ReadPreference(prefs, "IRSAlignmentTime", fallbacks.IRSAlignmentTime);
    values.Modifier = ReadPreference(prefs, "Modifier", fallbacks.Modifier);
    values.Locker = ReadPreference(prefs, "Locker", fallbacks.Locker);
    values.AutoPause = ReadPreference(prefs, "AutoPause", fallbacks.AutoPause);
    values.FsuipcUsage = ReadPreference(prefs, "FsuipcUsage", fallbacks.FsuipcUsage);
    values.FMGCSaveMode = ReadPreference(prefs, "FMGCSaveMode", fallbacks.FMGCSaveMode);
    return values;
}

FileStatus SaveCommonPreferences(Profile& prefs, const CommonPreferenceValues& values) {
    const std::pair<const char*, std::int32_t> saved[] = {
        {"UnitSystem", values.UnitSystem},
        {"PushbackType", values.PushbackType},
        {"UserExperience", values.UserExperience},
        {"PanelVolume", values.PanelVolume},
        {"IRSAlignmentTime", values.IRSAlignmentTime},
        {"Modifier", values.Modifier},
        {"Locker", values.Locker},
        {"AutoPause", values.AutoPause},
        {"FsuipcUsage", values.FsuipcUsage},
        {"FMGCSaveMode", values.FMGCSaveMode},
    };
    std::vector<ProfileEntry> entries;
    for (const auto& [key, value] : saved) entries.push_back({kSection, key, std::to_string(value)});
    return prefs.WriteAll(entries);
}

FileStatus WriteColdAndDark(Profile& prefs) { return prefs.Write(kSection, "ColdAndDark", "1"); }
