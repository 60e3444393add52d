#include <gtest/gtest.h>

#include <string>

#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "fuel/FuelDigest.h"
#include "fuel/FuelPlannerDlg.h"
#include "ui/DialogItems.h"

namespace {

// The real window, typed into as the keyboard would, its messages recorded. The numbers
// themselves are the form's, tested natively.
TEST(FuelPlannerTest, TypedFlightByEnterAndByButton) {
    FakeUserInterface ui;
    FuelPlanner planner(*FindVariant(kA320), 60000, 0);
    HWND window = planner.CreateForTest(nullptr);
    ASSERT_NE(window, nullptr);
    auto type = [&](int id, const std::string& keys) {
        SendMessageA(planner.Item(id), EM_SETSEL, 0, -1);
        for (char key : keys) SendMessageA(planner.Item(id), WM_CHAR, static_cast<unsigned char>(key), 0);
    };
    EXPECT_EQ(GetFocus(), planner.Item(IDC_PLANNER_DISTANCE));
    EXPECT_TRUE(IsItemChecked(window, IDC_PLANNER_METRIC));

    // Enter without a distance: the default button refuses, in a message of the planner.
    type(IDC_PLANNER_ALTITUDE, "350000");  // digits only, five at most
    SetFocus(planner.Item(IDC_PLANNER_ALTITUDE));
    PressKeys(window, {VK_RETURN});
    EXPECT_EQ(ui.TakeMessage("ERROR", MB_OK | MB_ICONSTOP, window), "All the mandatory fields must be filled.");

    type(IDC_PLANNER_DISTANCE, "15x00");
    type(IDC_PLANNER_COST_INDEX, "30");
    Press(planner, IDC_PLANNER_VALIDATE);
    EXPECT_TRUE(ui.messages.empty());
    auto shown = [&](std::initializer_list<int> ids) {
        std::string texts;
        for (int id : ids) texts += ItemText(window, id) + "|";
        return texts;
    };
    EXPECT_EQ(shown({IDC_PLANNER_TRIP_FUEL, IDC_PLANNER_FUEL_ON_BOARD, IDC_PLANNER_LEFT_INNER, IDC_PLANNER_RIGHT_INNER,
                     IDC_PLANNER_LEFT_OUTER, IDC_PLANNER_RIGHT_OUTER, IDC_PLANNER_CENTER}),
              "10787|12526|5435 (100.0%)|5435 (100.0%)|691 (100.0%)|691 (100.0%)|274 (4.2%)|");
    Press(planner, IDC_PLANNER_IMPERIAL);
    EXPECT_EQ(shown({IDC_PLANNER_ZERO_FUEL_WEIGHT, IDC_PLANNER_TAXI_FUEL, IDC_PLANNER_ROUTE_RESERVE, IDC_PLANNER_FINAL_FUEL,
                     IDC_PLANNER_ZFW_UNIT, IDC_PLANNER_TAXI_UNIT, IDC_PLANNER_TRIP_UNIT, IDC_PLANNER_FINAL_UNIT,
                     IDC_PLANNER_FOB_UNIT, IDC_PLANNER_COST_INDEX_UNIT}),
              "132275|440|5|2204|lb|lb|lb|lb|lb|100lb/h|");
}

// The 32-bit Windows build must plan every trip to the kilogram as the native build does.
TEST(FuelConsistencyTest, WindowsBuildReproducesTheNativeFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}

}  // namespace
