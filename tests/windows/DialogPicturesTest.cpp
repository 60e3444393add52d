// Run at the Wine prefix's screen scale: ctest runs it once at 96 dpi and once at 144.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "app/AircraftSelectorDlg.h"
#include "app/ConfiguratorDlg.h"
#include "loadmgr/LoadManagerDlg.h"
#include "platform/Profile.h"
#include "prefs/ConfigurationDlg.h"
#include "ui/Pictures.h"
#include "ui/WindowScale.h"

namespace {

// A control and its picture, or a bar and the picture control it lies over.
struct Shown {
    int control;
    int picture;
};
struct DialogPictures {
    std::function<std::unique_ptr<ModalDialog>()> make;
    std::vector<Shown> pictures, bars;
};

std::vector<DialogPictures> Dialogs() {
    static RunState run;  // no installation: the dialogs show their pictures all the same
    std::vector<DialogPictures> dialogs = {
        {[] { return std::make_unique<CConfiguratorDlg>(); },
         {{IDC_AIRCRAFT_CONFIGURATION, IDB_CONFIGURATION}, {IDC_LOAD_MANAGER, IDB_LOAD_MANAGER},
          {IDC_FUEL_PLANNER, IDB_FUEL_PLANNER}, {IDC_KEY_ASSIGNMENTS, IDB_KEY_CONFIG}}, {}},
        {[] { return std::make_unique<CAircraftSelector>(); },
         {{IDC_SELECT_A318, IDB_SELECT_A318}, {IDC_SELECT_A319, IDB_SELECT_A319}, {IDC_SELECT_A320, IDB_SELECT_A320},
          {IDC_SELECT_A321, IDB_SELECT_A321}, {IDC_SELECT_ACJ, IDB_SELECT_ACJ}}, {}},
        {[] { return std::make_unique<CConfigurationDlg>(ProfileSnapshot{{}, FileStatus::NotFound, {}}, run.Backups()); },
         {{IDC_CFG_HEADER, IDB_CONFIGURATION_HEADER}}, {}},
    };
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        const Variant& variant = *FindVariant(selection);
        dialogs.push_back({[selection] { return CreateLoadManager(selection, run); },
                           {{IDC_LOAD_MANAGER_HEADER, IDB_LOAD_MANAGER_HEADER},
                            {IDC_CABIN_IMAGE, variant.cabinPicture}, {IDC_HOLD_IMAGE, variant.holdPicture}},
                           {{IDC_FIRST_CABIN_BAR, IDC_CABIN_IMAGE}, {IDC_SECOND_CABIN_BAR, IDC_CABIN_IMAGE},
                            {IDC_FORWARD_HOLD_BAR, IDC_HOLD_IMAGE}, {IDC_AFT_HOLD_BAR, IDC_HOLD_IMAGE}}});
    }
    return dialogs;
}

HBITMAP ShownPicture(HWND control) {
    UINT message = SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON ? BM_GETIMAGE : STM_GETIMAGE;
    return reinterpret_cast<HBITMAP>(SendMessageA(control, message, IMAGE_BITMAP, 0));
}

SIZE ShownSize(HWND control) {
    BITMAP bitmap = {};
    GetObjectA(ShownPicture(control), sizeof bitmap, &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// Where the picture is drawn on the screen: centred in its control.
RECT ShownRect(HWND control) {
    RECT area;
    GetWindowRect(control, &area);
    SIZE size = ShownSize(control);
    int left = (area.left + area.right - size.cx) / 2, top = (area.top + area.bottom - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

// Each control shows its own picture, which keeps its share of its dialog, and each bar its
// place on its picture, at whatever scale the dialog runs.
TEST(DialogPicturesTest, PicturesScaleWithTheirDialogAndBarsStayOnThem) {
    for (const DialogPictures& entry : Dialogs()) {
        std::unique_ptr<ModalDialog> dialog = entry.make();
        ASSERT_NE(dialog->CreateForTest(nullptr), nullptr);
        // At 96 dpi a dialog unit is 1.5 by 1.625 pixels (base units 6 by 13).
        RECT units = {0, 0, 400, 800};
        MapDialogRect(dialog->Window(), &units);
        const double scaleX = units.right / 100.0 / 6, scaleY = units.bottom / 100.0 / 13;
        for (const Shown& shown : entry.pictures) {
            PixelSize drawn = PictureSize(shown.picture);
            SIZE size = ShownSize(dialog->Item(shown.control));
            EXPECT_EQ(ShownPicture(dialog->Item(shown.control)), PictureAt(shown.picture, {size.cx, size.cy})) << shown.control;
            EXPECT_LE(std::abs(size.cx - drawn.width * scaleX), 3) << dialog->TemplateId() << " " << shown.control;
            EXPECT_LE(std::abs(size.cy - drawn.height * scaleY), 3) << dialog->TemplateId() << " " << shown.control;
        }
        for (const Shown& bar : entry.bars) {
            RECT barRect, picture = ShownRect(dialog->Item(bar.picture)), both;
            GetWindowRect(dialog->Item(bar.control), &barRect);
            IntersectRect(&both, &barRect, &picture);
            EXPECT_TRUE(EqualRect(&both, &barRect)) << dialog->TemplateId() << " bar " << bar.control;
        }
    }
}

// The zero-fuel weight's bold 9 pt is made for its window's scale, and made again (the old
// one deleted) when the window moves to a screen of another scale.
TEST(DialogPicturesTest, TheReadOutFontFollowsTheWindowsScale) {
    RunState run;
    std::unique_ptr<CVariantLoadManager> dialog = CreateLoadManager(kA320, run);
    ASSERT_NE(dialog->CreateForTest(nullptr), nullptr);
    auto font = [&] { return reinterpret_cast<HFONT>(SendMessageA(dialog->Item(IDC_ZFW), WM_GETFONT, 0, 0)); };
    auto height = [](HFONT shown) {
        LOGFONTA described = {};
        GetObjectA(shown, sizeof described, &described);
        return described.lfHeight;
    };
    const HFONT first = font();
    EXPECT_EQ(height(first), -12 * WindowDpi(dialog->Window()) / 96);
    RECT suggested;
    GetWindowRect(dialog->Window(), &suggested);
    SendMessageA(dialog->Window(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    EXPECT_EQ(height(font()), -24);
    EXPECT_EQ(GetObjectType(first), 0u);
}

}  // namespace
