// The five load manager templates, the dialog driven through its controls, and its save.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "DialogTemplate.h"
#include "ResourceIds.h"
#include "TestFiles.h"
#include <tuple>

#include "loadmgr/AircraftSelection.h"
#include "loadmgr/LoadManager.h"
#include "platform/InstallPaths.h"
#include "platform/Profile.h"

namespace {

struct Box {
    short x, y, width, height;
};

void ExpectBox(const TemplateItem& item, Box box, const char* what) {
    EXPECT_EQ(std::tuple(item.x, item.y, item.width, item.height), std::tuple(box.x, box.y, box.width, box.height))
        << what << " " << item.id;
}

// What sets the templates apart; everything else is the same in all five.
struct TemplateCase {
    std::int32_t selection;
    short width, height;
    int cabinImage, holdImage;
    short cabinImageWidth, cabinImageHeight, holdImageWidth, holdImageHeight;  // pixels
    Box firstCabinBar, secondCabinBar, forwardHoldBar, aftHoldBar;
    Box payloadGroup, totalGroup;
    short unitGroupX, unitGroupY, radioY, okX, cancelX, buttonsY;
    bool totalsAreEdits;
};

const TemplateCase kTemplates[] = {
    {kA318, 411, 422, 160, 161, 568, 118, 568, 118, {85, 183, 51, 35}, {141, 183, 126, 35}, {79, 283, 38, 14},
     {187, 283, 66, 14}, {7, 61, 397, 265}, {7, 330, 190, 85}, 223, 330, 348, 296, 354, 399, true},
    {kA319, 410, 435, 158, 157, 568, 118, 568, 118, {79, 182, 51, 35}, {133, 182, 146, 35}, {75, 280, 48, 14},
     {178, 280, 86, 14}, {7, 61, 396, 276}, {7, 343, 190, 85}, 222, 343, 361, 295, 353, 412, false},
    {kA320, 410, 436, 147, 146, 571, 76, 573, 99, {79, 184, 51, 31}, {133, 184, 160, 31}, {73, 278, 48, 14},
     {195, 279, 86, 14}, {7, 61, 396, 276}, {7, 344, 190, 85}, 222, 343, 361, 295, 353, 413, false},
    {kA321, 410, 437, 148, 149, 568, 118, 568, 118, {69, 187, 59, 25}, {130, 187, 179, 25}, {72, 280, 70, 14},
     {193, 280, 94, 14}, {7, 61, 396, 276}, {7, 345, 190, 85}, 222, 343, 361, 295, 353, 414, false},
    {kACJ, 410, 437, 156, 159, 568, 118, 568, 118, {93, 187, 35, 25}, {140, 187, 145, 25}, {74, 279, 50, 14},
     {193, 279, 74, 14}, {7, 61, 396, 276}, {7, 345, 190, 85}, 222, 343, 361, 295, 353, 414, false},
};

const TemplateItem* FindText(const DialogTemplate& dialog, const std::string& text) {
    for (const TemplateItem& item : dialog.items) {
        if (item.text == text) return &item;
    }
    ADD_FAILURE() << "no item \"" << text << "\"";
    return nullptr;
}

void ExpectBitmap(int id, short width, short height) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    BITMAP info{};
    ASSERT_TRUE(bitmap && GetObjectA(bitmap, sizeof info, &info)) << "bitmap " << id;
    EXPECT_EQ(std::pair(info.bmWidth, info.bmHeight), std::pair(LONG(width), LONG(height))) << "bitmap " << id;
    DeleteObject(bitmap);
}

TEST(LoadManagerTemplateTest, EveryTemplateKeepsTheContract) {
    // The controls the code reads and writes, in tab order, the same in every template.
    const int kOrder[] = {IDC_FIRST_CABIN_SLIDER,  IDC_FIRST_CABIN_COUNT,  IDC_FIRST_CABIN_WEIGHT,
                          IDC_SECOND_CABIN_SLIDER, IDC_SECOND_CABIN_COUNT, IDC_SECOND_CABIN_WEIGHT,
                          IDC_FORWARD_HOLD_SLIDER, IDC_FORWARD_HOLD_PERCENT, IDC_FORWARD_HOLD_WEIGHT,
                          IDC_AFT_HOLD_SLIDER,     IDC_AFT_HOLD_PERCENT,   IDC_AFT_HOLD_WEIGHT,
                          IDC_FIRST_CABIN_BAR,     IDC_SECOND_CABIN_BAR,   IDC_CABIN_IMAGE,
                          IDC_FORWARD_HOLD_BAR,    IDC_AFT_HOLD_BAR,       IDC_HOLD_IMAGE,
                          IDC_PASSENGER_WEIGHT,    IDC_CARGO_WEIGHT,       IDC_AIRCRAFT_WEIGHT,
                          IDC_ZFW,                 IDC_UNIT_KG,            IDC_UNIT_LB,
                          IDOK,                    IDCANCEL};
    struct Row {
        int slider, count, weight;
        short y;
    };
    const Row kRows[] = {{IDC_FIRST_CABIN_SLIDER, IDC_FIRST_CABIN_COUNT, IDC_FIRST_CABIN_WEIGHT, 78},
                         {IDC_SECOND_CABIN_SLIDER, IDC_SECOND_CABIN_COUNT, IDC_SECOND_CABIN_WEIGHT, 94},
                         {IDC_FORWARD_HOLD_SLIDER, IDC_FORWARD_HOLD_PERCENT, IDC_FORWARD_HOLD_WEIGHT, 122},
                         {IDC_AFT_HOLD_SLIDER, IDC_AFT_HOLD_PERCENT, IDC_AFT_HOLD_WEIGHT, 138}};
    ExpectBitmap(IDB_LOAD_MANAGER_HEADER, 638, 100);

    for (const TemplateCase& c : kTemplates) {
        const VariantParameters& variant = *FindVariant(c.selection);
        DialogTemplate t = ReadDialogTemplate(variant.templateId);
        SCOPED_TRACE(variant.caption);
        EXPECT_EQ(t.caption, variant.caption) << "the template of another variant";
        const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME;
        EXPECT_EQ(t.style & frame, frame);
        EXPECT_EQ(std::tuple(t.width, t.height, t.font, t.pointSize), std::tuple(c.width, c.height, "MS Shell Dlg", 8));

        std::vector<int> ids;
        for (const TemplateItem& item : t.items) {
            if (item.id != -1 && item.id != 0xFFFF) ids.push_back(item.id);
        }
        EXPECT_EQ(ids, std::vector<int>(std::begin(kOrder), std::end(kOrder)));

        for (const Row& row : kRows) {
            const TemplateItem& slider = t.Item(row.slider);
            EXPECT_EQ(lstrcmpiA(slider.windowClass.c_str(), TRACKBAR_CLASSA), 0) << slider.windowClass;
            EXPECT_EQ(slider.style & (TBS_NOTICKS | TBS_BOTH | TBS_VERT | WS_TABSTOP), DWORD(TBS_NOTICKS | TBS_BOTH | WS_TABSTOP));
            ExpectBox(slider, {87, row.y, 188, 16}, "slider");
            for (auto [id, x] : {std::pair{row.count, short(281)}, std::pair{row.weight, short(339)}}) {
                const TemplateItem& field = t.Item(id);
                EXPECT_EQ(field.windowClass, "Edit");
                EXPECT_EQ(field.style & (ES_READONLY | ES_CENTER), DWORD(ES_READONLY | ES_CENTER));
                ExpectBox(field, {x, short(row.y + 3), 52, 12}, "field");
            }
        }
        for (auto [label, y] : {std::pair{variant.firstCabinLabel, 83}, std::pair{variant.secondCabinLabel, 99}}) {
            const TemplateItem* item = FindText(t, label);
            EXPECT_TRUE(item && item->y == y) << label;
        }

        for (auto [id, box] : {std::pair{IDC_FIRST_CABIN_BAR, c.firstCabinBar}, std::pair{IDC_SECOND_CABIN_BAR, c.secondCabinBar},
                               std::pair{IDC_FORWARD_HOLD_BAR, c.forwardHoldBar}, std::pair{IDC_AFT_HOLD_BAR, c.aftHoldBar}}) {
            const TemplateItem& bar = t.Item(id);
            EXPECT_EQ(lstrcmpiA(bar.windowClass.c_str(), PROGRESS_CLASSA), 0) << bar.windowClass;
            EXPECT_EQ(bar.style & (PBS_SMOOTH | WS_BORDER), DWORD(PBS_SMOOTH | WS_BORDER));
            ExpectBox(bar, box, "bar");
        }
        for (auto [id, bitmap, y] : {std::tuple{IDC_CABIN_IMAGE, c.cabinImage, short(162)},
                                     std::tuple{IDC_HOLD_IMAGE, c.holdImage, short(241)}}) {
            const TemplateItem& image = t.Item(id);
            EXPECT_EQ(image.text, "#" + std::to_string(bitmap));
            EXPECT_EQ(image.style & SS_TYPEMASK, DWORD(SS_BITMAP));
            ExpectBox(image, {14, y, 381, 75}, "image");
        }
        ExpectBitmap(c.cabinImage, c.cabinImageWidth, c.cabinImageHeight);
        ExpectBitmap(c.holdImage, c.holdImageWidth, c.holdImageHeight);
        const TemplateItem* header = FindText(t, "#" + std::to_string(IDB_LOAD_MANAGER_HEADER));
        ASSERT_TRUE(header);
        ExpectBox(*header, {7, 7, 396, 50}, "header");

        const TemplateItem* payload = FindText(t, "Payload");
        const TemplateItem* total = FindText(t, "Total Weight");
        const TemplateItem* unit = FindText(t, "Weight Unit");
        ASSERT_TRUE(payload && total && unit);
        ExpectBox(*payload, c.payloadGroup, "Payload");
        ExpectBox(*total, c.totalGroup, "Total Weight");
        EXPECT_EQ(unit->x, c.unitGroupX);
        EXPECT_EQ(unit->y, c.unitGroupY);

        for (int id : {IDC_PASSENGER_WEIGHT, IDC_CARGO_WEIGHT, IDC_ZFW}) {
            const TemplateItem& total = t.Item(id);
            EXPECT_EQ(total.windowClass, c.totalsAreEdits ? "Edit" : "Static") << id;
            EXPECT_EQ(total.style & (c.totalsAreEdits ? ES_READONLY | ES_CENTER : WS_BORDER | SS_CENTER),
                      DWORD(c.totalsAreEdits ? ES_READONLY | ES_CENTER : WS_BORDER | SS_CENTER))
                << id;
        }
        EXPECT_EQ(t.Item(IDC_AIRCRAFT_WEIGHT).windowClass, "Static");
        EXPECT_EQ(t.Item(IDC_UNIT_KG).text, "Metric (KG)");
        EXPECT_EQ(t.Item(IDC_UNIT_LB).text, "Imperial (LBS)");
        for (int id : {IDC_UNIT_KG, IDC_UNIT_LB}) {
            EXPECT_EQ(t.Item(id).style & BS_TYPEMASK, DWORD(BS_AUTORADIOBUTTON));
            EXPECT_EQ(t.Item(id).y, c.radioY);
        }
        EXPECT_EQ(t.Item(IDOK).style & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));
        ExpectBox(t.Item(IDOK), {c.okX, c.buttonsY, 50, 16}, "OK");
        ExpectBox(t.Item(IDCANCEL), {c.cancelX, c.buttonsY, 50, 16}, "Cancel");
    }
}

// A simulator folder holding the files of one variant.
class LoadManagerDialogTest : public ::testing::Test {
protected:
    LoadManagerDialogTest() {
        FsRootPath = folder.Path("");
        FsRootPath.pop_back();
        CreateDirectoryA(folder.Path("Aircraft").c_str(), nullptr);
    }
    std::string Install(const char* relativeFile, const std::string& weights) {
        std::string relative = std::string(relativeFile).substr(1);
        CreateDirectoryA(folder.Path(relative.substr(0, relative.rfind('\\'))).c_str(), nullptr);
        return folder.Put(relative, "[WEIGHT_AND_BALANCE]\r\n" + weights);
    }
    static std::string Shown(const ModalDialog& dialog, int id) { return ItemText(dialog.Window(), id); }
    static void Slide(const ModalDialog& dialog, int id, int position) {
        // As a user's drag ends: the slider moves and repaints, and the repaint tells the dialog.
        SendMessageA(dialog.Item(id), TBM_SETPOS, TRUE, position);
        PumpMessages();
    }
    static COLORREF ScreenColor(HWND window) {
        RECT box;
        GetWindowRect(window, &box);
        HDC screen = GetDC(nullptr);
        COLORREF color = GetPixel(screen, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return color;
    }

    ScratchFolder folder;
};

TEST_F(LoadManagerDialogTest, SlidersAndUnitsDriveEveryReadOut) {
    std::string path = Install(FindVariant(kA318)->primaryFile,
                               "empty_weight=86650\r\nstation_load.4=\"2000, 26.0, 0.0, 0.0, First\"\r\n");
    CA318LoadManager dialog;
    ASSERT_TRUE(dialog.IsInstalled());
    ASSERT_NE(dialog.CreateForTest(nullptr), nullptr);
    PumpMessages();

    // 2000 lb are 12 passengers; the 8-seat cabin holds them as 8.
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_FIRST_CABIN_SLIDER), TBM_GETPOS, 0, 0), 8);
    EXPECT_EQ(Shown(dialog, IDC_FIRST_CABIN_COUNT), "8");
    EXPECT_EQ(Shown(dialog, IDC_FIRST_CABIN_WEIGHT), "600");
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_FIRST_CABIN_BAR), PBM_GETPOS, 0, 0), 8);
    EXPECT_EQ(Shown(dialog, IDC_AIRCRAFT_WEIGHT), "39304");
    EXPECT_EQ(Shown(dialog, IDC_ZFW), "39904");
    EXPECT_TRUE(IsItemChecked(dialog.Window(), IDC_UNIT_KG));
    EXPECT_EQ(LoadManagerZfw, 39904);
    EXPECT_TRUE(GetWindowLongA(dialog.Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW) << "its own task-bar button";

    Slide(dialog, IDC_SECOND_CABIN_SLIDER, 500);  // beyond the 99 seats
    Slide(dialog, IDC_FORWARD_HOLD_SLIDER, 50);
    Slide(dialog, IDC_AFT_HOLD_SLIDER, 100);
    const int ids[] = {IDC_SECOND_CABIN_COUNT, IDC_SECOND_CABIN_WEIGHT, IDC_PASSENGER_WEIGHT,
                       IDC_FORWARD_HOLD_PERCENT, IDC_FORWARD_HOLD_WEIGHT, IDC_AFT_HOLD_WEIGHT,
                       IDC_CARGO_WEIGHT, IDC_ZFW};
    const std::vector<std::string> kilograms = {"99", "7425", "8025", "50", "807", "2131", "2938", "50267"};
    auto readOuts = [&] {
        std::vector<std::string> shown;
        for (int id : ids) shown.push_back(Shown(dialog, id));
        return shown;
    };
    EXPECT_EQ(readOuts(), kilograms);
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_AFT_HOLD_BAR), PBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(LoadManagerZfw, 50267);

    // The coloured bars show their colours on screen, over the aircraft images.
    EXPECT_EQ(ScreenColor(dialog.Item(IDC_FIRST_CABIN_BAR)), RGB(255, 200, 130));
    EXPECT_EQ(ScreenColor(dialog.Item(IDC_AFT_HOLD_BAR)), RGB(128, 255, 128));

    Press(dialog, IDC_UNIT_LB);
    EXPECT_EQ(readOuts(), (std::vector<std::string>{"99", "16369", "17691", "50", "1779", "4698", "6477", "110816"}));
    EXPECT_EQ(Shown(dialog, IDC_AIRCRAFT_WEIGHT), "86649");
    Press(dialog, IDC_UNIT_KG);
    EXPECT_EQ(readOuts(), kilograms);

    Press(dialog, IDC_UNIT_LB);
    Press(dialog, IDOK);
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_TRUE(dialog.SavePayload().AllWritten());
    Profile file(path);
    EXPECT_EQ(file.ReadString("WEIGHT_AND_BALANCE", "station_load.4", "", 99), "1322,   26.0, 0.0, 0.0, First");
    EXPECT_EQ(file.ReadString("WEIGHT_AND_BALANCE", "station_load.5", "", 99), "16369,  0.0, 0.0, 0.0, Coach");

    // Opened again, it starts in kilograms from what was saved.
    CA318LoadManager again;
    ASSERT_NE(again.CreateForTest(nullptr), nullptr);
    PumpMessages();
    EXPECT_TRUE(IsItemChecked(again.Window(), IDC_UNIT_KG));
    EXPECT_FALSE(IsItemChecked(again.Window(), IDC_UNIT_LB));
    EXPECT_EQ(Shown(again, IDC_ZFW), "50267");
}

}  // namespace
