// The contract between the five load manager templates and the dialog code.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>

#include "DialogTemplate.h"
#include "ResourceIds.h"
#include "loadmgr/AircraftSelection.h"
#include "loadmgr/Variants.h"

namespace {

using Box = std::array<short, 4>;  // x, y, width, height

Box At(const TemplateItem& item) { return {item.x, item.y, item.width, item.height}; }

const TemplateItem& WithText(const DialogTemplate& dialog, const std::string& text) {
    for (const TemplateItem& item : dialog.items) {
        if (item.text == text) return item;
    }
    ADD_FAILURE() << "no item \"" << text << "\"";
    return dialog.items.front();
}

// What sets the templates apart; everything else is the same in all five.
struct TemplateCase {
    std::int32_t selection;
    short width, height;
    int cabinImage, holdImage;
    bool totalsAreEdits;
    std::vector<Box> boxes;  // the four bars, the Payload, Total Weight and Weight Unit groups, OK, Cancel
};

const TemplateCase kTemplates[] = {
    {kA318, 411, 422, 160, 161, true, {{85, 183, 51, 35}, {141, 183, 126, 35}, {79, 283, 38, 14}, {187, 283, 66, 14},
      {7, 61, 397, 265}, {7, 330, 190, 85}, {223, 330, 181, 40}, {296, 399, 50, 16}, {354, 399, 50, 16}}},
    {kA319, 410, 435, 158, 157, false, {{79, 182, 51, 35}, {133, 182, 146, 35}, {75, 280, 48, 14}, {178, 280, 86, 14},
      {7, 61, 396, 276}, {7, 343, 190, 85}, {222, 343, 181, 40}, {295, 412, 50, 16}, {353, 412, 50, 16}}},
    {kA320, 410, 436, 147, 146, false, {{79, 184, 51, 31}, {133, 184, 160, 31}, {73, 278, 48, 14}, {195, 279, 86, 14},
      {7, 61, 396, 276}, {7, 344, 190, 85}, {222, 343, 181, 40}, {295, 413, 50, 16}, {353, 413, 50, 16}}},
    {kA321, 410, 437, 148, 149, false, {{69, 187, 59, 25}, {130, 187, 179, 25}, {72, 280, 70, 14}, {193, 280, 94, 14},
      {7, 61, 396, 276}, {7, 345, 190, 85}, {222, 343, 181, 40}, {295, 414, 50, 16}, {353, 414, 50, 16}}},
    {kACJ, 410, 437, 156, 159, false, {{93, 187, 35, 25}, {140, 187, 145, 25}, {74, 279, 50, 14}, {193, 279, 74, 14},
      {7, 61, 396, 276}, {7, 345, 190, 85}, {222, 343, 181, 40}, {295, 414, 50, 16}, {353, 414, 50, 16}}},
};

TEST(LoadManagerTemplateTest, EveryTemplateKeepsTheContract) {
    // The controls the code reads and writes, in tab order, the same in every template.
    const std::vector<int> kOrder = {
        IDC_FIRST_CABIN_SLIDER, IDC_FIRST_CABIN_COUNT,  IDC_FIRST_CABIN_WEIGHT,  IDC_SECOND_CABIN_SLIDER,
        IDC_SECOND_CABIN_COUNT, IDC_SECOND_CABIN_WEIGHT, IDC_FORWARD_HOLD_SLIDER, IDC_FORWARD_HOLD_PERCENT,
        IDC_FORWARD_HOLD_WEIGHT, IDC_AFT_HOLD_SLIDER,   IDC_AFT_HOLD_PERCENT,    IDC_AFT_HOLD_WEIGHT,
        IDC_FIRST_CABIN_BAR,    IDC_SECOND_CABIN_BAR,   IDC_CABIN_IMAGE,         IDC_FORWARD_HOLD_BAR,
        IDC_AFT_HOLD_BAR,       IDC_HOLD_IMAGE,         IDC_PASSENGER_WEIGHT,    IDC_CARGO_WEIGHT,
        IDC_AIRCRAFT_WEIGHT,    IDC_ZFW,                IDC_UNIT_KG,             IDC_UNIT_LB,
        IDOK,                   IDCANCEL};

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
        EXPECT_EQ(ids, kOrder);

        // The four rows: a slider without ticks and with a two-way thumb, then two read-outs.
        for (int i = 0; i < 12; ++i) {
            const TemplateItem& item = t.Item(kOrder[i]);
            const short rowY[] = {78, 94, 122, 138}, y = rowY[i / 3], x[] = {87, 281, 339};
            const DWORD style = i % 3 ? ES_READONLY | ES_CENTER : TBS_NOTICKS | TBS_BOTH | WS_TABSTOP;
            EXPECT_EQ(lstrcmpiA(item.windowClass.c_str(), i % 3 ? "Edit" : TRACKBAR_CLASSA), 0) << item.windowClass;
            EXPECT_EQ(item.style & (style | (i % 3 ? 0 : TBS_VERT)), style) << item.id;
            EXPECT_EQ(At(item), (i % 3 ? Box{x[i % 3], short(y + 3), 52, 12} : Box{87, y, 188, 16}));
        }
        EXPECT_EQ(WithText(t, variant.firstCabinLabel).y, 83);
        EXPECT_EQ(WithText(t, variant.secondCabinLabel).y, 99);

        std::vector<Box> boxes;
        for (int id : {IDC_FIRST_CABIN_BAR, IDC_SECOND_CABIN_BAR, IDC_FORWARD_HOLD_BAR, IDC_AFT_HOLD_BAR}) {
            const TemplateItem& bar = t.Item(id);
            EXPECT_EQ(lstrcmpiA(bar.windowClass.c_str(), PROGRESS_CLASSA), 0) << bar.windowClass;
            EXPECT_EQ(bar.style & (PBS_SMOOTH | WS_BORDER), DWORD(PBS_SMOOTH | WS_BORDER));
            boxes.push_back(At(bar));
        }
        for (const char* group : {"Payload", "Total Weight", "Weight Unit"}) boxes.push_back(At(WithText(t, group)));
        boxes.push_back(At(t.Item(IDOK)));
        boxes.push_back(At(t.Item(IDCANCEL)));
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(At(WithText(t, "#" + std::to_string(IDB_LOAD_MANAGER_HEADER))), (Box{7, 7, 396, 50}));
        for (auto [id, bitmap, y] : {std::tuple{IDC_CABIN_IMAGE, c.cabinImage, short(162)},
                                     std::tuple{IDC_HOLD_IMAGE, c.holdImage, short(241)}}) {
            EXPECT_EQ(t.Item(id).text, "#" + std::to_string(bitmap));
            EXPECT_EQ(t.Item(id).style & SS_TYPEMASK, DWORD(SS_BITMAP));
            EXPECT_EQ(At(t.Item(id)), (Box{14, y, 381, 75}));
        }

        for (int id : {IDC_PASSENGER_WEIGHT, IDC_CARGO_WEIGHT, IDC_ZFW}) {
            const DWORD style = c.totalsAreEdits ? ES_READONLY | ES_CENTER : WS_BORDER | SS_CENTER;
            EXPECT_EQ(t.Item(id).windowClass, c.totalsAreEdits ? "Edit" : "Static") << id;
            EXPECT_EQ(t.Item(id).style & style, style) << id;
        }
        EXPECT_EQ(t.Item(IDC_AIRCRAFT_WEIGHT).windowClass, "Static");
        for (int id : {IDC_UNIT_KG, IDC_UNIT_LB}) {
            EXPECT_EQ(t.Item(id).style & BS_TYPEMASK, DWORD(BS_AUTORADIOBUTTON));
            EXPECT_EQ(t.Item(id).y, c.boxes[6][1] + 18) << "in the Weight Unit group";
        }
        EXPECT_EQ(t.Item(IDOK).style & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));
    }
}

}  // namespace
