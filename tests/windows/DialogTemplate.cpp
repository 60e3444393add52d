#include "DialogTemplate.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : at_(data), start_(data) {}

    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }

    // A string or a resource number (sz_Or_Ord).
    std::string StringOrNumber() {
        WORD first = *reinterpret_cast<const WORD*>(at_);
        if (first == 0xFFFF) {
            at_ += 2;
            return "#" + std::to_string(Word());
        }
        return String();
    }

    std::string String() {
        std::string text;
        for (WORD unit = Word(); unit != 0; unit = Word()) text.push_back(static_cast<char>(unit < 0x100 ? unit : '?'));
        return text;
    }

    void Skip(std::size_t bytes) { at_ += bytes; }
    void AlignToDword() {
        while ((at_ - start_) % 4 != 0) ++at_;
    }

private:
    template <typename T>
    T Take() {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }

    const BYTE* at_;
    const BYTE* start_;
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
    TemplateReader reader(static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource))));
    EXPECT_EQ(reader.Word(), 1) << "template " << templateId << " is not a DIALOGEX";
    EXPECT_EQ(reader.Word(), 0xFFFF);
    reader.Dword();  // help id
    reader.Dword();  // extended style
    dialog.style = reader.Dword();
    WORD count = reader.Word();
    reader.Short();
    reader.Short();
    dialog.width = reader.Short();
    dialog.height = reader.Short();
    reader.StringOrNumber();  // menu
    reader.StringOrNumber();  // class
    dialog.caption = reader.String();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.Word();
        reader.Word();  // weight
        reader.Skip(2);  // italic, character set
        dialog.font = reader.String();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword();
        TemplateItem item{};
        reader.Dword();  // help id
        reader.Dword();  // extended style
        item.style = reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.width = reader.Short();
        item.height = reader.Short();
        item.id = static_cast<int>(reader.Dword());
        item.windowClass = ClassName(reader.StringOrNumber());
        item.text = reader.StringOrNumber();
        reader.Skip(reader.Word());  // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}
