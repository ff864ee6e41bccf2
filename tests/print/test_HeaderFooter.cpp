#include "BedEditPrintHeaderFooter.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

class HeaderFooter : public ::testing::Test {
protected:
    TRecordingCanvas canvas;
    TBedPageGeometry g;
    TBedPrintMacroValues values{0, 12, false, "dopis.txt", "5. 3. 2024", "14:07"};

    void SetUp() override {
        g.Left = 200;
        g.Right = 2000;
        g.HeaderLine = 150;
        g.FooterLine = 3300;
        g.InternalMargin = 6;
        g.LeftHFText = 224;
        g.RightHFText = 1976;
        canvas.BeginDocument("");
    }
    const std::vector<TRecordingCanvas::Text>& Texts() const { return canvas.pages[0].texts; }
    const std::vector<TRecordingCanvas::Shape>& Shapes() const { return canvas.pages[0].shapes; }
};

}  // namespace

TEST_F(HeaderFooter, PageNumbersAndCountAreFilledInCentred) {
    THeader header;
    header.Add("Strana $PAGENUM$ z $PAGECOUNT$", nullptr, taCenter, 1);
    header.InitPrint(canvas, g.InternalMargin, values);
    header.Print(canvas, 3, g);
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].text, "Strana 3 z 12");
    const int width = 13 * 20;  // Arial 10: 20 pixels a character here
    EXPECT_EQ(Texts()[0].x, (224 + 1976 - width) / 2);
    // Header block: 40 pixels of text between two internal margins, above the header line.
    EXPECT_EQ(header.Height(), 40 + 12);
    EXPECT_EQ(Texts()[0].baseline, 150 - 52 + 6 + 30);

    THeader roman;
    roman.RomanNumbers = true;
    roman.Add("Strana $PAGENUM$ z $PAGECOUNT$", nullptr, taCenter, 1);
    roman.InitPrint(canvas, g.InternalMargin, values);
    roman.Print(canvas, 3, g);
    EXPECT_EQ(Texts().back().text, "Strana III z 12");
}

TEST_F(HeaderFooter, ItemsOfOneRowShareABaselineAndRowsStackDownwards) {
    TFooter footer;
    TBedPrintFont big{"Arial", 20, fsBold, clBlack};
    footer.Add("$TITLE$", nullptr, taLeftJustify, 1);
    footer.Add("$DATE$", &big, taRightJustify, 1);
    footer.Add("druhý řádek", nullptr, taLeftJustify, 2);
    footer.InitPrint(canvas, g.InternalMargin, values);
    ASSERT_EQ(footer.Rows().size(), 2u);
    EXPECT_EQ(footer.Rows()[0].LineHeight, 80);
    EXPECT_EQ(footer.Rows()[0].MaxBaseline, 60);
    EXPECT_EQ(footer.Height(), 80 + 40 + 12);
    footer.Print(canvas, 1, g);
    ASSERT_EQ(Texts().size(), 3u);
    EXPECT_EQ(Texts()[0].text, "dopis.txt");
    EXPECT_EQ(Texts()[0].x, 224);
    EXPECT_EQ(Texts()[1].text, "5. 3. 2024");
    EXPECT_EQ(Texts()[1].x, 1976 - 10 * 40);
    EXPECT_EQ(Texts()[1].font, big);
    EXPECT_EQ(Texts()[0].baseline, 3300 + 6 + 60);
    EXPECT_EQ(Texts()[1].baseline, Texts()[0].baseline);
    EXPECT_EQ(Texts()[2].text, "druhý řádek");
    EXPECT_EQ(Texts()[2].baseline, 3300 + 6 + 80 + 30);
}

TEST_F(HeaderFooter, ItemsAreTakenInRowOrderWhateverTheOrderAdded) {
    THeader header;
    EXPECT_EQ(header.Add("dole", nullptr, taLeftJustify, 2), 0);
    EXPECT_EQ(header.Add("nahoře", nullptr, taLeftJustify, 1), 1);
    header.InitPrint(canvas, 0, values);
    header.Print(canvas, 1, g);
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].text, "nahoře");
    EXPECT_LT(Texts()[0].baseline, Texts()[1].baseline);
}

TEST_F(HeaderFooter, MirrorPositionSwapsLeftAndRightOnEvenPages) {
    THeader header;
    header.MirrorPosition = true;
    header.Add("L", nullptr, taLeftJustify, 1);
    header.Add("R", nullptr, taRightJustify, 1);
    header.Add("C", nullptr, taCenter, 1);
    header.InitPrint(canvas, 0, values);
    header.Print(canvas, 2, g);
    header.Print(canvas, 3, g);
    ASSERT_EQ(Texts().size(), 6u);
    EXPECT_EQ(Texts()[0].x, 1976 - 20);  // L on the right of page 2
    EXPECT_EQ(Texts()[1].x, 224);
    EXPECT_EQ(Texts()[2].x, (224 + 1976 - 20) / 2);
    EXPECT_EQ(Texts()[3].x, 224);  // and back on page 3
    EXPECT_EQ(Texts()[4].x, 1976 - 20);
}

TEST_F(HeaderFooter, FramesLieOnTheBlockAndTheRuleFacesTheBody) {
    THeader header;
    header.FrameTypes = ftLine | ftBox | ftShaded;
    header.LineColor = clNavy;
    header.Add("x", nullptr, taLeftJustify, 1);
    header.InitPrint(canvas, g.InternalMargin, values);
    header.Print(canvas, 1, g);
    const int h = header.Height();
    ASSERT_EQ(Shapes().size(), 3u);
    EXPECT_EQ(Shapes()[0].kind, 'F');
    EXPECT_EQ(Shapes()[0].rect, (TBedPrintRect{200, 150 - h, 2000, 150}));
    EXPECT_EQ(Shapes()[0].color, clSilver);
    EXPECT_EQ(Shapes()[1].kind, 'B');
    EXPECT_EQ(Shapes()[1].rect, Shapes()[0].rect);
    EXPECT_EQ(Shapes()[1].color, clNavy);
    EXPECT_EQ(Shapes()[2].kind, 'L');
    EXPECT_EQ(Shapes()[2].rect, (TBedPrintRect{200, 150, 2000, 150}));

    TFooter footer;
    footer.FrameTypes = ftBox;
    footer.Add("x", nullptr, taLeftJustify, 1);
    footer.InitPrint(canvas, g.InternalMargin, values);
    footer.Print(canvas, 1, g);
    EXPECT_EQ(Shapes()[3].rect, (TBedPrintRect{200, 3300, 2000, 3300 + footer.Height()}));

    TFooter ruled;  // the default frame: one rule above the footer
    ruled.Add("x", nullptr, taLeftJustify, 1);
    ruled.InitPrint(canvas, 0, values);
    ruled.Print(canvas, 1, g);
    EXPECT_EQ(Shapes().back().kind, 'L');
    EXPECT_EQ(Shapes().back().rect.Top, 3300);
}

TEST_F(HeaderFooter, ABlockWithoutItemsPrintsNothingNotEvenItsFrame) {
    THeader header;
    header.FrameTypes = ftLine | ftBox | ftShaded;
    header.InitPrint(canvas, g.InternalMargin, values);
    EXPECT_EQ(header.Height(), -1);
    header.Print(canvas, 1, g);
    EXPECT_TRUE(Shapes().empty());
    EXPECT_TRUE(Texts().empty());

    header.Add("   ", nullptr, taLeftJustify, 1);  // blanks: the frame, but no text
    header.InitPrint(canvas, g.InternalMargin, values);
    header.Print(canvas, 1, g);
    EXPECT_FALSE(Shapes().empty());
    EXPECT_TRUE(Texts().empty());
}

TEST_F(HeaderFooter, AssignCopiesItemsFontsAndSettings) {
    THeader a;
    a.FrameTypes = ftBox;
    a.RomanNumbers = true;
    a.MirrorPosition = true;
    a.DefaultFont.Size = 12;
    a.Add("$PAGENUM$", nullptr, taRightJustify, 1);
    TFooter b;
    b.Assign(a);
    EXPECT_TRUE(b.IsHeader());
    EXPECT_EQ(b.FrameTypes, ftBox);
    EXPECT_TRUE(b.RomanNumbers);
    EXPECT_TRUE(b.MirrorPosition);
    ASSERT_EQ(b.Count(), 1);
    EXPECT_EQ(b.Item(0).Font.Size, 12);
    EXPECT_EQ(b.Item(0).Alignment, taRightJustify);
    b.Clear();
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(a.Count(), 1);
}
