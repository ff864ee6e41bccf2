#include "HighlighterChoice.h"

#include <gtest/gtest.h>

namespace {

std::string CaptionFor(const std::string& path) {
    return HighlighterMenuItems()[static_cast<size_t>(ItemForFileName(path))].caption;
}

}  // namespace

TEST(HighlighterChoice, ExtensionOfTheWholePathChoosesTheItem) {
    EXPECT_EQ(CaptionFor("C:\\TEXTY\\DOPIS.TXT"), "žádné");
    EXPECT_EQ(CaptionFor("C:\\PROJ.V2\\MAKEFILE"), "žádné");
    EXPECT_EQ(CaptionFor("/home/jan/.bashrc/x"), "žádné");
    EXPECT_EQ(CaptionFor(".pas"), "žádné");
    EXPECT_EQ(CaptionFor("page.Html"), "HTML");
    EXPECT_EQ(CaptionFor("PAGE.HTML"), "HTML");
    EXPECT_EQ(CaptionFor("skript.sh"), "shell");
    EXPECT_EQ(CaptionFor("styl.inc"), "Pascal");
    EXPECT_EQ(CaptionFor("a.cgi"), "žádné");
    EXPECT_EQ(CaptionFor("x.c"), "C/C++");
    EXPECT_EQ(CaptionFor("x.phtml"), "PHP");
    EXPECT_EQ(CaptionFor("form.dfm"), "DFM");
    EXPECT_EQ(CaptionFor("a.pa\xC5\xA1"), "žádné");  // only a-z are upper-cased
    EXPECT_EQ(CaptionFor("a.p"), "žádné");           // no prefix of an extension
    EXPECT_EQ(CaptionFor("a.pasx"), "žádné");
    EXPECT_EQ(CaptionFor("a.pas "), "žádné");
}

TEST(HighlighterChoice, EveryExtensionSelectsItsItem) {
    const std::vector<std::pair<const char*, const char*>> table = {
        {".PAS", "Pascal"},  {".DPR", "Pascal"},        {".DPK", "Pascal"},        {".INC", "Pascal"},
        {".C", "C/C++"},     {".CPP", "C/C++"},         {".CC", "C/C++"},          {".H", "C/C++"},
        {".HPP", "C/C++"},   {".HTML", "HTML"},         {".HTM", "HTML"},          {".F", "Fortran"},
        {".FOR", "Fortran"}, {".ASM", "Assembler x86"}, {".ASI", "Assembler x86"}, {".AWK", "AWK"},
        {".BAS", "Basic"},   {".BAT", "BAT"},           {".DFM", "DFM"},           {".PRG", "FoxPro"},
        {".INI", "INI"},     {".JAVA", "Java"},         {".JS", "JavaScript"},     {".PL", "Perl"},
        {".PM", "Perl"},     {".PHP", "PHP"},           {".PHP3", "PHP"},          {".PHTML", "PHP"},
        {".PY", "Python"},   {".SQL", "SQL"},           {".TCL", "TCL"},           {".VBS", "VBScript"},
        {".SH", "shell"}};
    for (const auto& [ext, caption] : table) EXPECT_EQ(CaptionFor(std::string("dir/file") + ext), caption) << ext;
}

TEST(HighlighterChoice, MenuItemsAndInstances) {
    const auto& items = HighlighterMenuItems();
    std::vector<std::string> components;
    for (const THighlighterMenuItem& item : items) components.push_back(item.component);
    EXPECT_EQ(components, (std::vector<std::string>{"dn1",     "asm1",        "AWK1",     "Basic1",   "BAT1",  "etina1",
                                                    "CC1",     "DFM1",        "FoxPro1",  "Fortran1", "HTML1", "INI1",
                                                    "Java1",   "JavaScript1", "mailbox1", "Pascal1",  "Perl1", "PHP1",
                                                    "Python1", "shell1",      "SQL1",     "TCL1",     "VBS1"}));
    EXPECT_EQ(items[0].instance, nullptr);
    EXPECT_STREQ(items[5].caption, "čeština");
    EXPECT_STREQ(items[5].instance->name, "hl_cz");
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].visible, i != 7) << items[i].component;  // DFM1 is hidden

    const TMainWindowHighlighters hls = CreateMainWindowHighlighters();
    // Every language is built: each entry past "none" has its instance.
    for (size_t i = 1; i < items.size(); ++i)
        EXPECT_NE(hls.ForItem(static_cast<int>(i)), nullptr) << items[i].component;
    for (const char* name : {"hl_pas", "hl_Mailbox", "hl_shell", "hl_cz"})
        ASSERT_NE(hls.Instance(name), nullptr) << name;
    ASSERT_NE(hls.Instance("hl_C"), nullptr);
    EXPECT_EQ(hls.ForItem(ItemForFileName("x.cpp")), hls.Instance("hl_C"));
    EXPECT_EQ(hls.ForItem(ItemForFileName("x.htm")), hls.Instance("hl_html"));
    EXPECT_EQ(hls.Instance("hl_none"), nullptr);
    EXPECT_EQ(hls.ForItem(0), nullptr);
    EXPECT_EQ(hls.ForItem(static_cast<int>(items.size())), nullptr);
    EXPECT_EQ(hls.ForItem(ItemForFileName("a.pas")), hls.Instance("hl_pas"));
    EXPECT_EQ(hls.ForItem(5), hls.Instance("hl_cz"));
    TBedCustomHighlighter* pas = hls.Instance("hl_pas");
    EXPECT_EQ(pas->LanguageName(), "ObjectPascal");
    // Values set after construction differ from the class defaults.
    for (int i = 0; i < pas->AttributeCount(); ++i) {
        const TBedHighlighterAttributes* a = pas->AttributeAt(i);
        const bool changed = a->Name() == "Assembler" || a->Name() == "Number" || a->Name() == "String";
        EXPECT_EQ(a->IsForegroundStored(), changed) << a->Name();
    }
}
