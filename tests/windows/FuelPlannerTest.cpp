#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "DialogTemplate.h"
#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "fuel/FuelPlanner.h"
#include "loadmgr/AircraftSelection.h"
#include "ui/DialogItems.h"

namespace {

TEST(FuelPlannerTest, Template) {
    const DialogTemplate planner = ReadDialogTemplate(IDD_FUEL_PLANNER);
    EXPECT_EQ(planner.caption + " " + planner.font, "Fuel Planner MS Shell Dlg");
    EXPECT_EQ(std::vector<short>({planner.width, planner.height}), std::vector<short>({339, 335}));
    EXPECT_EQ(planner.style & (DS_MODALFRAME | WS_SYSMENU), DWORD{DS_MODALFRAME | WS_SYSMENU});

    constexpr DWORD kTyped = ES_NUMBER | ES_RIGHT | WS_TABSTOP, kResult = ES_READONLY | ES_CENTER | WS_TABSTOP;
    struct Expected {
        int id;
        const char* windowClass;
        short x, y, width, height;
        DWORD style;  // bits that must be set; WS_TABSTOP, the button and static types are checked both ways
        std::string text;
    };
    // The banner, then every control with an id, in tab order.
    const Expected expected[] = {
        {-1, "Static", 7, 7, 325, 45, SS_BITMAP, "#" + std::to_string(IDB_FUEL_PLANNER)},
        {IDC_PLANNER_DISTANCE, "Edit", 92, 73, 40, 14, kTyped, ""},
        {IDC_PLANNER_ALTITUDE, "Edit", 92, 91, 40, 14, kTyped, ""},
        {IDC_PLANNER_COST_INDEX, "Edit", 92, 109, 40, 14, kTyped, ""},
        {IDC_PLANNER_COST_INDEX_UNIT, "Static", 139, 112, 50, 8, 0, "kg/min"},
        {IDC_PLANNER_ZERO_FUEL_WEIGHT, "Edit", 92, 127, 40, 14, kTyped, ""},
        {IDC_PLANNER_ZFW_UNIT, "Static", 138, 129, 50, 8, 0, "kg"},
        {IDC_PLANNER_TAXI_FUEL, "Edit", 257, 73, 40, 14, kTyped, ""},
        {IDC_PLANNER_TAXI_UNIT, "Static", 304, 75, 24, 8, 0, "kg"},
        {IDC_PLANNER_TRIP_FUEL, "Edit", 257, 91, 40, 14, ES_NUMBER | ES_RIGHT | ES_READONLY, ""},
        {IDC_PLANNER_TRIP_UNIT, "Static", 304, 93, 24, 8, 0, "kg"},
        {IDC_PLANNER_ROUTE_RESERVE, "Edit", 257, 109, 40, 14, kTyped, ""},
        {IDC_PLANNER_FINAL_FUEL, "Edit", 257, 127, 40, 14, kTyped, ""},
        {IDC_PLANNER_FINAL_UNIT, "Static", 304, 129, 24, 8, 0, "kg"},
        {IDC_PLANNER_METRIC, "Button", 82, 167, 51, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, "Metric (kg)"},
        {IDC_PLANNER_IMPERIAL, "Button", 196, 167, 60, 10, BS_AUTORADIOBUTTON, "Imperial (lbs)"},
        {IDC_PLANNER_VALIDATE, "Button", 133, 198, 73, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, "Validate"},
        {IDC_PLANNER_FUEL_ON_BOARD, "Edit", 109, 228, 124, 18, kResult, ""},
        {IDC_PLANNER_FOB_UNIT, "Static", 250, 233, 24, 8, 0, "kg"},
        {IDC_PLANNER_LEFT_OUTER, "Edit", 11, 267, 60, 14, kResult, ""},
        {IDC_PLANNER_LEFT_INNER, "Edit", 75, 272, 60, 14, kResult, ""},
        {IDC_PLANNER_CENTER, "Edit", 139, 280, 60, 14, kResult, ""},
        {IDC_PLANNER_RIGHT_INNER, "Edit", 203, 272, 60, 14, kResult, ""},
        {IDC_PLANNER_RIGHT_OUTER, "Edit", 267, 267, 60, 14, kResult, ""},
        {IDCANCEL, "Button", 282, 314, 50, 14, BS_PUSHBUTTON | WS_TABSTOP, "Close"},
    };
    std::vector<TemplateItem> items;
    for (const TemplateItem& item : planner.items) {
        if (item.id != -1 || items.empty()) items.push_back(item);
    }
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TemplateItem& item = items[i];
        const Expected& e = expected[i];
        const DWORD type = e.windowClass[0] == 'B' ? 0xF : e.windowClass[0] == 'S' ? SS_TYPEMASK : 0;
        EXPECT_EQ(std::tuple(item.id, item.windowClass, item.x, item.y, item.width, item.height, item.text),
                  std::tuple(e.id, e.windowClass, e.x, e.y, e.width, e.height, e.text));
        EXPECT_EQ(item.style & (e.style | WS_TABSTOP | type), e.style) << e.id;
    }
}

// The real window, typed into as the keyboard would, its messages recorded.
TEST(FuelPlannerTest, TypedFlightByEnterAndByButton) {
    FakeUserInterface ui;
    AircraftSelection = kA320;
    VariantZfw[kA320 - 1] = 60000;
    FuelPlanner planner;
    HWND window = planner.CreateForTest(nullptr);
    ASSERT_NE(window, nullptr);
    auto texts = [&](std::initializer_list<int> ids) {
        std::string shown;
        for (int id : ids) shown += ItemText(window, id) + "|";
        return shown;
    };
    auto type = [&](int id, const std::string& keys) {
        SendMessageA(planner.Item(id), EM_SETSEL, 0, -1);
        for (char key : keys) SendMessageA(planner.Item(id), WM_CHAR, static_cast<unsigned char>(key), 0);
    };
    EXPECT_EQ(GetFocus(), planner.Item(IDC_PLANNER_DISTANCE));
    EXPECT_TRUE(IsItemChecked(window, IDC_PLANNER_METRIC));

    // Enter without a distance: the default button refuses, in a message of the planner.
    type(IDC_PLANNER_ALTITUDE, "350000");  // digits only, five at most
    SetFocus(planner.Item(IDC_PLANNER_ALTITUDE));
    PressKey(window, VK_RETURN);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text + " / " + ui.messages[0].caption, "All the mandatory fields must be filled. / ERROR");
    EXPECT_EQ(std::pair(ui.messages[0].style, ui.messages[0].owner), std::pair(UINT{MB_OK | MB_ICONSTOP}, window));

    type(IDC_PLANNER_DISTANCE, "5x00");
    type(IDC_PLANNER_COST_INDEX, "30");
    Press(planner, IDC_PLANNER_VALIDATE);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(texts({IDC_PLANNER_TRIP_FUEL, IDC_PLANNER_FUEL_ON_BOARD, IDC_PLANNER_LEFT_OUTER, IDC_PLANNER_LEFT_INNER,
                     IDC_PLANNER_CENTER, IDC_PLANNER_RIGHT_INNER, IDC_PLANNER_RIGHT_OUTER}),
              "4042|5444|0 (0.0%)|2722 (50.1%)|0 (0.0%)|2722 (50.1%)|0 (0.0%)|");

    Press(planner, IDC_PLANNER_IMPERIAL);
    EXPECT_EQ(texts({IDC_PLANNER_ZERO_FUEL_WEIGHT, IDC_PLANNER_FUEL_ON_BOARD, IDC_PLANNER_ZFW_UNIT,
                     IDC_PLANNER_COST_INDEX_UNIT, IDC_PLANNER_TAXI_UNIT, IDC_PLANNER_TRIP_UNIT, IDC_PLANNER_FINAL_UNIT,
                     IDC_PLANNER_FOB_UNIT}),
              "132275|12001|lb|100lb/h|lb|lb|lb|lb|");

    AircraftSelection = kNoAircraft;
    VariantZfw[kA320 - 1] = 0;
}

}  // namespace
