// The text painter on an offscreen image: cells, selection colours, tokens, control bytes.
#include "BedEditTextPainter.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const QColor kFg(0, 0, 0), kBg(255, 255, 255), kSelFg(255, 255, 0), kSelBg(0, 0, 200);

class PainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.charWidth = grid.CharWidth();
        g.lineHeight = grid.CharHeight();
        image = QImage(g.TextLeft() + 40 * g.charWidth, g.lineHeight, QImage::Format_RGB32);
        image.fill(Qt::magenta);
    }
    void Paint(std::string_view text, const TBedLineSelection& sel, const std::vector<TBedPaintToken>& tokens = {},
               int first = 1, int last = 40) {
        QPainter p(&image);
        TBedTextPainter painter(p, grid, g, first, last);
        painter.PaintLine(0, text, tokens, sel, {kFg, kBg, kSelFg, kSelBg}, 0);
    }
    // The bottom-left pixel of a cell: background, never ink.
    QColor CellBackground(int column) const { return image.pixelColor(g.ColumnX(column), g.lineHeight - 1); }
    bool CellHasInk(int column, const QColor& background) const {
        for (int y = 0; y < g.lineHeight; ++y)
            for (int x = g.ColumnX(column); x < g.ColumnX(column + 1); ++x)
                if (image.pixelColor(x, y) != background) return true;
        return false;
    }

    TBedFontGrid grid;
    TBedGridMetrics g;
    QImage image;
};

TEST_F(PainterTest, SelectionColoursCoverTheSelectedCellsAndPastTheEnd) {
    Paint("abcdef", {3, 5, false});
    EXPECT_EQ(CellBackground(2), kBg);
    EXPECT_EQ(CellBackground(3), kSelBg);
    EXPECT_EQ(CellBackground(4), kSelBg);
    EXPECT_EQ(CellBackground(5), kBg);
    // A column selection beyond the text stays visible.
    Paint("ab", {5, 9, false});
    EXPECT_EQ(CellBackground(4), kBg);
    EXPECT_EQ(CellBackground(5), kSelBg);
    EXPECT_EQ(CellBackground(8), kSelBg);
    EXPECT_EQ(CellBackground(9), kBg);
    // A whole selected line is selected up to the window's edge.
    Paint("ab", {1, INT_MAX, true});
    EXPECT_EQ(CellBackground(1), kSelBg);
    EXPECT_EQ(CellBackground(40), kSelBg);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::magenta));  // the margin is not the line's
}

TEST_F(PainterTest, EveryCharacterStaysInItsOwnCell) {
    Paint("MMMW", {});
    for (int c = 1; c <= 4; ++c) EXPECT_TRUE(CellHasInk(c, kBg)) << c;
    EXPECT_FALSE(CellHasInk(5, kBg));
    // Wide CP 1250 letters too: "ŠŽ" then nothing.
    Paint("\x8A\x8E", {});
    EXPECT_TRUE(CellHasInk(1, kBg));
    EXPECT_TRUE(CellHasInk(2, kBg));
    EXPECT_FALSE(CellHasInk(3, kBg));
}

TEST_F(PainterTest, ControlBytesAreVisible) {
    Paint(std::string("a\0b\x01", 4), {});
    EXPECT_TRUE(CellHasInk(2, kBg));
    EXPECT_TRUE(CellHasInk(4, kBg));
    Paint(" ", {});
    EXPECT_FALSE(CellHasInk(1, kBg));
}

TEST_F(PainterTest, TokensKeepTheirBackgroundsAndSelectionWins) {
    const QColor tokenBg(0, 160, 0);
    std::vector<TBedPaintToken> tokens{{1, 3, kFg, kBg, 0}, {4, 3, Qt::red, tokenBg, fsBold}};
    Paint("abcdef", {6, 7, false}, tokens);
    EXPECT_EQ(CellBackground(3), kBg);
    EXPECT_EQ(CellBackground(4), tokenBg);
    EXPECT_EQ(CellBackground(5), tokenBg);
    EXPECT_EQ(CellBackground(6), kSelBg);
    EXPECT_EQ(CellBackground(7), kBg);
}

TEST_F(PainterTest, OnlyTheClippedColumnsArePainted) {
    Paint("abcdefghij", {}, {}, 3, 5);
    EXPECT_EQ(CellBackground(2), QColor(Qt::magenta));
    EXPECT_EQ(CellBackground(3), kBg);
    EXPECT_EQ(CellBackground(5), kBg);
    EXPECT_EQ(CellBackground(6), QColor(Qt::magenta));
}

TEST(FontGrid, ProportionalFontsAreRefused) {
    const QFont fixed = DefaultEditorFont();
    ASSERT_TRUE(IsFixedPitch(fixed));
    QFont sans(QStringLiteral("Liberation Sans"));
    sans.setPointSize(14);
    sans.setBold(true);
    const QFont taken = FixedPitchFont(sans, fixed);
    EXPECT_EQ(taken.family(), fixed.family());
    EXPECT_EQ(taken.pointSize(), 14);
    EXPECT_TRUE(taken.bold());
    EXPECT_TRUE(IsFixedPitch(taken));
}

TEST(FontGrid, BoldAndItalicMeasureTheGrid) {
    TBedFontGrid grid;
    grid.Measure(false, false);
    const int plainWidth = grid.CharWidth();
    grid.Measure(true, true);
    EXPECT_GE(grid.CharWidth(), plainWidth);
    EXPECT_GT(grid.CharHeight(), 0);
}

}  // namespace
