#include "Associations.h"
#include "MimePackage.h"

#include <gtest/gtest.h>

TEST(MimePackage, OwnExtensionsAreCheckedBeforeAnythingIsWritten) {
    EXPECT_EQ(NormalizeExtension("diz"), ".diz");
    EXPECT_EQ(NormalizeExtension(".diz"), ".diz");
    EXPECT_EQ(NormalizeExtension("C++_x-1"), ".C++_x-1");
    for (const std::string bad : {"", ".", "..x", "a.b", "a b", "a/b", "*", "x;y", "ž", "a\"b", "a<b", "a\nb", "[x]"})
        EXPECT_EQ(NormalizeExtension(bad), std::nullopt) << bad;
}

TEST(MimePackage, TypesAreNamedAndListedOnce) {
    EXPECT_EQ(OwnMimeType(".DIZ"), "text/x-bed-diz");
    const std::string text = MimePackageText({".diz", ".DIZ", ".il2", ".c++"});
    EXPECT_EQ(MimePackageExtensions(text), (std::vector<std::string>{".diz", ".il2", ".c++"}));
    EXPECT_NE(text.find("<mime-type type=\"text/x-bed-il2\">\n"
                        "    <sub-class-of type=\"text/plain\"/>\n"
                        "    <comment>Textový soubor pro Brousek Editor</comment>\n"
                        "    <glob pattern=\"*.il2\"/>\n"
                        "  </mime-type>"),
              std::string::npos);
    EXPECT_TRUE(MimePackageExtensions(MimePackageText({})).empty());
}
