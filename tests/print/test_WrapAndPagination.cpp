#include "BedEditPrintPagination.h"
#include "BedEditPrintWrap.h"

#include <gtest/gtest.h>

TEST(Wrap, BreakCharactersEndTheirRows) {
    TWrapPositions p;
    EXPECT_TRUE(WrapAtBreakCharacters("short", " ", 10, p));
    EXPECT_TRUE(p.empty());
    // "aaa bbb ccc ddd" in rows of at most 8: after the blank at 8, then after the one at 12.
    EXPECT_TRUE(WrapAtBreakCharacters("aaa bbb ccc ddd", " ", 8, p));
    EXPECT_EQ(p, (TWrapPositions{8}));
    p.clear();
    EXPECT_TRUE(WrapAtBreakCharacters("aaa bbb ccc ddd", " ", 5, p));
    EXPECT_EQ(p, (TWrapPositions{4, 8, 12}));
    // A stretch without a break character fails and leaves the list as it was.
    p = {99};
    EXPECT_FALSE(WrapAtBreakCharacters("aa bbbbbbbbbb", " ", 5, p));
    EXPECT_EQ(p, (TWrapPositions{99}));
}

TEST(Wrap, PrintedRowsTryWordBreaksThenPunctuationThenCut) {
    EXPECT_TRUE(PrintWrapPositions("fits", 4, true).empty());
    EXPECT_EQ(PrintWrapPositions("jedna,dva-tri\tctyri", 7, true), (TWrapPositions{6, 10, 14}));
    // No blank, comma, hyphen or tab in a row: cut after ")" "." or ";".
    EXPECT_EQ(PrintWrapPositions("a.b.c.d.e.f", 4, true), (TWrapPositions{4, 8}));
    EXPECT_EQ(PrintWrapPositions("f(x);g(y);h(z)", 6, true), (TWrapPositions{5, 10}));
    // None of the seven: every C characters.
    EXPECT_EQ(PrintWrapPositions("abcdefghij", 4, true), (TWrapPositions{4, 8}));
    // Plain printing cuts every C characters, inside words.
    EXPECT_EQ(PrintWrapPositions("aaa bbb ccc ddd", 5, false), (TWrapPositions{5, 10}));
    // A row of at least one character, however narrow the page.
    EXPECT_EQ(PrintWrapPositions("abc", 0, true), (TWrapPositions{1, 2}));
}

TEST(Pagination, PagesFillRowByRow) {
    EXPECT_EQ(Paginate({}, 10), (std::vector<TPageLine>{{0, 0}}));  // one blank page
    EXPECT_EQ(Paginate(std::vector<int>(7, 1), 3), (std::vector<TPageLine>{{0, 0}, {3, 0}, {6, 0}}));
    EXPECT_EQ(Paginate(std::vector<int>(6, 1), 3), (std::vector<TPageLine>{{0, 0}, {3, 0}}));
    // No room for one row: still one row a page, and the pages end.
    EXPECT_EQ(Paginate({1, 1}, 0), (std::vector<TPageLine>{{0, 0}, {1, 0}}));
}

TEST(Pagination, AWrappedLineIsNeverSplitUnlessTallerThanAPage) {
    // 4 rows left on page 1 after two lines; a 3-row line fits, the next 2-row line moves.
    EXPECT_EQ(Paginate({1, 1, 3, 2}, 6), (std::vector<TPageLine>{{0, 0}, {3, 0}}));
    EXPECT_EQ(Paginate({1, 1, 3, 1}, 6), (std::vector<TPageLine>{{0, 0}}));
    // A line of 14 rows on pages of 6 starts where it stands and runs on over two more pages.
    EXPECT_EQ(Paginate({1, 14, 1}, 6), (std::vector<TPageLine>{{0, 0}, {1, 5}, {1, 11}}));
    // A line exactly one page high on a fresh page.
    EXPECT_EQ(Paginate({2, 6, 1}, 6), (std::vector<TPageLine>{{0, 0}, {1, 0}, {2, 0}}));
}
