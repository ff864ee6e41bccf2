#include "BedHighlighterHTML.h"
#include "BedTextLetters.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

using V = std::vector<std::string>;
using H = THTMLHighlighter;

namespace {

// The kind of the tag name in "<name>".
int TagKind(THTMLHighlighter& hl, const std::string& name) {
    hl.ClearRange();
    const std::vector<TScannedToken> tokens = ScanLine(hl, "<" + name + ">");
    return tokens.size() == 3 && tokens[1].text == name ? tokens[1].kind : -1;
}

}  // namespace

TEST(HTML, EveryTagNameInAnyCase) {
    THTMLHighlighter hl;
    std::set<std::string> folded;
    for (const std::string t : BedHTMLTags())
        folded.insert(BedCp1250LowerCase(t));
    EXPECT_EQ(folded.size(), 198u);
    for (const std::string t : BedHTMLTags()) {
        EXPECT_EQ(TagKind(hl, BedAsciiUpperCase(t)), H::tkKey) << t;
        EXPECT_EQ(TagKind(hl, BedCp1250LowerCase(t)), H::tkKey) << t;
        if (!folded.count("q" + BedCp1250LowerCase(t))) {
            EXPECT_NE(TagKind(hl, "q" + t), H::tkKey) << "q" << t;
        }
    }
    EXPECT_EQ(TagKind(hl, "blah"), H::tkUndefKey);
    EXPECT_EQ(TagKind(hl, "h7"), H::tkUndefKey);
    // A sum past the table is taken as an attribute name.
    EXPECT_EQ(TagKind(hl, "zzzzzzzzzz"), H::tkIdentifier);
}

TEST(HTML, TagsAttributesAndValues) {
    THTMLHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "<h1>Title</h1>"),
              (V{"</8", "h1/4", ">/8", "Title/9", "</8", "/h1/4", ">/8"}));
    EXPECT_EQ(TextKinds(hl, "<a href=\"x.htm\">"),
              (V{"</8", "a/4", " /6", "href/3", "=/8", "\"x.htm\"/11", ">/8"}));
    EXPECT_EQ(TextKinds(hl, "<td width=50 x>"),
              (V{"</8", "td/4", " /6", "width/3", "=/8", "50/11", " /6", "x/3", ">/8"}));
    EXPECT_EQ(TextKinds(hl, "<p \"q\">"), (V{"</8", "p/4", " /6", "\"q\"/7", ">/8"}));
    EXPECT_EQ(TextKinds(hl, "<img"), (V{"</8", "img/4"}));
    EXPECT_EQ(hl.CurrentRange(), H::rsParam);
    EXPECT_EQ(TextKindsFrom(hl, H::rsParam, "src=\"a.gif\">"),
              (V{"src/3", "=/8", "\"a.gif\"/11", ">/8"}));
    EXPECT_EQ(TextKinds(hl, "<"), V{"</8"});
    EXPECT_EQ(hl.CurrentRange(), H::rsKey);
    // A tab starts a space token but does not continue one.
    EXPECT_EQ(TextKinds(hl, "\t\t "), (V{"\t/6", "\t /6"}));
}

// A tag with no name ("<?", "< *") goes on as inside the tag, with no empty token.
TEST(HTML, TagWithoutAName) {
    THTMLHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "<?xml?>"), (V{"</8", "?xml?/3", ">/8"}));
    EXPECT_EQ(TextKinds(hl, "< *>"), (V{"</8", " /6", "*/3", ">/8"}));
}

TEST(HTML, CommentsAndServerBlocks) {
    THTMLHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "<!-- note"), (V{"<!--/2", " note/2"}));
    EXPECT_EQ(hl.CurrentRange(), H::rsComment);
    EXPECT_EQ(TextKindsFrom(hl, H::rsComment, "end --> more"), (V{"end -->/2", " more/9"}));
    EXPECT_EQ(hl.CurrentRange(), H::rsText);
    EXPECT_EQ(TextKinds(hl, "<% x %>"), (V{"<%/1", " x %>/1"}));
    EXPECT_EQ(hl.CurrentRange(), H::rsText);
    EXPECT_EQ(TextKindsFrom(hl, H::rsASP, "\r\n"), V{"\r\n/6"});
    EXPECT_EQ(hl.CurrentRange(), H::rsASP);
}

// The "--" or "%" that closes a block must stand in the same line as its ">".
TEST(HTML, BlockClosersLookOnlyWithinTheLine) {
    THTMLHighlighter hl;
    EXPECT_EQ(TextKindsFrom(hl, H::rsComment, "> x"), V{"> x/2"});
    EXPECT_EQ(hl.CurrentRange(), H::rsComment);
    EXPECT_EQ(TextKindsFrom(hl, H::rsComment, "->"), V{"->/2"});
    EXPECT_EQ(hl.CurrentRange(), H::rsComment);
    EXPECT_EQ(TextKindsFrom(hl, H::rsASP, ">"), V{">/1"});
    EXPECT_EQ(hl.CurrentRange(), H::rsASP);
    EXPECT_EQ(TextKindsFrom(hl, H::rsASP, "%>"), V{"%>/1"});
    EXPECT_EQ(hl.CurrentRange(), H::rsText);
}

TEST(HTML, Entities) {
    THTMLHighlighter hl;
    EXPECT_EQ(BedHTMLEntities().size(), 151u);
    EXPECT_EQ(TextKinds(hl, "Tom &amp; Jerry"), (V{"Tom /9", "&amp;/0", " Jerry/9"}));
    EXPECT_EQ(TextKinds(hl, "&AMP;&lt;"), (V{"&AMP;/0", "&lt;/0"}));
    EXPECT_EQ(TextKinds(hl, "a & b"), V{"a & b/9"});
    EXPECT_EQ(TextKinds(hl, "&"), V{"&/9"});
    // "&divide" is listed without ";".
    EXPECT_EQ(TextKinds(hl, "&dividend"), (V{"&divide/0", "nd/9"}));
    for (const std::string_view e : BedHTMLEntities())
        EXPECT_EQ(TextKinds(hl, std::string(e)), V{std::string(e) + "/0"}) << e;
    // Inside a tag an "&" goes back to text.
    EXPECT_EQ(TextKinds(hl, "<a &amp;y>"), (V{"</8", "a/4", " /6", "&amp;/0", "y>/9"}));
    EXPECT_EQ(TextKinds(hl, "<a &b>"), (V{"</8", "a/4", " /6", "&b>/9"}));
}

// An entity is announced for one position of one line only.
TEST(HTML, NoStaleEntityAcrossLinesOrStates) {
    THTMLHighlighter hl;
    hl.ClearRange();
    hl.StartLine("x&amp;", 0);  // stops after the text, with the entity announced
    EXPECT_EQ(hl.TokenText(), "x");
    hl.StartLine("&", 1);
    EXPECT_EQ(hl.TokenText(), "&");
    hl.NextToken();
    EXPECT_TRUE(hl.AtLineEnd());

    hl.ClearRange();
    hl.StartLine("x&amp;", 0);
    hl.RestoreRange(H::rsAmpersand);
    hl.NextToken();
    EXPECT_EQ(hl.TokenText(), "&amp;");
    hl.RestoreRange(H::rsAmpersand);
    hl.StartLine("&", 0);
    EXPECT_EQ(hl.TokenText(), "&");
    hl.NextToken();
    EXPECT_TRUE(hl.AtLineEnd());
}

TEST(HTML, ClassProperties) {
    THTMLHighlighter hl;
    EXPECT_EQ(hl.StandardAttribute(0), hl.CommentAttri);
    EXPECT_EQ(hl.StandardAttribute(1), hl.IdentifierAttri);
    EXPECT_EQ(hl.StandardAttribute(2), hl.KeyAttri);
    EXPECT_EQ(hl.StandardAttribute(3), nullptr);
    EXPECT_EQ(hl.StandardAttribute(4), hl.SpaceAttri);
    hl.ClearRange();
    hl.StartLine("<% x", 0);
    EXPECT_EQ(hl.TokenAttribute(), hl.ASPAttri);
    EXPECT_EQ(hl.ASPAttri->Background(), 0x00FFFF);
}
