#include <gtest/gtest.h>

#include "TestFiles.h"
#include "prefs/ConfigurationRules.h"
#include "prefs/Preferences.h"

namespace {

TEST(PreferencesTest, ReadRuleAndValuesSavedAsRead) {
    ScratchFolder folder;
    const Profile prefs(folder.Path("Prefs.cfg"));
    const std::pair<std::string, std::int32_t> cases[] = {  // 48 characters looked at
        {"-250", -250}, {"", 42}, {"-9999", 42}, {"<UNDEFINED>", 42}, {"12abc", 12}, {"\"   33\"", 33},
        {"on", 42}, {"-x", 42}, {std::string(45, '0') + "123", 123}, {std::string(45, '0') + "0123", 12}};
    for (const auto& [value, expected] : cases) {
        folder.Put("Prefs.cfg", "[Common]\r\nAutoPause=" + value + "\r\n");
        EXPECT_EQ(ReadPreference(prefs.Snapshot(), "AutoPause", 42), expected) << value;
    }
    Profile saved(folder.Path("Saved.cfg"));
    const CommonPreferenceValues defaults = LoadCommonPreferences(saved.Snapshot());
    EXPECT_FALSE(folder.Has("Saved.cfg")) << "loading writes nothing";
    ASSERT_EQ(WriteColdAndDark(saved), FileStatus::Ok);
    ASSERT_EQ(SaveCommonPreferences(saved, defaults), FileStatus::Ok);
    EXPECT_EQ(folder.Take("Saved.cfg"),
              "[Common]\r\nColdAndDark=1\r\nUnitSystem=0\r\nPushbackType=0\r\nUserExperience=1\r\nPanelVolume=100\r\n"
              "IRSAlignmentTime=60\r\nModifier=0\r\nLocker=1\r\nAutoPause=0\r\nFsuipcUsage=0\r\nFMGCSaveMode=0\r\n");
    // Out of range too, each value goes back to its own key.
    std::string file = "[Common]\r\nUnitSystem=2\r\nPushbackType=1\r\nUserExperience=7\r\nPanelVolume=150\r\n"
                       "IRSAlignmentTime=900\r\nModifier=-2\r\nLocker=5\r\nAutoPause=8\r\nFsuipcUsage=3\r\nFMGCSaveMode=4\r\n";
    folder.Put("Saved.cfg", file);
    ASSERT_EQ(SaveCommonPreferences(saved, LoadCommonPreferences(saved.Snapshot())), FileStatus::Ok);
    EXPECT_EQ(folder.Take("Saved.cfg"), file);
}

TEST(ConfigurationRulesTest, LabelsAndLocker) {
    const std::tuple<std::int32_t, const char*, const char*> labels[] = {{0, "No Sound", "0s"}, {1, "Low", "1s"},
        {32, "Low", "32s"}, {33, "Medium", "33s"}, {60, "Medium", "60s"}, {61, "Medium", "1m01s"},
        {66, "Medium", "1m06s"}, {67, "High", "1m07s"}, {99, "High", "1m39s"}, {100, "Maximum", "1m40s"},
        {600, "Maximum", "10m00s"}, {-5, "Low", "-5s"}};
    for (const auto& [value, volume, irsTime] : labels) {
        EXPECT_EQ(VolumeLabel(value) + " " + IrsTimeLabel(value), std::string(volume) + " " + irsTime);
    }
    // Locker, Modifier: the input mode and the Modifier it leaves.
    using M = KeyInputMode;
    const std::tuple<int, int, KeyInputMode, int> lockers[] = {{1, 2, M::Lock, 0}, {3, 4, M::Lock, 0},
        {0, 0, M::Modifier, 3}, {0, 4, M::Modifier, 4}, {6, 9, M::Undecided, 9}, {-1, 2, M::Undecided, 2}};
    for (const auto& [locker, modifier, mode, after] : lockers) {
        CommonPreferenceValues values;
        std::tie(values.Locker, values.Modifier) = std::tie(locker, modifier);
        EXPECT_TRUE(ApplyLocker(values) == mode && values.Modifier == after) << locker << " " << modifier;
    }
}

}  // namespace
