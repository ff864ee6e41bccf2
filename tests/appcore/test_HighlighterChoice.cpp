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
}

TEST(HighlighterChoice, MenuItemsAndInstances) {
    const auto& items = HighlighterMenuItems();
    ASSERT_EQ(items.size(), 23u);
    EXPECT_STREQ(items[0].component, "dn1");
    EXPECT_EQ(items[0].instance, nullptr);
    EXPECT_STREQ(items[5].caption, "čeština");
    EXPECT_FALSE(items[7].visible);  // DFM1

    const TMainWindowHighlighters hls = CreateMainWindowHighlighters();
    for (const char* name : {"hl_pas", "hl_Mailbox", "hl_shell", "hl_cz"})
        ASSERT_NE(hls.Instance(name), nullptr) << name;
    EXPECT_EQ(hls.ForItem(0), nullptr);
    EXPECT_EQ(hls.ForItem(ItemForFileName("a.pas")), hls.Instance("hl_pas"));
    TBedCustomHighlighter* pas = hls.Instance("hl_pas");
    EXPECT_EQ(pas->LanguageName(), "ObjectPascal");
    // Values set after construction differ from the class defaults.
    for (int i = 0; i < pas->AttributeCount(); ++i) {
        const TBedHighlighterAttributes* a = pas->AttributeAt(i);
        const bool changed = a->Name() == "Assembler" || a->Name() == "Number" || a->Name() == "String";
        EXPECT_EQ(a->IsForegroundStored(), changed) << a->Name();
    }
}
