#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "app/AircraftSelector.h"
#include "loadmgr/AircraftSelection.h"

namespace {

// Closing without a choice is covered by the launcher flows, which reopen the selector.
TEST(AircraftSelectorTest, TheLastVariantPressedWinsAndTheSelectorStaysOpen) {
    AircraftSelection = kNoAircraft;
    CAircraftSelector selector;
    ASSERT_NE(selector.CreateForTest(nullptr), nullptr);
    auto pressed = [&selector](int id) { return SendMessageA(selector.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; };
    for (int id = IDC_SELECT_A318; id <= IDC_SELECT_ACJ; ++id) {
        EXPECT_FALSE(pressed(id));
        EXPECT_NE(SendMessageA(selector.Item(id), BM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "image of " << id;
    }
    Press(selector, IDC_SELECT_A320);
    EXPECT_EQ(AircraftSelection, kA320);
    Press(selector, IDC_SELECT_A318);
    EXPECT_EQ(AircraftSelection, kA318);
    EXPECT_TRUE(pressed(IDC_SELECT_A318));
    EXPECT_FALSE(pressed(IDC_SELECT_A320));
    EXPECT_NE(selector.Window(), nullptr) << "a variant button must not close the selector";

    Press(selector, IDCANCEL);
    EXPECT_EQ(selector.Window(), nullptr);
    EXPECT_EQ(AircraftSelection, kA318);
    AircraftSelection = kNoAircraft;
}

}  // namespace
