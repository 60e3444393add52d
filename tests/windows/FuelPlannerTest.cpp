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
    RunState run;
    FuelPlanner planner(*FindVariant(kA320), run, 60000, 0);
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

    type(IDC_PLANNER_DISTANCE, "5x00");
    type(IDC_PLANNER_COST_INDEX, "30");
    Press(planner, IDC_PLANNER_VALIDATE);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ItemText(window, IDC_PLANNER_TRIP_FUEL) + " " + ItemText(window, IDC_PLANNER_RIGHT_OUTER), "4042 0 (0.0%)");

    Press(planner, IDC_PLANNER_IMPERIAL);
    std::string units;
    for (int id : {IDC_PLANNER_ZFW_UNIT, IDC_PLANNER_COST_INDEX_UNIT, IDC_PLANNER_FOB_UNIT}) units += ItemText(window, id) + " ";
    EXPECT_EQ(units, "lb 100lb/h lb ");
    EXPECT_EQ(ItemText(window, IDC_PLANNER_FUEL_ON_BOARD), "12001");
}

// The 32-bit Windows build must plan every trip to the kilogram as the native build does.
TEST(FuelConsistencyTest, WindowsBuildReproducesTheNativeFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}

}  // namespace
