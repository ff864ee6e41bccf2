#include "BedHighlighter.h"
#include "Pas.h"
#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

namespace {

class TMetricsEdit : public TTestEdit {
public:
    using TTestEdit::TTestEdit;
    int metricsChanged = 0;

protected:
    void HighlighterMetricsChanged() override { ++metricsChanged; }
};

}  // namespace

TEST(CoreHighlighting, RescanStopsAtTheFirstUnchangedStartState) {
    TMetricsEdit e(std::vector<std::string>(10, "text"));
    TBraceHighlighter h;
    e.SetHighlighter(&h);
    EXPECT_EQ(e.metricsChanged, 1);
    EXPECT_EQ(Ranges(e), std::vector<TBedRange>(10, 0));

    h.linesStarted = 0;
    e.SetCaretXY({1, 2});
    e.Type("{");  // opens a comment: every following line changes
    EXPECT_EQ(Ranges(e), (std::vector<TBedRange>{0, 0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(h.linesStarted, 9);

    h.linesStarted = 0;
    e.SetCaretXY({1, 5});
    e.Type("}");
    EXPECT_EQ(Ranges(e), (std::vector<TBedRange>{0, 0, 1, 1, 1, 0, 0, 0, 0, 0}));
    h.linesStarted = 0;
    e.Type("x");  // the state at the line's end stays: only this line is scanned
    EXPECT_EQ(h.linesStarted, 1);

    e.SetCaretXY({1, 3});
    e.Cmd(ecDeleteLine);
    e.Cmd(ecDeleteLine);
    EXPECT_EQ(Ranges(e), (std::vector<TBedRange>{0, 0, 1, 0, 0, 0, 0, 0}));
    e.SetCaretXY({1, 1});
    e.Cmd(ecLineBreak);
    EXPECT_EQ(Ranges(e), (std::vector<TBedRange>{0, 0, 0, 1, 0, 0, 0, 0, 0}));
}

TEST(CoreHighlighting, WordCharactersChangeNotificationsAndFreedHighlighter) {
    TMetricsEdit e({"ab_cd ef"});
    e.SetCaretXY({1, 1});
    EXPECT_EQ(e.NextWordPos(), P(7, 1));  // without highlighter "_" is part of the word
    {
        TBraceHighlighter h;
        e.SetHighlighter(&h);
        EXPECT_EQ(e.NextWordPos(), P(4, 1));
        e.SelectWordAt({5, 1});
        EXPECT_EQ(e.SelectedText(), "cd");
        const int before = e.metricsChanged;
        h.Touch();
        EXPECT_EQ(e.metricsChanged, before + 1);
    }
    EXPECT_EQ(e.Highlighter(), nullptr);  // forgotten when freed
    EXPECT_EQ(e.NextWordPos(), P(7, 1));

    TBraceHighlighter h2;
    e.SetHighlighter(&h2);
    e.SetHighlighter(nullptr);
    const int before = e.metricsChanged;
    h2.Touch();  // detached: no longer told
    EXPECT_EQ(e.metricsChanged, before);
}

namespace {

// The Pascal highlighter, counting the lines it is asked to scan.
class TCountingPas : public TPasHighlighter {
public:
    void StartLine(std::string_view text, int lineIndex) override {
        ++linesStarted;
        TPasHighlighter::StartLine(text, lineIndex);
    }
    int linesStarted = 0;
};

}  // namespace

TEST(CoreHighlighting, ClosingAPascalCommentEarlyRescansExactlyTheLinesWhoseStartStateChanged) {
    std::vector<std::string> program{"begin", "  { a long comment"};
    for (int i = 0; i < 8; ++i) program.push_back("  still inside the comment");
    program.push_back("  } x := 1;");
    program.push_back("end.");
    TTestEdit e(program);
    TCountingPas pas;
    e.SetHighlighter(&pas);
    EXPECT_EQ(e.Lines().GetRange(5), TPasHighlighter::rsBor);

    // Line 3 now closes the comment: the lines at indexes 3..10 start outside it, the last
    // one as before. Scanned: the edited line and the eight whose start state changed.
    pas.linesStarted = 0;
    e.SetCaretXY({3, 3});
    e.Type("}");
    EXPECT_EQ(pas.linesStarted, 9);
    for (int i = 3; i <= 10; ++i) EXPECT_EQ(e.Lines().GetRange(i), TPasHighlighter::rsUnknown) << i;
    EXPECT_EQ(e.Lines().GetRange(11), TPasHighlighter::rsUnknown);

    // An edit that leaves the end state alone rescans only its own line.
    pas.linesStarted = 0;
    e.SetCaretXY({3, 6});
    e.Type("x");
    EXPECT_EQ(pas.linesStarted, 1);

    // Reopening the comment rescans down to where it closed before.
    pas.linesStarted = 0;
    e.SetCaretXY({3, 3});
    e.Cmd(ecDeleteChar);
    EXPECT_EQ(pas.linesStarted, 9);
    EXPECT_EQ(e.Lines().GetRange(5), TPasHighlighter::rsBor);
    e.SetHighlighter(nullptr);
}
