// The contract between the dialog templates and the code: every control the code uses is
// in its template, of the class and with the style bits the code relies on, and every
// control the user operates is reached from the keyboard. Positions and texts are free to
// change. Controls that the flow tests operate and read, and the pictures that the picture
// test reads, are left to those tests.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <utility>
#include <vector>

#include "ResourceIds.h"
#include "aircraft/Variants.h"

namespace {

struct Controls {
    std::vector<int> ids;
    const char* windowClass;
    DWORD style;  // bits that must be set; for buttons, the button type is compared whole
};
using Contract = std::pair<int, std::vector<Controls>>;  // a template and what the code uses of it

constexpr DWORD kRadio = BS_AUTORADIOBUTTON, kOk = BS_DEFPUSHBUTTON, kPush = BS_PUSHBUTTON;

std::vector<Contract> Contracts() {
    std::vector<Contract> contracts = {
        {IDD_LAUNCHER, {{{IDC_AIRCRAFT_CONFIGURATION, IDC_LOAD_MANAGER, IDC_FUEL_PLANNER, IDC_KEY_ASSIGNMENTS},
                         "Button", BS_BITMAP}, {{IDCANCEL}, "Button", kPush}}},
        {IDD_AIRCRAFT_SELECTOR, {{{IDC_SELECT_A318, IDC_SELECT_A319, IDC_SELECT_A320, IDC_SELECT_A321, IDC_SELECT_ACJ},
                                  "Button", kRadio | BS_PUSHLIKE | BS_BITMAP}, {{IDCANCEL}, "Button", kPush}}},
        {IDD_CONFIGURATION,
         {{{IDC_CFG_METRIC, IDC_CFG_IMPERIAL, IDC_CFG_BEGINNER, IDC_CFG_INTERMEDIATE, IDC_CFG_EXPERT, IDC_CFG_SHIFT,
            IDC_CFG_CONTROL, IDC_CFG_CONTROL_SHIFT, IDC_CFG_WINDOWS, IDC_CFG_NO_LOCK, IDC_CFG_SCROLL_LOCK,
            IDC_CFG_CAPS_LOCK, IDC_CFG_NUM_LOCK, IDC_CFG_PUSHBACK_STANDARD, IDC_CFG_PUSHBACK_PPU}, "Button", kRadio},
          {{IDC_CFG_COLD_AND_DARK, IDCANCEL}, "Button", kPush}, {{IDOK}, "Button", kOk}}},
        {IDD_KEY_CONFIG, {{{IDC_KEY_COMMAND_LIST}, "ComboBox", CBS_DROPDOWNLIST},
                          {{IDC_KEY_ASSIGNMENT}, "Edit", ES_READONLY},
                          {{IDC_KEY_CHANGE, IDCANCEL}, "Button", kPush}, {{IDOK}, "Button", kOk}}},
        {IDD_KEY_ASSIGNER, {{{IDC_KEY_COMMAND_NAME}, "Edit", ES_READONLY},
                            {{IDC_KEY_CAPTURE}, HOTKEY_CLASSA, WS_TABSTOP},
                            {{IDCANCEL}, "Button", kPush}, {{IDOK}, "Button", kOk}}},
        {IDD_FUEL_PLANNER,
         {{{IDC_PLANNER_DISTANCE, IDC_PLANNER_ALTITUDE, IDC_PLANNER_COST_INDEX, IDC_PLANNER_ZERO_FUEL_WEIGHT,
            IDC_PLANNER_TAXI_FUEL, IDC_PLANNER_ROUTE_RESERVE, IDC_PLANNER_FINAL_FUEL}, "Edit", ES_NUMBER},
          {{IDC_PLANNER_TRIP_FUEL, IDC_PLANNER_FUEL_ON_BOARD, IDC_PLANNER_LEFT_OUTER, IDC_PLANNER_LEFT_INNER,
            IDC_PLANNER_CENTER, IDC_PLANNER_RIGHT_INNER, IDC_PLANNER_RIGHT_OUTER, IDC_PLANNER_OFP_BLOCK_FUEL}, "Edit", ES_READONLY},
          {{IDC_PLANNER_METRIC, IDC_PLANNER_IMPERIAL}, "Button", kRadio},
          {{IDC_PLANNER_VALIDATE}, "Button", kOk}, {{IDC_PLANNER_IMPORT, IDCANCEL}, "Button", kPush},
          {{IDC_PLANNER_BANNER}, "Static", SS_BITMAP}}},
        {IDD_PILOT_ID, {{{IDC_PILOT_ID}, "Edit", ES_NUMBER}, {{IDOK}, "Button", kOk}, {{IDCANCEL}, "Button", kPush}}},
        {IDD_FETCH_PROGRESS, {{{IDC_FETCH_PROGRESS}, PROGRESS_CLASSA, PBS_MARQUEE}, {{IDCANCEL}, "Button", kOk}}},
    };
    const std::vector<Controls> loadManager = {
        {{IDC_FIRST_CABIN_SLIDER, IDC_SECOND_CABIN_SLIDER, IDC_FORWARD_HOLD_SLIDER, IDC_AFT_HOLD_SLIDER},
         TRACKBAR_CLASSA, TBS_NOTICKS},
        {{IDC_FIRST_CABIN_COUNT, IDC_SECOND_CABIN_COUNT, IDC_FORWARD_HOLD_PERCENT, IDC_AFT_HOLD_PERCENT,
          IDC_FIRST_CABIN_WEIGHT, IDC_SECOND_CABIN_WEIGHT, IDC_FORWARD_HOLD_WEIGHT, IDC_AFT_HOLD_WEIGHT},
         "Edit", ES_READONLY},
        {{IDC_FIRST_CABIN_BAR, IDC_SECOND_CABIN_BAR, IDC_FORWARD_HOLD_BAR, IDC_AFT_HOLD_BAR},
         PROGRESS_CLASSA, PBS_SMOOTH},
        {{IDC_UNIT_KG, IDC_UNIT_LB}, "Button", kRadio}, {{IDOK}, "Button", kOk},
        {{IDC_LOAD_MANAGER_IMPORT, IDCANCEL}, "Button", kPush},
    };
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        contracts.push_back({FindVariant(selection)->loadManagerTemplate, loadManager});
    }
    return contracts;
}

// Sets no focus, so that no push button becomes the default one.
INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(TemplateContractTest, EveryControlTheCodeUsesIsThereWithItsClassAndStyle) {
    for (const auto& [templateId, controls] : Contracts()) {
        HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(templateId), nullptr, Inert, 0);
        ASSERT_NE(dialog, nullptr) << "template " << templateId;
        for (const Controls& control : controls) {
            for (int id : control.ids) {
                SCOPED_TRACE(testing::Message() << "template " << templateId << ", control " << id);
                HWND item = GetDlgItem(dialog, id);
                ASSERT_NE(item, nullptr);
                char windowClass[64] = {};
                GetClassNameA(item, windowClass, sizeof windowClass);
                EXPECT_EQ(lstrcmpiA(windowClass, control.windowClass), 0) << windowClass;
                const auto style = static_cast<DWORD>(GetWindowLongA(item, GWL_STYLE));
                const bool button = lstrcmpiA(control.windowClass, "Button") == 0;
                const DWORD kept = style & control.style;
                const DWORD checked = button ? (style & BS_TYPEMASK) | (kept & ~BS_TYPEMASK) : kept;
                EXPECT_EQ(checked, control.style) << std::hex << style;
            }
        }
        DestroyWindow(dialog);
    }
}

// Tab goes from tab stop to tab stop, the arrow keys round a group from a control that
// leaves them to the dialog, Enter presses the default button and Escape Cancel. Controls
// that take no keys (bars) and read-only ones (texts, pictures, boxes, fields) need none.
TEST(TemplateContractTest, EveryEnabledControlIsReachedFromTheKeyboard) {
    for (const auto& [templateId, controls] : Contracts()) {
        HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(templateId), nullptr, Inert, 0);
        const auto code = [](HWND item) { return SendMessageA(item, WM_GETDLGCODE, 0, 0); };
        // Every dialog but the selector opens with a value shown in each radio group, and the
        // checked button becomes a tab stop.
        const bool opensUnchecked = templateId == IDD_AIRCRAFT_SELECTOR;
        bool checked = opensUnchecked;
        for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
            if (GetWindowLongA(item, GWL_STYLE) & WS_GROUP) checked = opensUnchecked;
            if (checked || !(code(item) & DLGC_RADIOBUTTON)) continue;
            SendMessageA(item, BM_SETCHECK, BST_CHECKED, 0);
            checked = true;
        }
        std::set<HWND> reached;
        for (std::vector<HWND> next{GetNextDlgTabItem(dialog, nullptr, FALSE)}; !next.empty();) {
            HWND at = next.back();
            next.pop_back();
            if (!at || !reached.insert(at).second) continue;
            next.push_back(GetNextDlgTabItem(dialog, at, FALSE));
            if (code(at) & DLGC_WANTARROWS) continue;
            next.insert(next.end(), {GetNextDlgGroupItem(dialog, at, FALSE), GetNextDlgGroupItem(dialog, at, TRUE)});
        }
        for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
            const LRESULT keys = code(item);
            const bool readOnly =
                !keys || keys & DLGC_STATIC || (keys & DLGC_HASSETSEL && GetWindowLongA(item, GWL_STYLE) & ES_READONLY);
            const bool pressed = keys & DLGC_DEFPUSHBUTTON || GetDlgCtrlID(item) == IDCANCEL;  // by Enter or Escape
            EXPECT_TRUE(!IsWindowEnabled(item) || readOnly || pressed || reached.count(item))
                << "template " << templateId << ", control " << GetDlgCtrlID(item);
        }
        DestroyWindow(dialog);
    }
}

}  // namespace
