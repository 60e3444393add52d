#include <gtest/gtest.h>

#include <string>

#include "keys/KeyNames.h"

namespace {

std::uint16_t layoutLanguage = 0x0409;
std::uint16_t Language() { return layoutLanguage; }

// Each test starts with no layout held, under the language it sets with Use().
class KeyNamesTest : public ::testing::Test {
protected:
    KeyNamesTest() {
        SetKeyboardLanguageQuery(Language);
        Use(0x0409);
    }
    ~KeyNamesTest() override {
        SetKeyboardLanguageQuery(nullptr);
        ForgetLayoutChoices();
    }
    static void Use(std::uint16_t language) {
        layoutLanguage = language;
        ForgetLayoutChoices();
    }
    static KeyCode Capture(std::uint8_t virtualKey) { return VirtualKeyToKeyCode(virtualKey, 0).key; }
};

constexpr std::uint16_t kUs = 0x0409;
constexpr std::uint16_t kFrench = 0x040C;

TEST_F(KeyNamesTest, OnlyTheFrenchLanguageOfFranceIsTheFrenchLayout) {
    const std::pair<std::uint16_t, bool> cases[] = {
        {kFrench, true}, {kUs, false}, {0x080C, false} /* Belgian French */, {0x0C0C, false}, {0x0407, false}};
    for (auto [language, french] : cases) {
        Use(language);
        EXPECT_EQ(FrenchLayout(), french) << std::hex << language;
    }
    SetKeyboardLanguageQuery(nullptr);
    EXPECT_FALSE(FrenchLayout()) << "without a system to ask, the layout is standard";
}

TEST_F(KeyNamesTest, NamesUnderBothLayouts) {
    struct Case {
        KeyCode key;
        const char* standard;
        const char* french;
    };
    const Case cases[] = {
        {16, "Q", "A"},
        {30, "A", "Q"},
        {17, "W", "Z"},
        {44, "Z", "W"},
        {39, ";", "M"},
        {50, "M", ","},
        {53, "/", "!"},
        {79, "1 (NUMPAD)", "1 (PAVE NUM.)"},
        {82, "0 (NUMPAD)", "0 (PAVE NUM.)"},
        {181, "/ (NUMPAD)", "/ (PAVE NUM.)"},
        {2, "1", "1"},
        {5, "4", "4"},
        {10, "9", "9"},
        {11, "0", "0"},
        {0, "No key defined", "No key defined"},
        {207, "Fin", "Fin"},
        {211, "Del", "Suppr"},
        {70, "Scroll Lock", "Arr\xEAt D\xE9"
                            "fil"},
        {40, "`", "\xF9"},
        {41, "'", "\xB2"},
        {86, "?", "<"},
        {88, "F12", "F12"},
        {300, "?", "?"},
        {1, "?", "?"},
        {-1, "?", "?"},
        {0x7FFFFFFF, "?", "?"},
    };
    for (std::uint16_t language : {kUs, kFrench}) {
        Use(language);
        for (const Case& c : cases) {
            EXPECT_EQ(KeyName(c.key), language == kFrench ? c.french : c.standard) << c.key << " under " << std::hex
                                                                                  << language;
        }
    }
}

TEST_F(KeyNamesTest, ModifierPrefixes) {
    struct Case {
        ModifierCode modifier;
        KeyCode key;
        const char* text;
    };
    const Case cases[] = {
        {0, 20, "T"},
        {1, 20, "SHIFT + T"},
        {2, 209, "CTRL + PgDn"},
        {3, 76, "SHIFT + CTRL + 5 (NUMPAD)"},
        {3, 0, "SHIFT + CTRL + No key defined"},
        {4, 20, "T"},  // ALT has no code: a hand-edited value shows without prefix
        {-1, 20, "T"},
        {-9999, 300, "?"},
    };
    for (const Case& c : cases) EXPECT_EQ(AssignmentText(c.modifier, c.key), c.text) << c.modifier << "," << c.key;

    KeyCommandTable[3] = {"[MCDU] INIT Key", 2, 23};
    EXPECT_EQ(AssignmentText(3), "CTRL + I");
    EXPECT_EQ(AssignmentText(-1), "");
    EXPECT_EQ(AssignmentText(kKeyCommandSlots), "");
}

TEST_F(KeyNamesTest, ModifierFlagsOfTheHotKeyControl) {
    const std::pair<unsigned, ModifierCode> cases[] = {
        {0, 0},
        {kHotKeyShift, 1},
        {kHotKeyControl, 2},
        {kHotKeyShift | kHotKeyControl, 3},
        {kHotKeyExtended, 0},
        {kHotKeyShift | kHotKeyControl | kHotKeyExtended, 3},
        {kHotKeyControl | kHotKeyExtended, 2},
    };
    for (auto [flags, modifier] : cases) {
        KeyAssignment captured = VirtualKeyToKeyCode(0x74 /* F5 */, flags);
        EXPECT_EQ(captured.modifier, modifier) << flags;
        EXPECT_EQ(captured.key, 63) << flags;
    }
}

// Whatever the layout, a key the user presses is named after what its key cap shows.
TEST_F(KeyNamesTest, CapturedKeysAreNamedAfterTheirKeyCaps) {
    for (std::uint16_t language : {kUs, kFrench}) {
        Use(language);
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            EXPECT_EQ(KeyName(Capture(static_cast<std::uint8_t>(letter))), std::string(1, letter)) << language;
        }
        for (char digit = '0'; digit <= '9'; ++digit) {
            EXPECT_EQ(KeyName(Capture(static_cast<std::uint8_t>(digit))), std::string(1, digit)) << language;
            std::string keypad = std::string(1, digit) + (language == kFrench ? " (PAVE NUM.)" : " (NUMPAD)");
            EXPECT_EQ(KeyName(Capture(static_cast<std::uint8_t>(0x60 + digit - '0'))), keypad);
        }
        // Every key that some table knows gets a name, never the "?" of an unknown code
        // (the standard name of the extra key left of Z is itself "?").
        for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
            if (virtualKey == 0xE2 && language == kUs) continue;
            KeyCode key = Capture(static_cast<std::uint8_t>(virtualKey));
            EXPECT_NE(KeyName(key), "?") << "virtual key " << virtualKey << " under " << language;
        }
    }
}

TEST_F(KeyNamesTest, PunctuationKeysFollowTheLayout) {
    struct Case {
        std::uint8_t virtualKey;
        KeyCode standard;
        KeyCode french;
        const char* frenchName;
    };
    const Case cases[] = {
        {0xBC, 51, 50, ","},     {0xBE, 52, 51, ";"}, {0xBF, 53, 52, ":"}, {0xBA, 39, 27, "$"},
        {0xDF, 0, 53, "!"},      {0xDB, 26, 12, ")"}, {0xDD, 27, 26, "^"}, {0xBD, 12, 0, "No key defined"},
        {0xC0, 40, 40, "\xF9"},  {0x2E, 211, 211, "Suppr"},
    };
    for (const Case& c : cases) {
        Use(kUs);
        EXPECT_EQ(Capture(c.virtualKey), c.standard) << int(c.virtualKey);
        Use(kFrench);
        EXPECT_EQ(Capture(c.virtualKey), c.french) << int(c.virtualKey);
        EXPECT_EQ(KeyName(c.french), c.frenchName) << int(c.virtualKey);
    }
}

TEST_F(KeyNamesTest, KeysNoTableKnowsAreStoredAsNoKey) {
    // Enter, Space, Tab, Escape, Backspace, the Windows keys, the application key, F13,
    // and the keypad's Enter, which the hot-key control reports as Enter.
    for (std::uint8_t virtualKey : {0x0D, 0x20, 0x09, 0x1B, 0x08, 0x5B, 0x5C, 0x5D, 0x7C, 0x00}) {
        KeyAssignment captured = VirtualKeyToKeyCode(virtualKey, kHotKeyShift);
        EXPECT_EQ(captured.key, 0) << int(virtualKey);
        EXPECT_EQ(captured.modifier, kShiftModifier);
        EXPECT_EQ(AssignmentText(captured.modifier, captured.key), "SHIFT + No key defined");
    }
}

// A user who switches layouts during a run keeps the names of the first; only the
// keypad's suffix follows at once.
TEST_F(KeyNamesTest, TheLayoutIsHeldFromItsFirstUse) {
    Use(kUs);
    EXPECT_EQ(KeyName(16), "Q");
    EXPECT_EQ(Capture('A'), 30);
    layoutLanguage = kFrench;
    EXPECT_EQ(KeyName(16), "Q");
    EXPECT_EQ(KeyName(211), "Del");
    EXPECT_EQ(KeyName(79), "1 (PAVE NUM.)");
    EXPECT_EQ(Capture('A'), 30);
    EXPECT_EQ(Capture(0xDF), 53) << "the special keys are chosen at their own first use";
    layoutLanguage = kUs;
    EXPECT_EQ(Capture(0xDF), 53);
    EXPECT_EQ(KeyName(79), "1 (NUMPAD)");
}

}  // namespace
