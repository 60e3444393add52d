#include <gtest/gtest.h>

#include <memory>
#include <string>
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
    EXPECT_EQ(planner.caption, "Fuel Planner");
    EXPECT_EQ(planner.font, "MS Shell Dlg");
    EXPECT_EQ(planner.width, 339);
    EXPECT_EQ(planner.height, 335);
    EXPECT_EQ(planner.style & (DS_MODALFRAME | WS_SYSMENU | WS_CAPTION), DWORD{DS_MODALFRAME | WS_SYSMENU | WS_CAPTION});

    constexpr DWORD kTyped = ES_NUMBER | ES_RIGHT | WS_TABSTOP;
    constexpr DWORD kResult = ES_READONLY | ES_CENTER;
    struct Expected {
        int id;
        const char* windowClass;
        short x, y, width, height;
        DWORD style;        // bits that must be set
        DWORD absentStyle;  // bits that must not be
        const char* text;
    };
    // Every control with an id, in tab order.
    const Expected expected[] = {
        {IDC_PLANNER_DISTANCE, "Edit", 92, 73, 40, 14, kTyped, ES_READONLY, ""},
        {IDC_PLANNER_ALTITUDE, "Edit", 92, 91, 40, 14, kTyped, ES_READONLY, ""},
        {IDC_PLANNER_COST_INDEX, "Edit", 92, 109, 40, 14, kTyped, ES_READONLY, ""},
        {IDC_PLANNER_COST_INDEX_UNIT, "Static", 139, 112, 50, 8, 0, 0, "kg/min"},
        {IDC_PLANNER_ZERO_FUEL_WEIGHT, "Edit", 92, 127, 40, 14, kTyped, ES_READONLY, ""},
        {IDC_PLANNER_ZFW_UNIT, "Static", 138, 129, 50, 8, 0, 0, "kg"},
        {IDC_PLANNER_TAXI_FUEL, "Edit", 257, 73, 40, 14, kTyped, ES_READONLY, ""},
        {IDC_PLANNER_TAXI_UNIT, "Static", 304, 75, 24, 8, 0, 0, "kg"},
        {IDC_PLANNER_TRIP_FUEL, "Edit", 257, 91, 40, 14, ES_NUMBER | ES_RIGHT | ES_READONLY, WS_TABSTOP, ""},
        {IDC_PLANNER_TRIP_UNIT, "Static", 304, 93, 24, 8, 0, 0, "kg"},
        {IDC_PLANNER_ROUTE_RESERVE, "Edit", 257, 109, 40, 14, kTyped, ES_READONLY, ""},
        {IDC_PLANNER_FINAL_FUEL, "Edit", 257, 127, 40, 14, kTyped, ES_READONLY, ""},
        {IDC_PLANNER_FINAL_UNIT, "Static", 304, 129, 24, 8, 0, 0, "kg"},
        {IDC_PLANNER_METRIC, "Button", 82, 167, 51, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, "Metric (kg)"},
        {IDC_PLANNER_IMPERIAL, "Button", 196, 167, 60, 10, BS_AUTORADIOBUTTON, WS_GROUP, "Imperial (lbs)"},
        {IDC_PLANNER_VALIDATE, "Button", 133, 198, 73, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "Validate"},
        {IDC_PLANNER_FUEL_ON_BOARD, "Edit", 109, 228, 124, 18, kResult, 0, ""},
        {IDC_PLANNER_FOB_UNIT, "Static", 250, 233, 24, 8, 0, 0, "kg"},
        {IDC_PLANNER_LEFT_OUTER, "Edit", 11, 267, 60, 14, kResult, 0, ""},
        {IDC_PLANNER_LEFT_INNER, "Edit", 75, 272, 60, 14, kResult, 0, ""},
        {IDC_PLANNER_CENTER, "Edit", 139, 280, 60, 14, kResult, 0, ""},
        {IDC_PLANNER_RIGHT_INNER, "Edit", 203, 272, 60, 14, kResult, 0, ""},
        {IDC_PLANNER_RIGHT_OUTER, "Edit", 267, 267, 60, 14, kResult, 0, ""},
        {IDCANCEL, "Button", 282, 314, 50, 14, WS_TABSTOP, BS_DEFPUSHBUTTON, "Close"},
    };
    std::vector<TemplateItem> withIds;
    for (const TemplateItem& item : planner.items) {
        if (item.id != -1 && item.id != 0xFFFF) withIds.push_back(item);
    }
    ASSERT_EQ(withIds.size(), std::size(expected));
    for (std::size_t i = 0; i < withIds.size(); ++i) {
        const TemplateItem& item = withIds[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.id);
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(item.windowClass, e.windowClass);
        EXPECT_EQ(std::vector<short>({item.x, item.y, item.width, item.height}),
                  std::vector<short>({e.x, e.y, e.width, e.height}));
        if (std::string(e.windowClass) == "Button") {
            EXPECT_EQ(item.style & 0xF, e.style & 0xF);
        }
        EXPECT_EQ(item.style & e.style & ~DWORD{0xF}, e.style & ~DWORD{0xF});
        EXPECT_EQ(item.style & e.absentStyle, 0u);
        EXPECT_EQ(item.text, e.text);
    }
    // The banner: the launcher's Fuel Planner bitmap, across the top.
    const TemplateItem& banner = planner.items.at(0);
    EXPECT_EQ(banner.windowClass, "Static");
    EXPECT_EQ(banner.style & SS_TYPEMASK, DWORD{SS_BITMAP});
    EXPECT_EQ(banner.text, "#" + std::to_string(IDB_FUEL_PLANNER));
    EXPECT_EQ(std::vector<short>({banner.x, banner.y, banner.width}), std::vector<short>({7, 7, 325}));
}

// The planner for a variant, as the launcher opens it, with messages recorded.
class FuelPlannerWindowTest : public ::testing::Test {
protected:
    ~FuelPlannerWindowTest() override {
        AircraftSelection = kNoAircraft;
        for (std::int32_t& weight : VariantZfw) weight = 0;
    }

    HWND Open(std::int32_t variant) {
        AircraftSelection = variant;
        planner = std::make_unique<FuelPlanner>();
        HWND window = planner->CreateForTest(nullptr);
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PumpMessages();
        return window;
    }
    std::string Text(int id) const { return ItemText(planner->Window(), id); }
    // Types into a field as the keyboard would, after selecting what it holds.
    void Type(int id, const std::string& keys) {
        HWND field = planner->Item(id);
        SendMessageA(field, EM_SETSEL, 0, -1);
        for (char key : keys) SendMessageA(field, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(key)), 0);
    }
    void TypeFlight(const char* distance, const char* altitude, const char* costIndex, const char* weight) {
        Type(IDC_PLANNER_DISTANCE, distance);
        Type(IDC_PLANNER_ALTITUDE, altitude);
        Type(IDC_PLANNER_COST_INDEX, costIndex);
        Type(IDC_PLANNER_ZERO_FUEL_WEIGHT, weight);
    }
    std::vector<std::string> Tanks() const {
        std::vector<std::string> texts;
        for (int id : {IDC_PLANNER_LEFT_OUTER, IDC_PLANNER_LEFT_INNER, IDC_PLANNER_CENTER, IDC_PLANNER_RIGHT_INNER,
                       IDC_PLANNER_RIGHT_OUTER}) {
            texts.push_back(Text(id));
        }
        return texts;
    }
    void ExpectOnlyMessage(const std::string& text) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, text);
        EXPECT_EQ(ui.messages[0].caption, "ERROR");
        EXPECT_EQ(ui.messages[0].style, UINT{MB_OK | MB_ICONSTOP});
        EXPECT_EQ(ui.messages[0].owner, planner->Window());
        ui.messages.clear();
    }

    FakeUserInterface ui;
    std::unique_ptr<FuelPlanner> planner;
};

TEST_F(FuelPlannerWindowTest, WorkedExampleByButtonByEnterAndInPounds) {
    VariantZfw[kA320 - 1] = 60000;
    ASSERT_NE(Open(kA320), nullptr);
    EXPECT_EQ(GetFocus(), planner->Item(IDC_PLANNER_DISTANCE));
    EXPECT_EQ(Text(IDC_PLANNER_ZERO_FUEL_WEIGHT), "60000");
    EXPECT_EQ(Text(IDC_PLANNER_COST_INDEX) + " " + Text(IDC_PLANNER_TAXI_FUEL) + " " + Text(IDC_PLANNER_ROUTE_RESERVE) +
                  " " + Text(IDC_PLANNER_FINAL_FUEL),
              "50 200 5 1000");
    EXPECT_TRUE(IsItemChecked(planner->Window(), IDC_PLANNER_METRIC));
    EXPECT_FALSE(IsItemChecked(planner->Window(), IDC_PLANNER_IMPERIAL));

    // Enter without a distance: the default button refuses.
    SetFocus(planner->Item(IDC_PLANNER_ALTITUDE));
    PressKey(planner->Window(), VK_RETURN);
    ExpectOnlyMessage("All the mandatory fields must be filled.");
    EXPECT_NE(planner->Window(), nullptr);

    // Only digits, and no more than the field holds.
    TypeFlight("5x00", "350000", "30", "60000");
    EXPECT_EQ(Text(IDC_PLANNER_DISTANCE), "500");
    EXPECT_EQ(Text(IDC_PLANNER_ALTITUDE), "35000");
    Press(*planner, IDC_PLANNER_VALIDATE);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Text(IDC_PLANNER_TRIP_FUEL), "4042");
    EXPECT_EQ(Text(IDC_PLANNER_FUEL_ON_BOARD), "5444");
    EXPECT_EQ(Tanks(), (std::vector<std::string>{"0 (0.0%)", "2722 (50.1%)", "0 (0.0%)", "2722 (50.1%)", "0 (0.0%)"}));

    Press(*planner, IDC_PLANNER_IMPERIAL);
    EXPECT_TRUE(IsItemChecked(planner->Window(), IDC_PLANNER_IMPERIAL));
    EXPECT_EQ(Text(IDC_PLANNER_ZERO_FUEL_WEIGHT), "132275");
    EXPECT_EQ(Text(IDC_PLANNER_FUEL_ON_BOARD), "12001");
    EXPECT_EQ(Text(IDC_PLANNER_RIGHT_INNER), "6000 (50.1%)");
    for (int label : {IDC_PLANNER_ZFW_UNIT, IDC_PLANNER_TAXI_UNIT, IDC_PLANNER_TRIP_UNIT, IDC_PLANNER_FINAL_UNIT,
                      IDC_PLANNER_FOB_UNIT}) {
        EXPECT_EQ(Text(label), "lb") << label;
    }
    EXPECT_EQ(Text(IDC_PLANNER_COST_INDEX_UNIT), "100lb/h");

    // Enter in pounds: a trip too long for the tanks fills them, then says so.
    Type(IDC_PLANNER_DISTANCE, "3000");
    SetFocus(planner->Item(IDC_PLANNER_DISTANCE));
    PressKey(planner->Window(), VK_RETURN);
    ExpectOnlyMessage("This aircraft can not take enough fuel for this trip !!");
    EXPECT_EQ(Tanks(), (std::vector<std::string>{"1523 (100.0%)", "11981 (100.0%)", "14276 (100.0%)", "11981 (100.0%)",
                                                 "1523 (100.0%)"}));
    EXPECT_EQ(GetFocus(), planner->Item(IDC_PLANNER_DISTANCE));

    Press(*planner, IDC_PLANNER_METRIC);
    EXPECT_EQ(Tanks(), (std::vector<std::string>{"691 (100.0%)", "5435 (100.0%)", "6476 (100.0%)", "5435 (100.0%)",
                                                 "691 (100.0%)"}));
    EXPECT_EQ(Text(IDC_PLANNER_COST_INDEX_UNIT), "kg/min");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FuelPlannerWindowTest, EveryVariantPlansItsTanks) {
    for (std::int32_t variant = kA318; variant <= kACJ; ++variant) {
        SCOPED_TRACE(variant);
        ASSERT_NE(Open(variant), nullptr);
        EXPECT_EQ(Text(IDC_PLANNER_ZERO_FUEL_WEIGHT), "");
        TypeFlight("800", "37000", "40", "62000");
        Press(*planner, IDC_PLANNER_VALIDATE);
        EXPECT_TRUE(ui.messages.empty());
        const std::vector<std::string> tanks = Tanks();
        EXPECT_EQ(tanks[0] == "---", variant == kA321);
        EXPECT_EQ(tanks[0], tanks[4]);
        EXPECT_EQ(tanks[1], tanks[3]);
        EXPECT_NE(tanks[1].find("%)"), std::string::npos);
        planner.reset();
    }
}

TEST_F(FuelPlannerWindowTest, RefusalsChangeNoResult) {
    ASSERT_NE(Open(kA320), nullptr);
    TypeFlight("500", "35000", "30", "60000");
    Press(*planner, IDC_PLANNER_VALIDATE);
    const std::vector<std::string> tanks = Tanks();

    Type(IDC_PLANNER_ALTITUDE, "45000");
    Press(*planner, IDC_PLANNER_VALIDATE);
    ExpectOnlyMessage("The cruising altitude cannot be above 41000 feet.");
    Type(IDC_PLANNER_ALTITUDE, "35000");
    Type(IDC_PLANNER_DISTANCE, "1");
    Type(IDC_PLANNER_ZERO_FUEL_WEIGHT, "1");
    Press(*planner, IDC_PLANNER_VALIDATE);
    ExpectOnlyMessage("No trip fuel can be computed for this zero-fuel weight. Check the weight and its unit.");
    // Pasted text does not count as a number.
    SetWindowTextA(planner->Item(IDC_PLANNER_DISTANCE), "abc");
    Press(*planner, IDC_PLANNER_VALIDATE);
    ExpectOnlyMessage("All the mandatory fields must be filled.");
    EXPECT_EQ(Text(IDC_PLANNER_TRIP_FUEL), "4042");
    EXPECT_EQ(Tanks(), tanks);
}

// What the user sees: the tank and total fields in their colours, the total in white.
TEST_F(FuelPlannerWindowTest, ColoursOnScreen) {
    ASSERT_NE(Open(kA320), nullptr);
    TypeFlight("500", "35000", "30", "60000");
    Press(*planner, IDC_PLANNER_VALIDATE);
    RedrawWindow(planner->Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    struct Expected {
        int id;
        COLORREF background;
    };
    const Expected fields[] = {
        {IDC_PLANNER_LEFT_OUTER, RGB(255, 255, 128)}, {IDC_PLANNER_RIGHT_OUTER, RGB(255, 255, 128)},
        {IDC_PLANNER_LEFT_INNER, RGB(255, 200, 130)}, {IDC_PLANNER_RIGHT_INNER, RGB(255, 200, 130)},
        {IDC_PLANNER_CENTER, RGB(192, 255, 192)},     {IDC_PLANNER_FUEL_ON_BOARD, RGB(0, 0, 150)},
    };
    for (const Expected& field : fields) {
        HWND control = planner->Item(field.id);
        HDC screen = GetDC(control);
        EXPECT_EQ(GetPixel(screen, 2, 2), field.background) << field.id;
        if (field.id == IDC_PLANNER_FUEL_ON_BOARD) {
            RECT area;
            GetClientRect(control, &area);
            bool white = false;
            for (int x = 0; x < area.right && !white; ++x) {
                for (int y = 0; y < area.bottom && !white; ++y) white = GetPixel(screen, x, y) == RGB(255, 255, 255);
            }
            EXPECT_TRUE(white) << "the total is written in white";
        }
        ReleaseDC(control, screen);
    }
}

}  // namespace
