#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A dialog template as the program's resources hold it, for tests of the contract
// between templates and code: ids, classes, styles, texts, positions and their order.
struct TemplateItem {
    int id;
    std::string windowClass;  // "Button", "Edit", "Static", "ComboBox", ... or a class name
    std::string text;         // "#n" when the template gives a resource number
    DWORD style;
    short x, y, width, height;  // dialog units
};

struct DialogTemplate {
    std::string caption;
    DWORD style;
    short width, height;
    int pointSize;
    std::string font;
    std::vector<TemplateItem> items;  // in template order, which is the tab order

    // The first item with `id`; a test fails when there is none.
    const TemplateItem& Item(int id) const;
};

// Reads a DIALOGEX template of this module; a test fails when it is missing.
DialogTemplate ReadDialogTemplate(int templateId);
