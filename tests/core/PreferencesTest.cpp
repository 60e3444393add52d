#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "prefs/ConfigurationRules.h"
#include "prefs/Preferences.h"

namespace {

const char* const kTenKeysInSaveOrder =
    "UnitSystem=1\r\nPushbackType=1\r\nUserExperience=7\r\nPanelVolume=150\r\nIRSAlignmentTime=900\r\n"
    "Modifier=-2\r\nLocker=0\r\nAutoPause=7\r\nFsuipcUsage=1\r\nFMGCSaveMode=3\r\n";

CommonPreferenceValues Unusual() {
    CommonPreferenceValues values;
    values.UnitSystem = 1;
    values.PushbackType = 1;
    values.UserExperience = 7;
    values.PanelVolume = 150;
    values.IRSAlignmentTime = 900;
    values.Modifier = -2;
    values.Locker = 0;
    values.AutoPause = 7;
    values.FsuipcUsage = 1;
    values.FMGCSaveMode = 3;
    return values;
}

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

TEST_F(PreferencesTest, NoFileGivesEveryFallbackAndTheFirstSaveCreatesTheSection) {
    CommonPreferenceValues values = LoadCommonPreferences(prefs);
    const std::int32_t loaded[] = {values.UnitSystem, values.PushbackType, values.UserExperience,
                                   values.PanelVolume, values.IRSAlignmentTime, values.Modifier,
                                   values.Locker, values.AutoPause, values.FsuipcUsage, values.FMGCSaveMode};
    const std::int32_t fallbacks[] = {0, 0, 1, 100, 60, 0, 1, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(loaded), std::end(loaded), std::begin(fallbacks)));
    EXPECT_FALSE(folder.Has("Prefs.cfg")) << "loading writes nothing";

    ASSERT_EQ(SaveCommonPreferences(prefs, Unusual()), FileStatus::Ok);
    EXPECT_EQ(Take(), std::string("[Common]\r\n") + kTenKeysInSaveOrder);
}

TEST_F(PreferencesTest, ValuesRoundTripAsStoredExceptThePushbackType) {
    Put(std::string("[Common]\r\n") + kTenKeysInSaveOrder);
    CommonPreferenceValues values = LoadCommonPreferences(prefs);
    EXPECT_EQ(values.PushbackType, 0) << "never read";
    values.PushbackType = 1;
    CommonPreferenceValues expected = Unusual();
    EXPECT_EQ(std::memcmp(&values, &expected, sizeof values), 0);
}

TEST_F(PreferencesTest, WritesKeepEveryOtherByte) {
    const std::string keys = "; key assignments\n[Keys]\nCommand.00-Modifier=3\nCommand.00-Key=20\n\n";
    const std::string other = "\n[Other]\nUnitSystem = 9 ; not ours\n";
    Put(keys + "[common]\nunitsystem = 0\nPanelVolume=80\n; tail comment\n" + other);

    ASSERT_EQ(WriteColdAndDark(prefs), FileStatus::Ok);
    ASSERT_EQ(SaveCommonPreferences(prefs, Unusual()), FileStatus::Ok);
    std::string saved = Take();
    EXPECT_EQ(saved.substr(0, keys.size()), keys);
    EXPECT_EQ(saved.substr(saved.size() - other.size()), other);
    EXPECT_NE(saved.find("; tail comment\n"), std::string::npos);
    EXPECT_EQ(ReadPreference(prefs, "UnitSystem", 0), 1) << "updated where it stood, in its own case";
    EXPECT_EQ(ReadPreference(prefs, "ColdAndDark", 0), 1);
    EXPECT_EQ(LoadCommonPreferences(prefs).IRSAlignmentTime, 900);
}

TEST_F(PreferencesTest, ColdAndDarkBeforeTheFirstSave) {
    ASSERT_EQ(WriteColdAndDark(prefs), FileStatus::Ok);
    EXPECT_EQ(Take(), "[Common]\r\nColdAndDark=1\r\n");
    ASSERT_EQ(SaveCommonPreferences(prefs, Unusual()), FileStatus::Ok);
    EXPECT_EQ(Take(), std::string("[Common]\r\nColdAndDark=1\r\n") + kTenKeysInSaveOrder);
}

TEST_F(PreferencesTest, FailedWritesSayWhyAndChangeNothing) {
    const std::string before = "[Common]\r\nUnitSystem=0\r\n";
    ASSERT_EQ(chmod(Put(before).c_str(), 0444), 0);
    EXPECT_EQ(SaveCommonPreferences(prefs, Unusual()), FileStatus::ReadOnly);
    EXPECT_EQ(WriteColdAndDark(prefs), FileStatus::ReadOnly);
    EXPECT_EQ(Take(), before);

    Profile nowhere(folder.Path("Velmora/Skyliner/Prefs.cfg"));
    EXPECT_EQ(SaveCommonPreferences(nowhere, Unusual()), FileStatus::FolderMissing);
    EXPECT_EQ(WriteColdAndDark(nowhere), FileStatus::FolderMissing);
    EXPECT_FALSE(folder.Has("Velmora"));
}

TEST(ConfigurationRulesTest, Labels) {
    const std::pair<std::int32_t, const char*> volumes[] = {
        {0, "No Sound"}, {1, "Low"},   {32, "Low"},   {33, "Medium"},  {66, "Medium"},
        {67, "High"},    {99, "High"}, {100, "Maximum"}, {150, "Maximum"}, {-5, "Low"},
    };
    for (const auto& [volume, label] : volumes) EXPECT_EQ(VolumeLabel(volume), label) << volume;

    const std::pair<std::int32_t, const char*> times[] = {
        {0, "0s"}, {10, "10s"}, {59, "59s"}, {60, "60s"}, {61, "1m01s"}, {125, "2m05s"}, {600, "10m00s"}, {900, "15m00s"},
        {-30, "-30s"},
    };
    for (const auto& [seconds, label] : times) EXPECT_EQ(IrsTimeLabel(seconds), label) << seconds;
}

TEST(ConfigurationRulesTest, LevelsBringTheirAlignmentTime) {
    const std::pair<std::int32_t, std::int32_t> levels[] = {{0, 10}, {1, 60}, {2, 600}};
    for (const auto& [level, seconds] : levels) {
        CommonPreferenceValues values;
        values.IRSAlignmentTime = 200;
        ChooseExperience(values, level);
        EXPECT_EQ(values.UserExperience, level);
        EXPECT_EQ(values.IRSAlignmentTime, seconds);
    }
}

TEST(ConfigurationRulesTest, LockOrModifier) {
    struct Case {
        std::int32_t modifier, locker;
        KeyInputMode mode;
        std::int32_t modifierAfter;
    } cases[] = {
        {2, 1, KeyInputMode::Lock, 0},      {4, 3, KeyInputMode::Lock, 0},
        {0, 0, KeyInputMode::Modifier, 3},  {2, 0, KeyInputMode::Modifier, 2},
        {-1, 0, KeyInputMode::Modifier, -1}, {2, 4, KeyInputMode::Undecided, 2},
        {0, -1, KeyInputMode::Undecided, 0},
    };
    for (const Case& c : cases) {
        CommonPreferenceValues values;
        values.Modifier = c.modifier;
        values.Locker = c.locker;
        EXPECT_EQ(ApplyLocker(values), c.mode) << c.modifier << "/" << c.locker;
        EXPECT_EQ(values.Modifier, c.modifierAfter) << c.modifier << "/" << c.locker;
        EXPECT_EQ(values.Locker, c.locker);
    }
}

}  // namespace
