#include <gtest/gtest.h>

#include <string>

#include "DemoFiles.h"
#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "TestFiles.h"
#include "fuel/FuelDigest.h"
#include "fuel/FuelPlannerDlg.h"
#include "platform/SystemCodePage.h"
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

    type(IDC_PLANNER_DISTANCE, "15x00");
    type(IDC_PLANNER_COST_INDEX, "30");
    Press(planner, IDC_PLANNER_VALIDATE);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ItemTexts(window, {IDC_PLANNER_TRIP_FUEL, IDC_PLANNER_FUEL_ON_BOARD, IDC_PLANNER_LEFT_INNER,
                                 IDC_PLANNER_RIGHT_INNER, IDC_PLANNER_LEFT_OUTER, IDC_PLANNER_RIGHT_OUTER, IDC_PLANNER_CENTER}),
              "10787 12526 5435 (100.0%) 5435 (100.0%) 691 (100.0%) 691 (100.0%) 274 (4.2%) ");
    Press(planner, IDC_PLANNER_IMPERIAL);
    EXPECT_EQ(ItemTexts(window, {IDC_PLANNER_ZERO_FUEL_WEIGHT, IDC_PLANNER_TAXI_FUEL, IDC_PLANNER_ROUTE_RESERVE,
                                 IDC_PLANNER_FINAL_FUEL, IDC_PLANNER_ZFW_UNIT, IDC_PLANNER_TAXI_UNIT, IDC_PLANNER_TRIP_UNIT,
                                 IDC_PLANNER_FINAL_UNIT, IDC_PLANNER_FOB_UNIT, IDC_PLANNER_COST_INDEX_UNIT}),
              "132275 440 5 2204 lb lb lb lb lb 100lb/h ");
}

// The demo's OFP gives the flight and its block fuel, which follows the unit; then the demo's
// later simulators' plan gives its distance and altitude, the other fields staying as they were.
TEST(FuelPlannerTest, ImportsTheFlightOfAnOfpThenOfAPlan) {
    FakeUserInterface ui;
    ScratchFolder folder;
    ui.chosenFiles = {Widen(folder.Put("EBBRLEMD OFP.xml", DemoFile("Documents/EBBRLEMD OFP.xml"))),
                      Widen(folder.Put("PADU to PANC.pln", DemoFile("Documents/Flight Simulator Files/PADU to PANC.pln")))};
    RunState run;
    FuelPlanner planner(*FindVariant(kA320), run, 0, 0);
    HWND window = planner.CreateForTest(nullptr);
    auto shown = [window] {
        return ItemTexts(window, {IDC_PLANNER_DISTANCE, IDC_PLANNER_ALTITUDE, IDC_PLANNER_COST_INDEX,
                                  IDC_PLANNER_ZERO_FUEL_WEIGHT, IDC_PLANNER_TRIP_FUEL, IDC_PLANNER_OFP_BLOCK_FUEL});
    };
    Press(planner, IDC_PLANNER_IMPORT);
    EXPECT_EQ(shown(), "718 35000 30 60500 5433 9850 ");
    Press(planner, IDC_PLANNER_IMPERIAL);
    EXPECT_EQ(ItemTexts(window, {IDC_PLANNER_OFP_BLOCK_FUEL, IDC_PLANNER_OFP_UNIT}), "21715 lb ");
    Press(planner, IDC_PLANNER_IMPORT);
    EXPECT_EQ(shown(), "754 33000 30 133377 12678  ");
    EXPECT_TRUE(ui.messages.empty());
}

// The 32-bit Windows build must plan every trip to the kilogram as the native build does.
TEST(FuelConsistencyTest, WindowsBuildReproducesTheNativeFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}

}  // namespace
