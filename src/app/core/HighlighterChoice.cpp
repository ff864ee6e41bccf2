#include "HighlighterChoice.h"

#include "BedHighlighterList.h"
#include "BedTextLetters.h"

namespace {

// Whether the blank-separated list holds the extension exactly.
bool ListHolds(std::string_view list, std::string_view ext) {
    while (!list.empty()) {
        const size_t blank = list.find(' ');
        if (list.substr(0, blank) == ext) return true;
        list = blank == std::string_view::npos ? std::string_view() : list.substr(blank + 1);
    }
    return false;
}

}  // namespace

const std::vector<THighlighterMenuItem>& HighlighterMenuItems() {
    static const std::vector<THighlighterMenuItem> items = [] {
        std::vector<THighlighterMenuItem> v = {{"dn1", "žádné", nullptr, true}};
        for (const TBedMainWindowHighlighter& hl : BedMainWindowHighlighters())
            v.push_back({hl.instance->component, hl.instance->caption, hl.instance, hl.instance->visible});
        return v;
    }();
    return items;
}

int ItemForFileName(const std::string& path) {
    // Step back from the last character to a "." (or to the first character).
    size_t pos = path.size();
    while (pos > 1 && path[pos - 1] != '.') --pos;
    if (pos <= 1 || path[pos - 1] != '.') return 0;
    const std::string ext = BedAsciiUpperCase(path.substr(pos - 1));
    const auto& items = HighlighterMenuItems();
    for (size_t i = 1; i < items.size(); ++i)
        if (ListHolds(items[i].instance->extensions, ext)) return static_cast<int>(i);
    return 0;
}

TBedCustomHighlighter* TMainWindowHighlighters::Instance(std::string_view name) const {
    const auto& items = HighlighterMenuItems();
    for (size_t i = 1; i < items.size(); ++i)
        if (name == items[i].instance->name) return ForItem(static_cast<int>(i));
    return nullptr;
}

TBedCustomHighlighter* TMainWindowHighlighters::ForItem(int item) const {
    if (item < 1 || item > static_cast<int>(instances_.size())) return nullptr;
    return instances_[static_cast<size_t>(item - 1)].get();
}

const TBedMainWindowInstance* TMainWindowHighlighters::InstanceOf(const TBedCustomHighlighter* hl) const {
    for (size_t i = 0; i < instances_.size(); ++i)
        if (hl && instances_[i].get() == hl) return HighlighterMenuItems()[i + 1].instance;
    return nullptr;
}

TMainWindowHighlighters CreateMainWindowHighlighters() {
    TMainWindowHighlighters result;
    for (const TBedMainWindowHighlighter& hl : BedMainWindowHighlighters())
        result.instances_.push_back(BedCreateInstance(*hl.language, *hl.instance));
    return result;
}
