#include "BedHighlighterLanguage.h"

#include <stdexcept>
#include <string>

TBedHighlighterAttributes* BedAttributeOf(const TBedCustomHighlighter& hl, const TBedLanguage& language,
                                          std::string_view property) {
    for (const TBedAttributeRow& row : language.attributes) {
        if (property != row.property) continue;
        for (int i = 0; i < hl.AttributeCount(); ++i)
            if (hl.AttributeAt(i)->Name() == row.name) return hl.AttributeAt(i);
    }
    throw std::out_of_range(std::string(language.className) + " has no attribute property " + std::string(property));
}

bool BedIsProseAttribute(const TBedCustomHighlighter& hl, const TBedHighlighterAttributes* attribute) {
    if (!attribute) return false;
    if (attribute == hl.StandardAttribute(0) || attribute == hl.StandardAttribute(3)) return true;
    const std::string& name = attribute->Name();
    return name == "Documentation" || name == "Text";
}

std::unique_ptr<TBedCustomHighlighter> BedCreateInstance(const TBedLanguage& language,
                                                         const TBedMainWindowInstance& instance) {
    if (!language.create) return nullptr;
    std::unique_ptr<TBedCustomHighlighter> hl = language.create();
    for (const TBedAttributeSetting& setting : instance.colours) {
        TBedHighlighterAttributes* attr = BedAttributeOf(*hl, language, setting.property);
        if (setting.foreground) attr->SetForeground(*setting.foreground);
        if (setting.style) attr->SetStyle(*setting.style);
    }
    if (instance.configure) instance.configure(*hl);
    return hl;
}
