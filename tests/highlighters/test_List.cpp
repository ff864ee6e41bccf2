// The explicit lists of classes and of the main window's highlighters, and the facts each
// class is built from.
#include "BedHighlighterList.h"
#include "General.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

using V = std::vector<std::string>;

namespace {

std::vector<std::string> Words(const std::string& list) {
    std::istringstream in(list);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool HasProperty(const TBedLanguage& language, const std::string& property) {
    for (const TBedAttributeRow& row : language.attributes)
        if (property == row.property) return true;
    return false;
}

}  // namespace

TEST(List, ClassesInRegistrationOrder) {
    V names;
    for (const TBedLanguage* cls : BedHighlighterClasses()) names.push_back(cls->className);
    EXPECT_EQ(names, (V{"TPasHighlighter",     "TCppHighlighter",   "THTMLHighlighter",     "TFortranHighlighter",
                        "TIniHighlighter",     "TDfmHighlighter",   "TAsmHighlighter",      "TSQLHighlighter",
                        "TFoxproHighlighter",  "TTclTkHighlighter", "TPythonHighlighter",   "TPerlHighlighter",
                        "TBatHighlighter",     "TAWKHighlighter",   "TVBScriptHighlighter", "TPHPHighlighter",
                        "TJScriptHighlighter", "TVBHighlighter",    "TJavaHighlighter",     "TGeneralHighlighter"}));
    EXPECT_EQ(kBedDfmLanguage.initialRange, 2);
    EXPECT_FALSE(kBedAsmLanguage.initialRange.has_value());
    EXPECT_EQ(kBedGeneralLanguage.initialRange, TGeneralHighlighter::rsUnknown);
}

TEST(List, FactsHoldTogether) {
    std::set<const TBedLanguage*> classes;
    for (const TBedLanguage* cls : BedHighlighterClasses()) {
        EXPECT_TRUE(classes.insert(cls).second) << cls->className;
        std::set<std::string> names;
        for (const TBedAttributeRow& a : cls->attributes)
            EXPECT_TRUE(names.insert(a.name).second) << cls->className << " " << a.name;
        if (cls != &kBedGeneralLanguage) {
            EXPECT_NE(std::string(cls->defaultFilter).find('|'), std::string::npos) << cls->className;
        }
    }
    std::set<std::string> names, components, extensions;
    for (const TBedMainWindowHighlighter& hl : BedMainWindowHighlighters()) {
        const TBedMainWindowInstance* inst = hl.instance;
        ASSERT_NE(inst->name, nullptr);
        EXPECT_TRUE(classes.count(hl.language)) << inst->name;
        EXPECT_TRUE(names.insert(inst->name).second) << inst->name;
        EXPECT_TRUE(components.insert(inst->component).second) << inst->component;
        // Unique extensions: which row comes first can then never decide a choice.
        for (const std::string& ext : Words(inst->extensions)) {
            EXPECT_TRUE(extensions.insert(ext).second) << inst->name << " " << ext;
            EXPECT_EQ(ext[0], '.') << inst->name;
            for (char c : ext) EXPECT_FALSE(c >= 'a' && c <= 'z') << inst->name << " " << ext;
        }
        for (const TBedAttributeSetting& s : inst->colours)
            EXPECT_TRUE(HasProperty(*hl.language, s.property)) << inst->name << " " << s.property;
    }
    EXPECT_EQ(names.size(), 22u);
    // Every language class has its own instance; the general one has three, not its own.
    for (const TBedLanguage* cls : BedHighlighterClasses())
        EXPECT_EQ(cls->mainWindow.name == nullptr, cls == &kBedGeneralLanguage) << cls->className;
}

// A class's instance reports what its facts say, so a new scanner is checked against them.
TEST(List, BuiltClassesAgreeWithTheirFacts) {
    int built = 0;
    for (const TBedLanguage* cls : BedHighlighterClasses()) {
        if (!cls->create) continue;
        ++built;
        const auto hl = cls->create();
        SCOPED_TRACE(cls->className);
        EXPECT_STREQ(hl->ClassName(), cls->className);
        EXPECT_EQ(hl->LanguageName(), cls->languageName);
        EXPECT_EQ(hl->DefaultFilter(), cls->defaultFilter);
        EXPECT_EQ(hl->WordCharacters(),
                  *cls->wordCharacters ? BedCharSetOf(cls->wordCharacters) : BedNonBlankCharacters());
        hl->RestoreRange(1000);
        hl->ClearRange();
        EXPECT_EQ(hl->CurrentRange(), cls->initialRange.value_or(0));
        ASSERT_EQ(hl->AttributeCount(), static_cast<int>(cls->attributes.size()));
        for (const TBedAttributeRow& row : cls->attributes) {
            if (!*row.property) continue;
            const TBedHighlighterAttributes* a = BedAttributeOf(*hl, *cls, row.property);
            EXPECT_EQ(a->Name(), row.name);
            EXPECT_EQ(a->Style(), row.style) << row.name;
            EXPECT_EQ(a->Foreground(), row.foreground) << row.name;
            EXPECT_EQ(a->Background(), row.background) << row.name;
        }
        EXPECT_THROW(BedAttributeOf(*hl, *cls, "NoAttri"), std::out_of_range);
    }
    EXPECT_GE(built, 2);
}

TEST(List, MainWindowInstancesCarryTheirColoursAndProperties) {
    for (const TBedMainWindowHighlighter& mw : BedMainWindowHighlighters()) {
        const TBedMainWindowInstance* inst = mw.instance;
        const auto hl = BedCreateInstance(*mw.language, *inst);
        if (!mw.language->create) {
            EXPECT_EQ(hl, nullptr) << inst->name;
            continue;
        }
        ASSERT_NE(hl, nullptr) << inst->name;
        for (const TBedAttributeSetting& s : inst->colours) {
            const TBedHighlighterAttributes* a = BedAttributeOf(*hl, *mw.language, s.property);
            EXPECT_EQ(a->Foreground(), s.foreground.value_or(a->Foreground())) << inst->name;
            EXPECT_EQ(a->Style(), s.style.value_or(a->Style())) << inst->name << " " << s.property;
        }
    }
    const auto shell = BedCreateInstance(kBedGeneralLanguage, kBedShellInstance);
    EXPECT_EQ(static_cast<TGeneralHighlighter&>(*shell).StringDelim(), sdDoubleQuote);
    EXPECT_EQ(BedAttributeOf(*shell, kBedGeneralLanguage, "CommentAttri")->Style(), fsItalic);
}
