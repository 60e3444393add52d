#include "DialogTemplate.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Reads the fields of a template one after the other.
struct TemplateReader {
    const BYTE* start;
    const BYTE* at = start;

    template <typename T = WORD>
    T Take() {
        T value;
        std::memcpy(&value, at, sizeof value);
        at += sizeof value;
        return value;
    }
    std::string String() {
        std::string text;
        for (WORD unit = Take(); unit != 0; unit = Take()) text.push_back(static_cast<char>(unit < 0x100 ? unit : '?'));
        return text;
    }
    // A string or a resource number (sz_Or_Ord).
    std::string StringOrNumber() {
        if (*reinterpret_cast<const WORD*>(at) != 0xFFFF) return String();
        at += 2;
        return "#" + std::to_string(Take());
    }
};

std::string ClassName(const std::string& raw) {
    static const char* const kPredefined[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    if (raw.size() > 1 && raw[0] == '#') {
        int number = std::stoi(raw.substr(1));
        if (number >= 0x80 && number <= 0x85) return kPredefined[number - 0x80];
    }
    // The resource compiler may keep a class given by name in capitals.
    for (const char* name : kPredefined) {
        if (lstrcmpiA(name, raw.c_str()) == 0) return name;
    }
    return raw;
}

}  // namespace

const TemplateItem& DialogTemplate::Item(int id) const {
    for (const TemplateItem& item : items) {
        if (item.id == id) return item;
    }
    ADD_FAILURE() << "no item " << id << " in the template";
    static const TemplateItem none{};
    return none;
}

DialogTemplate ReadDialogTemplate(int templateId) {
    DialogTemplate dialog{};
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!resource) {
        ADD_FAILURE() << "no dialog template " << templateId;
        return dialog;
    }
    TemplateReader reader{static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)))};
    EXPECT_EQ(reader.Take<DWORD>(), 0xFFFF0001u) << "template " << templateId << " is not a DIALOGEX";
    reader.at += 8;  // help id, extended style
    dialog.style = reader.Take<DWORD>();
    WORD count = reader.Take();
    reader.at += 4;  // x, y
    dialog.width = reader.Take<short>();
    dialog.height = reader.Take<short>();
    reader.StringOrNumber();  // menu
    reader.StringOrNumber();  // class
    dialog.caption = reader.String();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.Take();
        reader.at += 4;  // weight, italic, character set
        dialog.font = reader.String();
    }
    for (WORD i = 0; i < count; ++i) {
        while ((reader.at - reader.start) % 4 != 0) ++reader.at;  // items start on a DWORD boundary
        TemplateItem item{};
        reader.at += 8;  // help id, extended style
        item.style = reader.Take<DWORD>();
        item.x = reader.Take<short>();
        item.y = reader.Take<short>();
        item.width = reader.Take<short>();
        item.height = reader.Take<short>();
        item.id = static_cast<int>(reader.Take<DWORD>());
        item.windowClass = ClassName(reader.StringOrNumber());
        item.text = reader.StringOrNumber();
        reader.at += reader.Take();  // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}
