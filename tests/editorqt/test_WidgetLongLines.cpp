// Lines far longer than the window in the widget: the scroll bar and the caret reach their
// end, and painting a highlighted line scrolled far to the right scans only from a checkpoint
// near the window, with the colours a scan from the line's start gives.
#include "BedEdit.h"
#include "BedEditLineCheckpoints.h"
#include "JScript.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <climits>

namespace {

// Watches what painting asks of the highlighter on the long line (index 1): where the first
// token it scans starts, and how many start past the window.
class TCountingJScript : public TJScriptHighlighter {
public:
    void NextToken() override {
        TJScriptHighlighter::NextToken();
        Seen();
    }
    void StartLine(std::string_view text, int lineIndex) override {
        TJScriptHighlighter::StartLine(text, lineIndex);
        Seen();
    }
    bool ResumeLine(std::string_view text, int lineIndex, int at, TBedRange range) override {
        const bool resumed = TJScriptHighlighter::ResumeLine(text, lineIndex, at, range);
        Seen();
        return resumed;
    }
    // Tokens starting past `end` are counted apart.
    void Reset(int end) {
        first = INT_MAX;
        beyond = 0;
        end_ = end;
    }
    int first = INT_MAX, beyond = 0;

private:
    void Seen() {
        if (lineIndex_ != 1) return;
        first = std::min(first, TokenStart());
        if (TokenStart() > end_) ++beyond;
    }
    int end_ = INT_MAX;
};

class TProbeEdit : public TBedEdit {
public:
    using TCustomBedEdit::Checkpoints;
};

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = {}, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

std::string MinifiedScript(size_t length) {
    static const char* pieces[] = {"function f(a,b){", "var c=a+b;", "return \"velk\xFD\"+c}", "/* pozn", "\xE1mka */",
                                   "if(c>0x1F){",      "x=[1,2,3];}"};
    std::string s;
    for (size_t i = 0; s.size() < length; ++i) s += pieces[(i * 7 + i / 3) % std::size(pieces)];
    return s;
}

class WidgetLongLines : public ::testing::Test {
protected:
    void SetUp() override {
        edit.resize(600, 300);
        edit.SetOptions(edit.Options().With(eoNoCaret));
        edit.show();
        edit.setFocus();
    }
    QImage Shot() { return edit.viewport()->grab().toImage(); }

    TProbeEdit edit;
};

}  // namespace

TEST_F(WidgetLongLines, ScrolledPaintScansFromANearbyCheckpointWithTheSameColours) {
    const std::string line = MinifiedScript(12 * size_t(TBedLineCheckpoints::kSpacing));
    edit.Lines().Add("var before=1;");
    edit.Lines().Add(line);
    edit.Lines().Add("/* after */");
    TCountingJScript hl;
    edit.SetHighlighter(&hl);
    const int columns = edit.CharsInWindow();
    const std::vector<int> lefts{1, int(line.size()) / 3, int(line.size()) / 2 + 7, int(line.size()) - 10};
    std::vector<QImage> resumed;
    for (int left : lefts) {
        SCOPED_TRACE(left);
        edit.SetFirstVisibleChar(left);
        hl.Reset(left + columns);
        resumed.push_back(Shot());
        // Only the window's part of the long line, from a checkpoint before it, was scanned:
        // past the window's edge just the token that told the scan to stop.
        EXPECT_GE(hl.first, left - 1 - 2 * TBedLineCheckpoints::kSpacing);
        EXPECT_LE(hl.beyond, 1);
    }
    for (size_t i = 0; i < lefts.size(); ++i) {
        edit.SetFirstVisibleChar(lefts[i]);
        edit.Checkpoints().Clear();
        EXPECT_TRUE(resumed[i] == Shot()) << lefts[i];  // as painted from the line's start
    }
    // Typing into the middle of the line: the checkpoints after it count again once a scan
    // meets one in the same state; the colours stay right.
    edit.SetCaretXY({int(line.size()) / 2, 2});
    Key(&edit, Qt::Key_Slash, {}, "/");
    Key(&edit, Qt::Key_Asterisk, {}, "*");
    EXPECT_EQ(edit.Lines().GetView(1).substr(line.size() / 2 - 1, 2), "/*");
    const int left = int(line.size()) - 10;
    edit.SetFirstVisibleChar(left);
    hl.Reset(left + columns);
    const QImage afterTyping = Shot();
    EXPECT_GE(hl.first, left - 1 - 2 * TBedLineCheckpoints::kSpacing);
    edit.Checkpoints().Clear();
    EXPECT_TRUE(afterTyping == Shot());
}

TEST_F(WidgetLongLines, EndTypingAndTheScrollBarOnALineOfSixteenMegabytes) {
    const std::string line = std::string((size_t(1) << 24) + 5, 'a') + "konec";
    edit.Lines().Add(line);
    edit.SetMaxLeftChar(32767);
    Key(&edit, Qt::Key_End);
    const int end = int(line.size()) + 1;
    EXPECT_EQ(edit.CaretXY(), (TBedPoint{end, 1}));
    const QPoint caret = edit.PositionToPixels(edit.CaretXY());
    EXPECT_GE(caret.x(), edit.GutterWidth());
    EXPECT_LE(caret.x(), edit.viewport()->width());
    QScrollBar* bar = edit.horizontalScrollBar();
    EXPECT_EQ(bar->value(), edit.FirstVisibleChar());
    EXPECT_GE(bar->maximum(), int(line.size()) - edit.CharsInWindow() + 1);

    Key(&edit, Qt::Key_Exclam, {}, "!");
    EXPECT_EQ(edit.Lines().GetView(0).substr(line.size() - 5), "konec!");
    Key(&edit, Qt::Key_Home);
    EXPECT_EQ(edit.FirstVisibleChar(), 1);
    bar->setValue(bar->maximum());
    EXPECT_EQ(edit.FirstVisibleChar(), bar->maximum());
    EXPECT_GE(edit.FirstVisibleChar() + edit.CharsInWindow(), end);
    edit.Undo();
    EXPECT_EQ(edit.Lines().Get(0), line);
}
