#pragma once
// The main window's highlighters: the items of the menu "Vyber zvýraznění", the instance each
// item attaches, the choice by file-name extension, and the creation of the instances. The
// highlighters and their items come from the highlighter list.
#include "BedHighlighterLanguage.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct THighlighterMenuItem {
    const char* component;                   // e.g. "Pascal1"
    const char* caption;                     // UTF-8, e.g. "Pascal"
    const TBedMainWindowInstance* instance;  // null for "žádné"
    bool visible;
};

// In menu order; item 0 is "žádné" (no highlighter), initially checked.
const std::vector<THighlighterMenuItem>& HighlighterMenuItems();

// The menu item that loading the file selects (0 = "žádné"): the text from the last "." of
// the whole path, upper-cased in ASCII, looked up among the known extensions.
int ItemForFileName(const std::string& path);

class TMainWindowHighlighters {
public:
    // Null for "žádné", an unknown name, or an instance whose class is not built yet (the
    // main window disables that item).
    TBedCustomHighlighter* Instance(std::string_view name) const;
    TBedCustomHighlighter* ForItem(int item) const;
    // The main window's row of an instance of these; null for another highlighter or none.
    const TBedMainWindowInstance* InstanceOf(const TBedCustomHighlighter* hl) const;

private:
    friend TMainWindowHighlighters CreateMainWindowHighlighters();
    std::vector<std::unique_ptr<TBedCustomHighlighter>> instances_;  // one per menu item
};

// Every instance with its colours and properties.
TMainWindowHighlighters CreateMainWindowHighlighters();
