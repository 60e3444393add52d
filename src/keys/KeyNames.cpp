#include "keys/KeyNames.h"

#include <cstdio>

namespace {

constexpr std::uint16_t kFrenchLanguage = 0x040C;

enum Layout { kStandard = 0, kFrench = 1, kLayouts = 2 };

// The keys that carry the letters A to Z, on a US QWERTY and on a French AZERTY keyboard.
constexpr KeyCode kLetterCodes[kLayouts][26] = {
    {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50, 49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44},
    {16, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 39, 49, 24, 25, 30, 19, 31, 20, 22, 47, 44, 45, 21, 17},
};

// The keypad digits 0 to 9, the same on both keyboards.
constexpr KeyCode kNumpadCodes[10] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};

struct SpecialKey {
    std::uint16_t virtualKey;
    KeyCode key;
    const char* name;  // Windows-1252
};

constexpr int kSpecialKeys = 30;

// Every other key the cockpit can use. Row 0 names "no key"; the French punctuation keys
// carry other characters on other keys.
constexpr SpecialKey kSpecialKeyTable[kLayouts][kSpecialKeys] = {
    {
        {0x00, 0, "No key defined"},
        {0xBC, 51, ","},
        {0xBE, 52, "."},
        {0xBF, 53, "/"},
        {0xBA, 39, ";"},
        {0xC0, 40, "`"},
        {0xDC, 43, "\\"},
        {0xDB, 26, "["},
        {0xDD, 27, "]"},
        {0xBD, 12, "-"},
        {0xBB, 13, "="},
        {0xDE, 41, "'"},
        {0xE2, 86, "?"},
        {0x21, 201, "PgUp"},
        {0x22, 209, "PgDn"},
        {0x24, 199, "Home"},
        {0x23, 207, "Fin"},
        {0x2D, 210, "Ins"},
        {0x2E, 211, "Del"},
        {0x26, 200, "Up"},
        {0x28, 208, "Down"},
        {0x25, 203, "Left"},
        {0x27, 205, "Right"},
        {0x6F, 181, "/ (NUMPAD)"},
        {0x6A, 55, "* (NUMPAD)"},
        {0x6B, 78, "+ (NUMPAD)"},
        {0x6D, 74, "- (NUMPAD)"},
        {0x6E, 83, ". (NUMPAD)"},
        {0x90, 69, "Num Lock"},
        {0x91, 70, "Scroll Lock"},
    },
    {
        {0x00, 0, "No key defined"},
        {0xBC, 50, ","},
        {0xBE, 51, ";"},
        {0xBF, 52, ":"},
        {0xDF, 53, "!"},
        {0xC0, 40, "\xF9"},  // u grave
        {0xDC, 43, "*"},
        {0xDD, 26, "^"},
        {0xBA, 27, "$"},
        {0xDB, 12, ")"},
        {0xBB, 13, "="},
        {0xDE, 41, "\xB2"},  // superscript two
        {0xE2, 86, "<"},
        {0x21, 201, "PgUp"},
        {0x22, 209, "PgDn"},
        {0x24, 199, "Home"},
        {0x23, 207, "Fin"},
        {0x2D, 210, "Ins"},
        {0x2E, 211, "Suppr"},
        {0x26, 200, "Haut"},
        {0x28, 208, "Bas"},
        {0x25, 203, "Gauche"},
        {0x27, 205, "Droite"},
        {0x6F, 181, "/ (PAVE NUM.)"},
        {0x6A, 55, "* (PAVE NUM.)"},
        {0x6B, 78, "+ (PAVE NUM.)"},
        {0x6D, 74, "- (PAVE NUM.)"},
        {0x6E, 83, ". (PAVE NUM.)"},
        {0x90, 69, "Verr Num"},
        {0x91, 70, "Arr\xEAt D\xE9" "fil"},
    },
};

// The keys named alike under both layouts.
constexpr SpecialKey kCommonKeys[] = {
        {0x13, 197, "Pause"},
        {0x70, 59, "F1"},
        {0x71, 60, "F2"},
        {0x72, 61, "F3"},
        {0x73, 62, "F4"},
        {0x74, 63, "F5"},
        {0x75, 64, "F6"},
        {0x76, 65, "F7"},
        {0x77, 66, "F8"},
        {0x78, 67, "F9"},
        {0x79, 68, "F10"},
        {0x7A, 87, "F11"},
        {0x7B, 88, "F12"},
        {0x30, 11, "0"},
};

// The row of `match` in the layout's own table, else in the common one; null if none.
template <typename Match>
const SpecialKey* FindSpecialKey(Layout layout, Match match) {
    for (const SpecialKey& row : kSpecialKeyTable[layout]) {
        if (match(row)) return &row;
    }
    for (const SpecialKey& row : kCommonKeys) {
        if (match(row)) return &row;
    }
    return nullptr;
}

KeyboardLanguageQuery languageQuery = nullptr;

// A layout chosen when first needed, then kept.
class HeldLayout {
public:
    Layout Get() {
        if (!chosen_) {
            layout_ = FrenchLayout() ? kFrench : kStandard;
            chosen_ = true;
        }
        return layout_;
    }
    void Forget() { chosen_ = false; }

private:
    bool chosen_ = false;
    Layout layout_ = kStandard;
};

HeldLayout captureLetters;
HeldLayout captureSpecialKeys;
HeldLayout naming;

const char* ModifierPrefix(ModifierCode modifier) {
    switch (modifier) {
        case kShiftModifier: return "SHIFT + ";
        case kCtrlModifier: return "CTRL + ";
        case kShiftCtrlModifier: return "SHIFT + CTRL + ";
        default: return "";
    }
}

}  // namespace

void SetKeyboardLanguageQuery(KeyboardLanguageQuery query) { languageQuery = query; }

bool FrenchLayout() { return languageQuery && languageQuery() == kFrenchLanguage; }

KeyAssignment VirtualKeyToKeyCode(std::uint8_t virtualKey, unsigned modifierFlags) {
    ModifierCode modifier = (modifierFlags & kHotKeyShift) ? kShiftModifier : kNoModifier;
    if (modifierFlags & kHotKeyControl) modifier = modifier == kShiftModifier ? kShiftCtrlModifier : kCtrlModifier;

    if (virtualKey >= 'A' && virtualKey <= 'Z') return {modifier, kLetterCodes[captureLetters.Get()][virtualKey - 'A']};
    if (virtualKey >= 0x60 && virtualKey <= 0x69) return {modifier, kNumpadCodes[virtualKey - 0x60]};
    if (virtualKey >= '1' && virtualKey <= '9') return {modifier, virtualKey - '1' + 2};
    const SpecialKey* row =
        FindSpecialKey(captureSpecialKeys.Get(), [virtualKey](const SpecialKey& r) { return r.virtualKey == virtualKey; });
    return {modifier, row ? row->key : KeyCode{0}};
}

std::string KeyName(KeyCode key) {
    const Layout layout = naming.Get();
    if (const SpecialKey* row = FindSpecialKey(layout, [key](const SpecialKey& r) { return r.key == key; })) {
        return row->name;
    }
    if (key >= 2 && key <= 10) return std::string(1, static_cast<char>('1' + key - 2));
    for (int letter = 0; letter < 26; ++letter) {
        if (kLetterCodes[layout][letter] == key) return std::string(1, static_cast<char>('A' + letter));
    }
    for (int digit = 0; digit < 10; ++digit) {
        if (kNumpadCodes[digit] == key) {
            // Unlike the tables, the keypad's suffix follows the layout of the moment.
            char name[20];
            std::snprintf(name, sizeof name, FrenchLayout() ? "%d (PAVE NUM.)" : "%d (NUMPAD)", digit);
            return name;
        }
    }
    return "?";
}

std::string AssignmentText(ModifierCode modifier, KeyCode key) { return ModifierPrefix(modifier) + KeyName(key); }

void ForgetLayoutChoices() {
    captureLetters.Forget();
    captureSpecialKeys.Forget();
    naming.Forget();
}
