#include "BedEditGeometry.h"

#include <gtest/gtest.h>

namespace {

TBedGridMetrics Grid(int gutter = 0, int firstChar = 1, int firstLine = 1) {
    TBedGridMetrics g;
    g.charWidth = 8;
    g.lineHeight = 16;
    g.gutterWidth = gutter;
    g.firstVisibleChar = firstChar;
    g.firstVisibleLine = firstLine;
    return g;
}

TEST(Geometry, ColumnsStartTwoPixelsRightOfTheGutter) {
    EXPECT_EQ(Grid().ColumnX(1), 2);
    EXPECT_EQ(Grid(52).ColumnX(1), 54);
    EXPECT_EQ(Grid(52, 11).ColumnX(11), 54);
    EXPECT_EQ(Grid(52, 11).ColumnX(1), 54 - 80);
    EXPECT_EQ(Grid(52).VisibleColumns(54 + 8 * 10 + 7), 10);
    EXPECT_EQ(Grid().LinesInWindow(16 * 5 + 15), 5);
}

TEST(Geometry, ClickOnTabbedLineRoundsToNearestCellBoundary) {
    const std::string line = "\tx";
    const TBedGridMetrics g = Grid();
    const int ninthCell = g.ColumnX(9);
    EXPECT_EQ(PixelToPosition(g, ninthCell + 2, 5, 400, line, 8).X, 2);
    EXPECT_EQ(PixelToPosition(g, ninthCell + 5, 5, 400, line, 8).X, 3);
    // Inside the tab's cells the caret snaps before or after the whole tab.
    EXPECT_EQ(PixelToPosition(g, g.ColumnX(2), 5, 400, line, 8).X, 2);
    EXPECT_EQ(PixelToPosition(g, g.ColumnX(1) + 3, 5, 400, line, 8).X, 1);
    // Past the end every column is one position; left of the text is position 1.
    EXPECT_EQ(PixelToPosition(g, g.ColumnX(20), 5, 400, line, 8).X, 13);
    EXPECT_EQ(PixelToPosition(g, -30, 5, 400, line, 8).X, 1);
    // Scrolled right by 10 columns.
    EXPECT_EQ(PixelToPosition(Grid(0, 11), 2, 5, 400, "abcdefghijklmnop", 8).X, 11);
}

TEST(Geometry, RowsAreClampedIntoTheWindow) {
    const TBedGridMetrics g = Grid(0, 1, 100);
    EXPECT_EQ(PixelToRow(g, 0, 160), 100);
    EXPECT_EQ(PixelToRow(g, 33, 160), 102);
    EXPECT_EQ(PixelToRow(g, -50, 160), 100);
    EXPECT_EQ(PixelToRow(g, 5000, 160), 109);
}

TEST(Geometry, DisplayColumnsExpandTabsAndCountPastTheEnd) {
    EXPECT_EQ(CharPosToDisplayColumn("\tx", 1, 8), 1);
    EXPECT_EQ(CharPosToDisplayColumn("\tx", 2, 8), 9);
    EXPECT_EQ(CharPosToDisplayColumn("\tx", 3, 8), 10);
    EXPECT_EQ(CharPosToDisplayColumn("ab\tx", 4, 4), 5);
    EXPECT_EQ(CharPosToDisplayColumn("ab", 30, 8), 30);
    for (int x = 1; x < 12; ++x)
        EXPECT_EQ(ColumnCountToCharPos("a\tb\tc", CharPosToDisplayColumn("a\tb\tc", x, 4) - 1, 4), x);
}

TEST(Geometry, SelectedColumnsPerMode) {
    TBedSelectionColumns sel{smNormal, 2, 5, 4, 3, true};
    EXPECT_TRUE(LineSelection(sel, 1).Empty());
    EXPECT_EQ(LineSelection(sel, 2).start, 5);
    EXPECT_FALSE(LineSelection(sel, 2).Contains(4));
    EXPECT_TRUE(LineSelection(sel, 2).Contains(500));  // through the line break
    EXPECT_TRUE(LineSelection(sel, 3).full);
    EXPECT_TRUE(LineSelection(sel, 4).Contains(2));
    EXPECT_FALSE(LineSelection(sel, 4).Contains(3));
    sel.mode = smColumn;  // the smaller column starts, on every line
    EXPECT_EQ(LineSelection(sel, 2).start, 3);
    EXPECT_EQ(LineSelection(sel, 4).end, 5);
    EXPECT_FALSE(LineSelection(sel, 3).full);
    sel.mode = smLine;
    EXPECT_TRUE(LineSelection(sel, 2).full && LineSelection(sel, 4).full);
    sel.active = false;
    EXPECT_TRUE(LineSelection(sel, 3).Empty());
}

TEST(Geometry, RunsSplitAtTheSelection) {
    std::array<TBedRunPart, 3> parts;
    ASSERT_EQ(SplitRunAtSelection(1, 10, {3, 6, false}, parts), 3);
    EXPECT_EQ(parts[0].end, 3);
    EXPECT_TRUE(parts[1].selected);
    EXPECT_EQ(parts[1].start, 3);
    EXPECT_EQ(parts[2].start, 6);
    ASSERT_EQ(SplitRunAtSelection(4, 8, {1, 6, false}, parts), 2);
    EXPECT_TRUE(parts[0].selected && !parts[1].selected);
    ASSERT_EQ(SplitRunAtSelection(4, 8, {9, 12, false}, parts), 1);
    EXPECT_FALSE(parts[0].selected);
    ASSERT_EQ(SplitRunAtSelection(4, 8, {1, INT_MAX, true}, parts), 1);
    EXPECT_TRUE(parts[0].selected);
    EXPECT_EQ(SplitRunAtSelection(4, 4, {1, 6, false}, parts), 0);
}

TEST(Geometry, AutoScrollSpeedGrowsWithDistance) {
    EXPECT_EQ(AutoScrollAmount(50, 0, 100, 16), 0);
    EXPECT_EQ(AutoScrollAmount(101, 0, 100, 16), 1);
    EXPECT_EQ(AutoScrollAmount(100 + 40, 0, 100, 16), 3);
    EXPECT_EQ(AutoScrollAmount(-1, 0, 100, 16), -1);
    EXPECT_EQ(AutoScrollAmount(-33, 0, 100, 16), -3);
}

TEST(Geometry, WheelKeepsTheRemainder) {
    TBedWheelAccumulator w;
    EXPECT_EQ(w.Add(60), 0);
    EXPECT_EQ(w.Add(60), 1);
    EXPECT_EQ(w.Add(-250), -2);
    EXPECT_EQ(w.Remainder(), -10);
    EXPECT_EQ(w.Add(370), 3);
}

TEST(Geometry, ScrollRangeEndsWithTheLastPage) {
    const TBedScrollRange r = ScrollRange(1000000, 50);
    EXPECT_EQ(r.maximum + r.page - 1, 1000000);  // no 16-bit scaling, the thumb end shows the last line
    EXPECT_EQ(ScrollRange(10, 50).maximum, 1);
}

TEST(Geometry, CaretShapes) {
    EXPECT_EQ(CaretShapeRect(ctVerticalLine, 8, 16), (TBedRectI{-1, 0, 2, 14}));
    EXPECT_EQ(CaretShapeRect(ctHorizontalLine, 8, 16), (TBedRectI{0, 14, 8, 2}));
    EXPECT_EQ(CaretShapeRect(ctHalfBlock, 8, 16), (TBedRectI{0, 7, 8, 7}));
    EXPECT_EQ(CaretShapeRect(ctBlock, 8, 16), (TBedRectI{0, 0, 8, 14}));
}

TEST(Geometry, GutterNumbers) {
    EXPECT_EQ(GutterNumberText(7, 4, false, true), "0007");
    EXPECT_EQ(GutterNumberText(7, 4, false, false), "   7");
    EXPECT_EQ(GutterNumberText(1, 4, true, false), "   0");
    EXPECT_EQ(GutterNumberText(123456, 4, false, false), "123456");
    EXPECT_EQ(GutterDigitsFor(99999, 4, false), 5);
    EXPECT_EQ(GutterDigitsFor(10000, 4, true), 4);
    EXPECT_EQ(GutterDigitsFor(12, 4, false), 4);
}

}  // namespace
