#include "prefs/ConfigurationRules.h"

#include <cstdio>

std::string VolumeLabel(std::int32_t volume) {
    if (volume == 0) return "No Sound";
    if (volume < 33) return "Low";
    if (volume < 67) return "Medium";
    if (volume < 100) return "High";
    return "Maximum";
}

std::string IrsTimeLabel(std::int32_t seconds) {
    char text[32];
    if (seconds > 60) {
        std::snprintf(text, sizeof text, "%dm%02ds", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
    } else {
        std::snprintf(text, sizeof text, "%ds", static_cast<int>(seconds));
    }
    return text;
}

void ChooseExperience(CommonPreferenceValues& values, std::int32_t level) {
    constexpr std::int32_t kAlignmentTimes[] = {10, 60, 600};
    if (level < 0 || level > 2) return;
    values.UserExperience = level;
    values.IRSAlignmentTime = kAlignmentTimes[level];
}

KeyInputMode ApplyLocker(CommonPreferenceValues& values) {
    if (values.Locker == 0) {
        if (values.Modifier == 0) values.Modifier = 3;
        return KeyInputMode::Modifier;
    }
    if (values.Locker >= 1 && values.Locker <= 3) {
        values.Modifier = 0;
        return KeyInputMode::Lock;
    }
    return KeyInputMode::Undecided;
}
