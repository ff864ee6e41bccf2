#include "BedTextLetters.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

using V = std::vector<std::string>;

// The kinds and states as the HTML scanner numbers them.
enum { tkAmpersand = 0, tkIdentifier = 3, tkKey = 4, tkUndefKey = 10 };
enum { rsAmpersand = 0, rsASP = 1, rsComment = 2, rsKey = 3, rsParam = 4, rsText = 5 };

namespace {

// The kind of the tag name in "<name>".
int TagKind(TBedCustomHighlighter& hl, const std::string& name) {
    hl.ClearRange();
    const std::vector<TScannedToken> tokens = ScanLine(hl, "<" + name + ">");
    return tokens.size() == 3 && tokens[1].text == name ? tokens[1].kind : -1;
}

// The words of the facts' list of that kind.
std::span<const char* const> WordsOfKind(const TBedCustomHighlighter& hl, int kind) {
    for (const TBedKeywordList& list : LanguageOf(hl).keywords)
        if (list.kind == kind) return list.words;
    return {};
}

}  // namespace

TEST(HTML, EveryTagNameInAnyCase) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    std::set<std::string> folded;
    for (const std::string t : WordsOfKind(*hl, tkKey)) folded.insert(BedCp1250LowerCase(t));
    EXPECT_EQ(folded.size(), 198u);
    for (const std::string t : WordsOfKind(*hl, tkKey)) {
        EXPECT_EQ(TagKind(*hl, BedAsciiUpperCase(t)), tkKey) << t;
        EXPECT_EQ(TagKind(*hl, BedCp1250LowerCase(t)), tkKey) << t;
        if (!folded.count("q" + BedCp1250LowerCase(t))) {
            EXPECT_NE(TagKind(*hl, "q" + t), tkKey) << "q" << t;
        }
    }
    EXPECT_EQ(TagKind(*hl, "blah"), tkUndefKey);
    EXPECT_EQ(TagKind(*hl, "h7"), tkUndefKey);
    // A sum past the table is taken as an attribute name.
    EXPECT_EQ(TagKind(*hl, "zzzzzzzzzz"), tkIdentifier);
}

TEST(HTML, TagsAttributesAndValues) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    EXPECT_EQ(TextKinds(*hl, "<h1>Title</h1>"), (V{"</8", "h1/4", ">/8", "Title/9", "</8", "/h1/4", ">/8"}));
    EXPECT_EQ(TextKinds(*hl, "<a href=\"x.htm\">"), (V{"</8", "a/4", " /6", "href/3", "=/8", "\"x.htm\"/11", ">/8"}));
    EXPECT_EQ(TextKinds(*hl, "<td width=50 x>"),
              (V{"</8", "td/4", " /6", "width/3", "=/8", "50/11", " /6", "x/3", ">/8"}));
    EXPECT_EQ(TextKinds(*hl, "<p \"q\">"), (V{"</8", "p/4", " /6", "\"q\"/7", ">/8"}));
    EXPECT_EQ(TextKinds(*hl, "<img"), (V{"</8", "img/4"}));
    EXPECT_EQ(hl->CurrentRange(), rsParam);
    EXPECT_EQ(TextKindsFrom(*hl, rsParam, "src=\"a.gif\">"), (V{"src/3", "=/8", "\"a.gif\"/11", ">/8"}));
    EXPECT_EQ(TextKinds(*hl, "<"), V{"</8"});
    EXPECT_EQ(hl->CurrentRange(), rsKey);
    // A tab starts a space token but does not continue one.
    EXPECT_EQ(TextKinds(*hl, "\t\t "), (V{"\t/6", "\t /6"}));
}

// A tag with no name ("<?", "< *") goes on as inside the tag, with no empty token.
TEST(HTML, TagWithoutAName) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    EXPECT_EQ(TextKinds(*hl, "<?xml?>"), (V{"</8", "?xml?/3", ">/8"}));
    EXPECT_EQ(TextKinds(*hl, "< *>"), (V{"</8", " /6", "*/3", ">/8"}));
}

TEST(HTML, CommentsAndServerBlocks) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    EXPECT_EQ(TextKinds(*hl, "<!-- note"), (V{"<!--/2", " note/2"}));
    EXPECT_EQ(hl->CurrentRange(), rsComment);
    EXPECT_EQ(TextKindsFrom(*hl, rsComment, "end --> more"), (V{"end -->/2", " more/9"}));
    EXPECT_EQ(hl->CurrentRange(), rsText);
    EXPECT_EQ(TextKinds(*hl, "<% x %>"), (V{"<%/1", " x %>/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsText);
    EXPECT_EQ(TextKindsFrom(*hl, rsASP, "\r\n"), V{"\r\n/6"});
    EXPECT_EQ(hl->CurrentRange(), rsASP);
}

// The "--" or "%" that closes a block must stand in the same line as its ">".
TEST(HTML, BlockClosersLookOnlyWithinTheLine) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    EXPECT_EQ(TextKindsFrom(*hl, rsComment, "> x"), V{"> x/2"});
    EXPECT_EQ(hl->CurrentRange(), rsComment);
    EXPECT_EQ(TextKindsFrom(*hl, rsComment, "->"), V{"->/2"});
    EXPECT_EQ(hl->CurrentRange(), rsComment);
    EXPECT_EQ(TextKindsFrom(*hl, rsASP, ">"), V{">/1"});
    EXPECT_EQ(hl->CurrentRange(), rsASP);
    EXPECT_EQ(TextKindsFrom(*hl, rsASP, "%>"), V{"%>/1"});
    EXPECT_EQ(hl->CurrentRange(), rsText);
}

TEST(HTML, Entities) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    const std::span<const char* const> entities = WordsOfKind(*hl, tkAmpersand);
    EXPECT_EQ(entities.size(), 151u);
    EXPECT_EQ(TextKinds(*hl, "Tom &amp; Jerry"), (V{"Tom /9", "&amp;/0", " Jerry/9"}));
    EXPECT_EQ(TextKinds(*hl, "&AMP;&lt;"), (V{"&AMP;/0", "&lt;/0"}));
    EXPECT_EQ(TextKinds(*hl, "a & b"), V{"a & b/9"});
    EXPECT_EQ(TextKinds(*hl, "&"), V{"&/9"});
    // "&divide" is listed without ";".
    EXPECT_EQ(TextKinds(*hl, "&dividend"), (V{"&divide/0", "nd/9"}));
    for (const std::string e : entities) EXPECT_EQ(TextKinds(*hl, e), V{e + "/0"}) << e;
    // Inside a tag an "&" goes back to text.
    EXPECT_EQ(TextKinds(*hl, "<a &amp;y>"), (V{"</8", "a/4", " /6", "&amp;/0", "y>/9"}));
    EXPECT_EQ(TextKinds(*hl, "<a &b>"), (V{"</8", "a/4", " /6", "&b>/9"}));
}

// An entity is announced for one position of one line only.
TEST(HTML, NoStaleEntityAcrossLinesOrStates) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    hl->ClearRange();
    hl->StartLine("x&amp;", 0);  // stops after the text, with the entity announced
    EXPECT_EQ(hl->TokenText(), "x");
    hl->StartLine("&", 1);
    EXPECT_EQ(hl->TokenText(), "&");
    hl->NextToken();
    EXPECT_TRUE(hl->AtLineEnd());

    hl->ClearRange();
    hl->StartLine("x&amp;", 0);
    hl->RestoreRange(rsAmpersand);
    hl->NextToken();
    EXPECT_EQ(hl->TokenText(), "&amp;");
    hl->RestoreRange(rsAmpersand);
    hl->StartLine("&", 0);
    EXPECT_EQ(hl->TokenText(), "&");
    hl->NextToken();
    EXPECT_TRUE(hl->AtLineEnd());
}

TEST(HTML, ClassProperties) {
    const auto hl = NewHighlighter("THTMLHighlighter");
    EXPECT_EQ(hl->StandardAttribute(0), Attr(*hl, "CommentAttri"));
    EXPECT_EQ(hl->StandardAttribute(1), Attr(*hl, "IdentifierAttri"));
    EXPECT_EQ(hl->StandardAttribute(2), Attr(*hl, "KeyAttri"));
    EXPECT_EQ(hl->StandardAttribute(3), nullptr);
    EXPECT_EQ(hl->StandardAttribute(4), Attr(*hl, "SpaceAttri"));
    hl->ClearRange();
    hl->StartLine("<% x", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "ASPAttri"));
    EXPECT_EQ(Attr(*hl, "ASPAttri")->Background(), 0x00FFFF);
}
