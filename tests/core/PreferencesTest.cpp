#include <algorithm>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "prefs/ConfigurationRules.h"
#include "prefs/Preferences.h"

namespace {

const char* const kTenKeysInSaveOrder =
    "UnitSystem=1\r\nPushbackType=1\r\nUserExperience=7\r\nPanelVolume=150\r\nIRSAlignmentTime=900\r\n"
    "Modifier=-2\r\nLocker=0\r\nAutoPause=7\r\nFsuipcUsage=1\r\nFMGCSaveMode=3\r\n";

// In the order of the members: every value differs from its fallback.
const CommonPreferenceValues kUnusual{1, 1, 7, 150, 900, -2, 0, 7, 1, 3};

class PreferencesTest : public ::testing::Test {
protected:
    std::string Put(const std::string& bytes) { return folder.Put("Prefs.cfg", bytes); }
    std::string Take() { return folder.Take("Prefs.cfg"); }

    ScratchFolder folder;
    Profile prefs{folder.Path("Prefs.cfg")};
};

TEST_F(PreferencesTest, ReadRule) {
    const std::string digits45(45, '0');
    struct Case {
        const char* name;
        std::string line;  // of [Common], or a whole file when it starts with '['
        std::int32_t expected;
    } cases[] = {
        {"plain", "AutoPause=5", 5},
        {"negative and out of range, kept", "AutoPause=-250", -250},
        {"empty value", "AutoPause=", 42},
        {"only blanks", "AutoPause=   ", 42},
        {"the add-on's missing number", "AutoPause=-9999", 42},
        {"the missing text as a value", "AutoPause=<UNDEFINED>", 42},
        {"digits then letters", "AutoPause=12abc", 12},
        {"blanks before the digits, kept by quotes", "AutoPause=\"   33\"", 33},
        {"no number", "AutoPause=on", 42},
        {"sign without digits", "AutoPause=-x", 42},
        {"48 characters seen", "AutoPause=" + digits45 + "123", 123},
        {"the 49th character cut", "AutoPause=" + digits45 + "0123", 12},
        {"other key only", "PanelVolume=3", 42},
        {"[common]\r\nautopause=8\r\n", "", 8},
        {"[Keys]\r\nAutoPause=8\r\n", "", 42},
    };
    for (const Case& c : cases) {
        std::string file = c.line.empty() ? c.name : "[Common]\r\n" + c.line + "\r\n";
        Put(file);
        EXPECT_EQ(ReadPreference(prefs, "AutoPause", 42), c.expected) << c.name;
    }
}

TEST_F(PreferencesTest, NoFileGivesEveryFallbackAndTheFirstWritesCreateTheSection) {
    CommonPreferenceValues values = LoadCommonPreferences(prefs);
    const std::int32_t loaded[] = {values.UnitSystem, values.PushbackType, values.UserExperience,
                                   values.PanelVolume, values.IRSAlignmentTime, values.Modifier,
                                   values.Locker, values.AutoPause, values.FsuipcUsage, values.FMGCSaveMode};
    const std::int32_t fallbacks[] = {0, 0, 1, 100, 60, 0, 1, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(loaded), std::end(loaded), std::begin(fallbacks)));
    EXPECT_FALSE(folder.Has("Prefs.cfg")) << "loading writes nothing";

    ASSERT_EQ(WriteColdAndDark(prefs), FileStatus::Ok);
    ASSERT_EQ(SaveCommonPreferences(prefs, kUnusual), FileStatus::Ok);
    EXPECT_EQ(Take(), std::string("[Common]\r\nColdAndDark=1\r\n") + kTenKeysInSaveOrder);

    Put(std::string("[Common]\r\n") + kTenKeysInSaveOrder);
    EXPECT_EQ(LoadCommonPreferences(prefs).PushbackType, 0) << "never read";
}

TEST(ConfigurationRulesTest, Labels) {
    const std::pair<std::int32_t, const char*> volumes[] = {
        {0, "No Sound"}, {1, "Low"}, {32, "Low"}, {33, "Medium"}, {66, "Medium"},
        {67, "High"}, {99, "High"}, {100, "Maximum"}, {150, "Maximum"}, {-5, "Low"},
    };
    for (const auto& [volume, label] : volumes) EXPECT_EQ(VolumeLabel(volume), label) << volume;

    const std::pair<std::int32_t, const char*> times[] = {
        {0, "0s"}, {59, "59s"}, {60, "60s"}, {61, "1m01s"}, {125, "2m05s"}, {600, "10m00s"}, {-30, "-30s"},
    };
    for (const auto& [seconds, label] : times) EXPECT_EQ(IrsTimeLabel(seconds), label) << seconds;
}

}  // namespace
