#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "loadmgr/AircraftSelection.h"
#include "app/AircraftSelector.h"

namespace {

bool Pressed(const ModalDialog& dialog, int id) {
    return SendMessageA(dialog.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(AircraftSelectorTest, TheLastVariantPressedWins) {
    AircraftSelection = kNoAircraft;
    CAircraftSelector selector;
    ASSERT_NE(selector.CreateForTest(nullptr), nullptr);
    for (int id = IDC_SELECT_A318; id <= IDC_SELECT_ACJ; ++id) EXPECT_FALSE(Pressed(selector, id));

    Press(selector, IDC_SELECT_A320);
    EXPECT_EQ(AircraftSelection, kA320);
    Press(selector, IDC_SELECT_A318);
    EXPECT_EQ(AircraftSelection, kA318);
    EXPECT_TRUE(Pressed(selector, IDC_SELECT_A318));
    EXPECT_FALSE(Pressed(selector, IDC_SELECT_A320));
    EXPECT_NE(selector.Window(), nullptr) << "a variant button must not close the selector";

    Press(selector, IDCANCEL);
    EXPECT_EQ(selector.Window(), nullptr);
    EXPECT_EQ(AircraftSelection, kA318);
    AircraftSelection = kNoAircraft;
}

TEST(AircraftSelectorTest, ClosingAtOnceChoosesNothing) {
    AircraftSelection = kNoAircraft;
    for (void (*close)(const ModalDialog&) : {+[](const ModalDialog& d) { Press(d, IDCANCEL); }, &CloseBox, &PressEscape}) {
        CAircraftSelector selector;
        ASSERT_NE(selector.CreateForTest(nullptr), nullptr);
        close(selector);
        EXPECT_EQ(selector.Window(), nullptr);
        EXPECT_EQ(AircraftSelection, kNoAircraft);
    }
}

TEST(AircraftSelectorTest, ImagesAreLoadedOnceAndShownByEverySelector) {
    HBITMAP first[5];
    {
        CAircraftSelector selector;
        ASSERT_NE(selector.CreateForTest(nullptr), nullptr);
        for (int i = 0; i < 5; ++i) {
            first[i] = reinterpret_cast<HBITMAP>(SendMessageA(selector.Item(IDC_SELECT_A318 + i), BM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_NE(first[i], nullptr);
            BITMAP info{};
            ASSERT_TRUE(GetObjectA(first[i], sizeof info, &info));
            EXPECT_EQ(info.bmWidth, 200);
            EXPECT_EQ(info.bmHeight, 65);
        }
    }
    CAircraftSelector again;
    ASSERT_NE(again.CreateForTest(nullptr), nullptr);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(again.Item(IDC_SELECT_A318 + i), BM_GETIMAGE, IMAGE_BITMAP, 0)),
                  first[i]);
    }
}

}  // namespace
