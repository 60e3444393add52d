#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "keys/KeyCapture.h"
#include "keys/KeyNames.h"

namespace {

constexpr std::uint16_t kUs = 0x0409, kFrench = 0x040C;
std::uint16_t layoutLanguage = kUs;

// Each test starts with no layout held; Use() switches the layout and forgets the held one.
struct KeyNamesTest : ::testing::Test {
    KeyNamesTest() { SetKeyboardLanguageQuery([] { return layoutLanguage; }); Use(kUs); }
    ~KeyNamesTest() override { SetKeyboardLanguageQuery(nullptr); ForgetLayoutChoices(); }
    static void Use(std::uint16_t language) { layoutLanguage = language; ForgetLayoutChoices(); }
    static KeyCode Capture(int virtualKey) { return VirtualKeyToKeyCode(std::uint8_t(virtualKey), 0).key; }
};

TEST_F(KeyNamesTest, NamesUnderBothLayoutsAndModifiers) {
    // No key, each layout's table, unknown codes (letters, digits and the keypad: the key-cap test).
    const std::tuple<KeyCode, const char*, const char*> cases[] = {{39, ";", "M"}, {0, "No key defined", "No key defined"},
        {70, "Scroll Lock", "Arr\xEAt D\xE9" "fil"}, {86, "?", "<"}, {300, "?", "?"}, {-1, "?", "?"}};
    for (std::uint16_t language : {kUs, kFrench}) {
        Use(language);
        for (auto [key, us, fr] : cases) EXPECT_EQ(KeyName(key), language == kFrench ? fr : us) << key;
    }
    const std::pair<ModifierCode, const char*> prefixes[] = {
        {0, "T"}, {1, "SHIFT + T"}, {2, "CTRL + T"}, {3, "SHIFT + CTRL + T"}, {4, "T"}, {-1, "T"}};
    for (auto [modifier, text] : prefixes) EXPECT_EQ(AssignmentText(modifier, 20), text);
}

// Whatever the layout, a key the user presses is named after what its key cap shows.
TEST_F(KeyNamesTest, CapturedKeysAreNamedAfterTheirKeyCaps) {
    for (std::uint16_t language : {kUs, kFrench}) {
        Use(language);
        const std::string keypad = language == kFrench ? " (PAVE NUM.)" : " (NUMPAD)";
        for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(KeyName(Capture(c)), std::string(1, c));
        for (char c = '0'; c <= '9'; ++c) {
            EXPECT_EQ(KeyName(Capture(c)) + KeyName(Capture(0x60 + c - '0')), c + (c + keypad));
        }
        // Every key gets a name or no key, never the "?" of an unknown code (but the
        // standard name of the extra key left of Z is "?" itself); a capture that starts from
        // what a key gave gives it again.
        for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
            EXPECT_TRUE(KeyName(Capture(virtualKey)) != "?" || (virtualKey == 0xE2 && language == kUs)) << virtualKey;
            const HotKey start = HotKeyFor({kNoModifier, Capture(virtualKey)});
            EXPECT_EQ(VirtualKeyToKeyCode(start.virtualKey, start.modifierFlags).key, Capture(virtualKey)) << virtualKey;
        }
    }
    // Enter, Space, Tab, Escape, the Windows keys and F13 are no key.
    for (int virtualKey : {0x0D, 0x20, 0x09, 0x1B, 0x5B, 0x7C}) EXPECT_EQ(Capture(virtualKey), 0) << virtualKey;
    const std::pair<unsigned, ModifierCode> flags[] = {{0, 0}, {kHotKeyShift, 1}, {kHotKeyControl, 2},
        {kHotKeyShift | kHotKeyControl | kHotKeyExtended, 3}, {kHotKeyExtended, 0}};
    for (auto [flag, modifier] : flags) {
        const KeyAssignment f5 = VirtualKeyToKeyCode(0x74, flag);
        EXPECT_EQ(std::pair(f5.modifier, f5.key), std::pair(modifier, 63)) << flag;
        EXPECT_EQ(HotKeyFor(f5).modifierFlags, flag & ~kHotKeyExtended) << flag;
    }
}

// The first listed command but the one captured for holds a combination; no key is held by none.
TEST_F(KeyNamesTest, TheCommandHoldingACapturedCombination) {
    KeyCommands table = DefaultKeyCommands();
    table[50].Assign({2, 30}), table[88].Assign({1, 59}), table[20].Assign({2, 0});
    const std::tuple<KeyAssignment, int, int> cases[] = {
        {{2, 30}, 7, 50}, {{2, 30}, 50, 7}, {{3, 30}, 3, -1}, {{1, 59}, 3, -1}, {{2, 0}, 3, -1}, {{0, 0}, 16, -1}};
    for (auto [held, slot, holder] : cases) EXPECT_EQ(FindCommandHolding(table, held, slot), holder) << slot;
}

TEST_F(KeyNamesTest, TheFrenchLayoutIsChosenAtFirstUseAndThenHeld) {
    Use(0x080C);
    EXPECT_FALSE(FrenchLayout()) << "Belgian French is another layout";
    Use(kUs);
    EXPECT_EQ(KeyName(16) + " " + std::to_string(Capture('A')), "Q 30");
    layoutLanguage = kFrench;  // switched during the run
    EXPECT_EQ(KeyName(16) + " " + std::to_string(Capture('A')), "Q 30");
    EXPECT_EQ(KeyName(79), "1 (PAVE NUM.)") << "only the keypad's suffix follows at once";
    EXPECT_EQ(Capture(0xDF), 53) << "the special keys are chosen at their own first use";
    SetKeyboardLanguageQuery(nullptr);
    EXPECT_FALSE(FrenchLayout()) << "without a system to ask, the layout is standard";
}

}  // namespace
