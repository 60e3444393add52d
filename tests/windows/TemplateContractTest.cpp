// The contract between the dialog templates and the code: every control the code uses is
// in its template, of the class and with the style bits the code relies on. Positions and
// texts are free to change.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ResourceIds.h"
#include "aircraft/Variants.h"

namespace {

struct Control {
    std::vector<int> ids;
    const char* windowClass;
    DWORD style;  // bits that must be set; for buttons, the button type is compared whole
};

constexpr DWORD kAutoRadio = BS_AUTORADIOBUTTON;

const std::vector<Control> kLoadManager = {
    {{IDC_FIRST_CABIN_SLIDER, IDC_SECOND_CABIN_SLIDER, IDC_FORWARD_HOLD_SLIDER, IDC_AFT_HOLD_SLIDER}, TRACKBAR_CLASSA,
     TBS_NOTICKS},
    {{IDC_FIRST_CABIN_COUNT, IDC_SECOND_CABIN_COUNT, IDC_FORWARD_HOLD_PERCENT, IDC_AFT_HOLD_PERCENT,
      IDC_FIRST_CABIN_WEIGHT, IDC_SECOND_CABIN_WEIGHT, IDC_FORWARD_HOLD_WEIGHT, IDC_AFT_HOLD_WEIGHT},
     "Edit", ES_READONLY},
    {{IDC_FIRST_CABIN_BAR, IDC_SECOND_CABIN_BAR, IDC_FORWARD_HOLD_BAR, IDC_AFT_HOLD_BAR}, PROGRESS_CLASSA, PBS_SMOOTH},
    {{IDC_AIRCRAFT_WEIGHT}, "Static", 0},
    {{IDC_UNIT_KG, IDC_UNIT_LB}, "Button", kAutoRadio},
    {{IDOK}, "Button", BS_DEFPUSHBUTTON},
    {{IDCANCEL}, "Button", BS_PUSHBUTTON},
};

struct Contract {
    int templateId;
    std::vector<Control> controls;
};

std::vector<Contract> Contracts() {
    std::vector<Contract> contracts = {
        {IDD_LAUNCHER,
         {{{IDC_AIRCRAFT_CONFIGURATION, IDC_LOAD_MANAGER, IDC_FUEL_PLANNER, IDC_KEY_ASSIGNMENTS}, "Button", BS_BITMAP},
          {{IDCANCEL}, "Button", 0}}},
        {IDD_AIRCRAFT_SELECTOR,
         {{{IDC_SELECT_A318, IDC_SELECT_A319, IDC_SELECT_A320, IDC_SELECT_A321, IDC_SELECT_ACJ}, "Button",
           kAutoRadio | BS_PUSHLIKE | BS_BITMAP},
          {{IDCANCEL}, "Button", 0}}},
        {IDD_CONFIGURATION,
         {{{IDC_CFG_METRIC, IDC_CFG_IMPERIAL, IDC_CFG_BEGINNER, IDC_CFG_INTERMEDIATE, IDC_CFG_EXPERT, IDC_CFG_SHIFT,
            IDC_CFG_CONTROL, IDC_CFG_CONTROL_SHIFT, IDC_CFG_WINDOWS, IDC_CFG_NO_LOCK, IDC_CFG_SCROLL_LOCK,
            IDC_CFG_CAPS_LOCK, IDC_CFG_NUM_LOCK, IDC_CFG_PUSHBACK_STANDARD, IDC_CFG_PUSHBACK_PPU},
           "Button", kAutoRadio},
          {{IDC_CFG_AUTO_PAUSE, IDC_CFG_FSUIPC}, "Button", BS_AUTOCHECKBOX},
          {{IDC_CFG_VOLUME, IDC_CFG_IRS_TIME}, TRACKBAR_CLASSA, 0},
          {{IDC_CFG_VOLUME_LABEL, IDC_CFG_IRS_LABEL}, "Static", 0},
          {{IDC_CFG_COLD_AND_DARK, IDCANCEL}, "Button", BS_PUSHBUTTON},
          {{IDOK}, "Button", BS_DEFPUSHBUTTON}}},
        {IDD_KEY_CONFIG,
         {{{IDC_KEY_COMMAND_LIST}, "ComboBox", CBS_DROPDOWNLIST},
          {{IDC_KEY_ASSIGNMENT}, "Edit", ES_READONLY},
          {{IDC_KEY_CHANGE, IDCANCEL}, "Button", BS_PUSHBUTTON},
          {{IDOK}, "Button", BS_DEFPUSHBUTTON}}},
        {IDD_KEY_ASSIGNER,
         {{{IDC_KEY_COMMAND_NAME}, "Edit", ES_READONLY},
          {{IDC_KEY_CAPTURE}, HOTKEY_CLASSA, WS_TABSTOP},
          {{IDCANCEL}, "Button", BS_PUSHBUTTON},
          {{IDOK}, "Button", BS_DEFPUSHBUTTON}}},
        {IDD_FUEL_PLANNER,
         {{{IDC_PLANNER_DISTANCE, IDC_PLANNER_ALTITUDE, IDC_PLANNER_COST_INDEX, IDC_PLANNER_ZERO_FUEL_WEIGHT,
            IDC_PLANNER_TAXI_FUEL, IDC_PLANNER_ROUTE_RESERVE, IDC_PLANNER_FINAL_FUEL},
           "Edit", ES_NUMBER},
          {{IDC_PLANNER_TRIP_FUEL, IDC_PLANNER_FUEL_ON_BOARD, IDC_PLANNER_LEFT_OUTER, IDC_PLANNER_LEFT_INNER,
            IDC_PLANNER_CENTER, IDC_PLANNER_RIGHT_INNER, IDC_PLANNER_RIGHT_OUTER},
           "Edit", ES_READONLY},
          {{IDC_PLANNER_ZFW_UNIT, IDC_PLANNER_TAXI_UNIT, IDC_PLANNER_TRIP_UNIT, IDC_PLANNER_FINAL_UNIT,
            IDC_PLANNER_FOB_UNIT, IDC_PLANNER_COST_INDEX_UNIT},
           "Static", 0},
          {{IDC_PLANNER_METRIC, IDC_PLANNER_IMPERIAL}, "Button", kAutoRadio},
          {{IDC_PLANNER_VALIDATE}, "Button", BS_DEFPUSHBUTTON},
          {{IDCANCEL}, "Button", BS_PUSHBUTTON}}},
    };
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        contracts.push_back({FindVariant(selection)->loadManagerTemplate, kLoadManager});
    }
    return contracts;
}

// Sets no focus, so that no push button becomes the default one.
INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(TemplateContractTest, EveryControlTheCodeUsesIsThereWithItsClassAndStyle) {
    for (const Contract& contract : Contracts()) {
        HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(contract.templateId), nullptr, Inert, 0);
        ASSERT_NE(dialog, nullptr) << "template " << contract.templateId;
        for (const Control& control : contract.controls) {
            for (int id : control.ids) {
                SCOPED_TRACE(testing::Message() << "template " << contract.templateId << ", control " << id);
                HWND item = GetDlgItem(dialog, id);
                ASSERT_NE(item, nullptr);
                char windowClass[64] = {};
                GetClassNameA(item, windowClass, sizeof windowClass);
                EXPECT_EQ(lstrcmpiA(windowClass, control.windowClass), 0) << windowClass;
                const DWORD style = static_cast<DWORD>(GetWindowLongA(item, GWL_STYLE));
                const bool button = lstrcmpiA(control.windowClass, "Button") == 0;
                const DWORD type = button ? (style & BS_TYPEMASK) | (control.style & ~BS_TYPEMASK & style) : style;
                EXPECT_EQ(button ? type : style & control.style, control.style) << std::hex << style;
            }
        }
        DestroyWindow(dialog);
    }
}

}  // namespace
