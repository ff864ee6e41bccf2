#include "MimeApps.h"

#include <gtest/gtest.h>

TEST(MimeApps, AMissingFileOrGroupIsCreated) {
    EXPECT_EQ(SetDefaultApplication("", "text/plain", "b.desktop"), "[Default Applications]\ntext/plain=b.desktop;\n");
    EXPECT_EQ(SetDefaultApplication("[Added Associations]\nimage/png=gimp.desktop;\n", "text/plain", "b.desktop"),
              "[Added Associations]\nimage/png=gimp.desktop;\n\n[Default Applications]\ntext/plain=b.desktop;\n");
}

TEST(MimeApps, AnEarlierChoiceIsReplacedAndEverythingElseKept) {
    const std::string before =
        "# mine\n"
        "[Default Applications]\n"
        "image/png=gimp.desktop;\n"
        "text/plain=gedit.desktop;kate.desktop;\n"
        "text/plain=other.desktop;\n"
        "\n"
        "[Added Associations]\n"
        "text/plain=gedit.desktop;\n";
    const std::string after = SetDefaultApplication(before, "text/plain", "b.desktop");
    EXPECT_EQ(after,
              "# mine\n"
              "[Default Applications]\n"
              "image/png=gimp.desktop;\n"
              "text/plain=b.desktop;\n"
              "\n"
              "[Added Associations]\n"
              "text/plain=gedit.desktop;\n");
    EXPECT_EQ(SetDefaultApplication(after, "text/plain", "b.desktop"), after);  // twice: no duplicate
}

TEST(MimeApps, ANewTypeGoesIntoTheGroupWhereverItStands) {
    const std::string before =
        "[Default Applications]\r\n"
        "image/png=gimp.desktop;\r\n"
        "\r\n"
        "[Removed Associations]\r\n"
        "text/x-log=b.desktop;\r\n";
    EXPECT_EQ(SetDefaultApplication(before, "text/x-log", "b.desktop"),
              "[Default Applications]\n"
              "image/png=gimp.desktop;\n"
              "text/x-log=b.desktop;\n"
              "\n"
              "[Removed Associations]\n"
              "text/x-log=b.desktop;\n");
    // "text/plainx" is another type, not an earlier choice for text/plain.
    EXPECT_EQ(SetDefaultApplication("[Default Applications]\ntext/plainx=a.desktop;\n", "text/plain", "b.desktop"),
              "[Default Applications]\ntext/plainx=a.desktop;\ntext/plain=b.desktop;\n");
}
