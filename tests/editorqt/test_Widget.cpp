// The widget as a user meets it, offscreen: the geometry of the grid and gutter, what ends up
// in the pixels, and the mouse, keyboard, wheel and scroll bars driving the component.
#include "BedEdit.h"
#include "BedEditSystemClipboard.h"
#include "TestHighlighter.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// Events as the window system delivers them (the test rule links no Qt test library).
void Mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint pos) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button,
                  type == QEvent::MouseMove ? Qt::MouseButtons(Qt::LeftButton) : buttons, mods);
    QApplication::sendEvent(w, &e);
}
void Click(QWidget* w, Qt::KeyboardModifiers mods, QPoint pos) {
    Mouse(w, QEvent::MouseButtonPress, Qt::LeftButton, mods, pos);
    Mouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, mods, pos);
}
void DoubleClick(QWidget* w, QPoint pos) {
    Click(w, {}, pos);
    Mouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton, {}, pos);
    Mouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, {}, pos);
}
void Key(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}
void Type(QWidget* w, const QString& text) {
    for (const QChar c : text) Key(w, 0, QString(c));
}

constexpr int32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kYellow = 0x00FFFF, kWhite = 0xFFFFFF,
                  kBlack = 0;

class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.resize(600, 400);
        edit.SetColor(kWhite);
        edit.SetFontColor(kBlack);
        edit.SetSelectedColor({kBlue, kYellow});
        edit.show();
        edit.activateWindow();
        edit.setFocus();
    }
    void SetText(std::initializer_list<const char*> lines) {
        for (const char* l : lines) edit.Lines().Add(l);
    }
    QImage Shot() { return edit.viewport()->grab().toImage(); }
    QColor At(const QImage& img, int x, int y) { return img.pixelColor(x, y); }
    // A background pixel of a cell (bottom row never holds ink of these fonts).
    QColor Cell(const QImage& img, TBedPoint p) {
        const QPoint px = edit.PositionToPixels(p);
        return img.pixelColor(px.x() + 1, px.y() + edit.LineHeight() - 1);
    }
    bool HasInk(const QImage& img, TBedPoint p) {
        const QPoint c = edit.PositionToPixels(p);
        for (int y = c.y(); y < c.y() + edit.LineHeight(); ++y)
            for (int x = c.x(); x < c.x() + edit.CharWidth(); ++x)
                if (img.pixelColor(x, y) != QColor(Qt::white)) return true;
        return false;
    }
    QPoint CellCentre(TBedPoint p) {
        return edit.PositionToPixels(p) + QPoint(edit.CharWidth() / 2, edit.LineHeight() / 2);
    }

    TBedEdit edit;
};

TEST_F(WidgetTest, GutterWidthAndTheFirstColumn) {
    edit.Gutter().SetVisible(false);
    EXPECT_EQ(edit.GutterWidth(), 0);
    EXPECT_EQ(edit.PositionToPixels({1, 1}).x(), 2);
    edit.Gutter().SetVisible(true);
    edit.Gutter().SetShowLineNumbers(true);
    const int cw = edit.CharWidth();
    EXPECT_EQ(edit.GutterWidth(), 16 + 2 + 4 * cw + 2);
    EXPECT_EQ(edit.PositionToPixels({1, 1}).x(), edit.GutterWidth() + 2);
    edit.Gutter().SetShowLineNumbers(false);
    EXPECT_EQ(edit.GutterWidth(), 30);
}

TEST_F(WidgetTest, AProportionalFontGivesOnlyItsSizeAndStyle) {
    const QString family = edit.font().family();
    const int cw = edit.CharWidth();
    QFont sans(QStringLiteral("Liberation Sans"));
    sans.setPointSize(20);
    edit.setFont(sans);
    EXPECT_EQ(edit.font().family(), family);
    EXPECT_EQ(edit.font().pointSize(), 20);
    EXPECT_GT(edit.CharWidth(), cw);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPointSize(8);
    edit.setFont(mono);
    EXPECT_LT(edit.CharWidth(), cw);
}

TEST_F(WidgetTest, GutterDigitsGrowWithAutoSize) {
    edit.Gutter().SetShowLineNumbers(true);
    edit.Gutter().SetAutoSize(true);
    std::vector<std::string> many(12345, "x");
    edit.Lines().AddStrings(many);
    EXPECT_EQ(edit.GutterWidth(), 16 + 2 + 5 * edit.CharWidth() + 2);
    edit.Gutter().SetAutoSize(false);
    EXPECT_EQ(edit.GutterWidth(), 16 + 2 + 4 * edit.CharWidth() + 2);
    edit.Gutter().SetDigitCount(1);  // clamped to 2
    EXPECT_EQ(edit.GutterWidth(), 16 + 2 + 2 * edit.CharWidth() + 2);
}

TEST_F(WidgetTest, GutterEdgeLinesAndColour) {
    edit.Gutter().SetColor(kGreen);
    SetText({"a"});
    const QImage img = Shot();
    const int gw = edit.GutterWidth();
    EXPECT_EQ(At(img, 1, 1), QColor(0, 255, 0));
    EXPECT_EQ(At(img, gw - 2, 5).rgb(), edit.palette().color(QPalette::Light).rgb());
    EXPECT_EQ(At(img, gw - 1, 5).rgb(), edit.palette().color(QPalette::Mid).rgb());
    EXPECT_EQ(At(img, gw + 1, 5), QColor(Qt::white));  // the margin has the text's background
}

TEST_F(WidgetTest, RightEdgeIsDrawnUnlessItsColourIsNone) {
    SetText({"abc"});
    edit.SetRightEdge(10);
    edit.SetRightEdgeColor(kRed);
    const int x = edit.PositionToPixels({11, 1}).x();
    QImage img = Shot();
    EXPECT_EQ(At(img, x, 2), QColor(255, 0, 0));
    EXPECT_EQ(At(img, x, 300), QColor(255, 0, 0));  // below the last line too
    EXPECT_EQ(At(img, x + 1, 300), QColor(Qt::white));
    edit.SetRightEdgeColor(clNone);
    img = Shot();
    EXPECT_EQ(At(img, x, 300), QColor(Qt::white));
}

TEST_F(WidgetTest, SelectionColoursInEveryMode) {
    SetText({"abcdefgh", "ab", "abcdefgh"});
    edit.SetSelFrom({3, 1});
    edit.SetSelTo({5, 3});
    QImage img = Shot();
    EXPECT_EQ(Cell(img, {2, 1}), QColor(Qt::white));
    EXPECT_EQ(Cell(img, {3, 1}), QColor(0, 0, 255));
    EXPECT_EQ(Cell(img, {20, 1}), QColor(0, 0, 255));  // through the line break
    EXPECT_EQ(Cell(img, {1, 2}), QColor(0, 0, 255));
    EXPECT_EQ(Cell(img, {4, 3}), QColor(0, 0, 255));
    EXPECT_EQ(Cell(img, {5, 3}), QColor(Qt::white));

    edit.SetSelectionMode(smColumn);
    edit.SetSelFrom({3, 1});
    edit.SetSelTo({6, 3});
    img = Shot();
    EXPECT_EQ(Cell(img, {2, 2}), QColor(Qt::white));
    EXPECT_EQ(Cell(img, {4, 2}), QColor(0, 0, 255));  // past the end of the short line
    EXPECT_EQ(Cell(img, {6, 2}), QColor(Qt::white));

    edit.SetSelectionMode(smLine);
    edit.SetSelFrom({3, 2});
    edit.SetSelTo({4, 2});
    img = Shot();
    EXPECT_EQ(Cell(img, {1, 1}), QColor(Qt::white));
    EXPECT_EQ(Cell(img, {1, 2}), QColor(0, 0, 255));
    EXPECT_EQ(Cell(img, {30, 2}), QColor(0, 0, 255));
}

TEST_F(WidgetTest, SpecialLineColoursExchangeForTheSelection) {
    SetText({"abcdef", "abcdef"});
    edit.OnSpecialLineColors = [](int line, int32_t& fg, int32_t& bg) {
        if (line != 2) return false;
        fg = kRed;
        bg = kGreen;
        return true;
    };
    edit.SetSelFrom({1, 2});
    edit.SetSelTo({3, 2});
    const QImage img = Shot();
    EXPECT_EQ(Cell(img, {1, 2}), QColor(255, 0, 0));  // selected: the foreground as background
    EXPECT_EQ(Cell(img, {4, 2}), QColor(0, 255, 0));
    EXPECT_EQ(Cell(img, {4, 1}), QColor(Qt::white));
}

TEST_F(WidgetTest, HighlighterWhitespaceBackgroundAndBoldGrid) {
    SetText({"one two three"});
    TTestHighlighter hl;
    hl.SpaceAttri()->SetBackground(kYellow);
    edit.SetHighlighter(&hl);
    const QImage img = Shot();
    EXPECT_EQ(Cell(img, {4, 1}), QColor(255, 255, 0));  // the blank between words
    EXPECT_EQ(At(img, 300, 300), QColor(255, 255, 0));  // and the area below the text
    edit.SetHighlighter(nullptr);
}

TEST_F(WidgetTest, TextAfterWhereTheScannerStoppedIsStillShown) {
    edit.Lines().Add(std::string("ab\0cd", 5));
    TTestHighlighter hl;
    edit.SetHighlighter(&hl);
    EXPECT_TRUE(HasInk(Shot(), {4, 1}));
    edit.SetHighlighter(nullptr);
}

TEST_F(WidgetTest, CaretShapesFollowTheMode) {
    SetText({"abc"});
    QApplication::processEvents();
    edit.SetCaretXY({2, 1});
    const QPoint cell = edit.PositionToPixels({2, 1});
    const int lh = edit.LineHeight();
    EXPECT_EQ(edit.CaretRect(), QRect(cell.x() - 1, cell.y(), 2, lh - 2));
    edit.SetInsertMode(false);
    EXPECT_EQ(edit.CaretRect(), QRect(cell.x(), cell.y(), edit.CharWidth(), lh - 2));
    edit.SetOptions(edit.Options().With(eoNoCaret));
    EXPECT_TRUE(edit.CaretRect().isEmpty());
}

TEST_F(WidgetTest, ClicksMapPixelsToPositionsWithTabs) {
    SetText({"\tx", "second line"});
    const QPoint ninth = edit.PositionToPixels({2, 1});  // x starts in the ninth cell
    ASSERT_EQ(ninth.x(), edit.PositionToPixels({1, 1}).x() + 8 * edit.CharWidth());
    Click(edit.viewport(), {}, ninth + QPoint(1, 3));
    EXPECT_EQ(edit.CaretXY(), (TBedPoint{2, 1}));
    Click(edit.viewport(), {}, ninth + QPoint(edit.CharWidth() - 2, 3));
    EXPECT_EQ(edit.CaretXY(), (TBedPoint{3, 1}));
    Click(edit.viewport(), Qt::ShiftModifier, CellCentre({3, 2}));
    EXPECT_EQ(edit.SelFrom(), (TBedPoint{3, 1}));
    EXPECT_EQ(edit.SelTo(), (TBedPoint{4, 2}));
}

TEST_F(WidgetTest, AltDragMakesAColumnSelectionAndAPlainClickEndsIt) {
    SetText({"abcdefgh", "abcdefgh", "abcdefgh"});
    edit.SetOptions(edit.Options().With(eoAltSetsColumnMode));
    Mouse(edit.viewport(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::AltModifier,
          CellCentre({2, 1}) - QPoint(2, 0));
    Mouse(edit.viewport(), QEvent::MouseMove, Qt::NoButton, Qt::AltModifier, CellCentre({5, 3}) - QPoint(2, 0));
    Mouse(edit.viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::AltModifier,
          CellCentre({5, 3}) - QPoint(2, 0));
    EXPECT_EQ(edit.SelectionMode(), smColumn);
    EXPECT_EQ(edit.SelectedText(), "bcd\r\nbcd\r\nbcd");
    Click(edit.viewport(), {}, CellCentre({1, 1}));
    EXPECT_EQ(edit.SelectionMode(), smNormal);
    EXPECT_FALSE(edit.HasSelection());
}

TEST_F(WidgetTest, RightButtonKeepsASelectionForThePopupMenu) {
    SetText({"hello world"});
    edit.SetSelFrom({1, 1});
    edit.SetSelTo({6, 1});
    Mouse(edit.viewport(), QEvent::MouseButtonPress, Qt::RightButton, {}, CellCentre({9, 1}));
    Mouse(edit.viewport(), QEvent::MouseButtonRelease, Qt::RightButton, {}, CellCentre({9, 1}));
    EXPECT_EQ(edit.SelectedText(), "hello");
    edit.SetSelFrom({1, 1});
    Mouse(edit.viewport(), QEvent::MouseButtonPress, Qt::RightButton, {}, CellCentre({9, 1}) - QPoint(2, 0));
    EXPECT_EQ(edit.CaretXY(), (TBedPoint{9, 1}));
}

TEST_F(WidgetTest, DoubleClickSelectsAWordAndGutterClicksReport) {
    SetText({"hello world", "second", "third"});
    DoubleClick(edit.viewport(), CellCentre({8, 1}));
    EXPECT_EQ(edit.SelectedText(), "world");
    edit.Gutter().SetVisible(true);
    edit.Gutter().SetWidth(40);
    // A bookmark and a plain mark side by side on line 2, the bookmark first.
    TBedEditMark* plain = edit.Marks().Add(std::make_unique<TBedEditMark>());
    plain->SetLine(2);
    edit.PlaceBookmark(1, 1, 2);
    TBedEditMark* bookmark = &edit.Marks().Items(1);
    ASSERT_TRUE(bookmark->IsBookmark());
    std::vector<std::pair<int, TBedEditMark*>> clicks;
    edit.OnGutterClick = [&](int, int, int line, TBedEditMark* mark) { clicks.emplace_back(line, mark); };
    const int lh = edit.LineHeight();
    Click(edit.viewport(), {}, QPoint(3, lh / 2));
    Click(edit.viewport(), {}, QPoint(5, lh + lh / 2));
    Click(edit.viewport(), {}, QPoint(20, lh + lh / 2));
    Click(edit.viewport(), {}, QPoint(5, 5 * lh + lh / 2));  // below the last line
    EXPECT_EQ(clicks, (std::vector<std::pair<int, TBedEditMark*>>{{1, nullptr}, {2, bookmark}, {2, plain}}));
    // Pressing in the gutter and dragging into the text selects whole lines.
    Mouse(edit.viewport(), QEvent::MouseButtonPress, Qt::LeftButton, {}, QPoint(5, lh / 2));
    Mouse(edit.viewport(), QEvent::MouseMove, Qt::NoButton, {}, CellCentre({3, 2}));
    Mouse(edit.viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, {}, CellCentre({3, 2}));
    EXPECT_EQ(edit.SelectedText(), "hello world\r\nsecond\r\n");
    EXPECT_EQ(clicks.size(), 3u);  // a drag is no click
}

TEST_F(WidgetTest, TypingTakesCp1250AndRefusesTheRest) {
    SetText({""});
    Type(&edit, QString::fromUtf8("žluť"));
    EXPECT_EQ(edit.Lines().Get(0), "\x9Elu\x9D");
    Type(&edit, QString::fromUtf8("Ж"));  // no such letter in CP 1250
    EXPECT_EQ(edit.Lines().Get(0), "\x9Elu\x9D");
    QInputMethodEvent composing(QString::fromUtf8("ča"), {});
    QApplication::sendEvent(&edit, &composing);
    EXPECT_EQ(edit.Lines().Get(0), "\x9Elu\x9D");  // shown, not yet typed
    EXPECT_TRUE(HasInk(Shot(), {6, 1}));
    QInputMethodEvent ime;
    ime.setCommitString(QString::fromUtf8("čaj"));
    QApplication::sendEvent(&edit, &ime);
    EXPECT_EQ(edit.Lines().Get(0),
              "\x9Elu\x9D\xE8"
              "aj");
    const QRect r = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_EQ(r.topLeft(), edit.PositionToPixels(edit.CaretXY()) + edit.viewport()->pos());
}

TEST_F(WidgetTest, EnterBreaksTheLineOnce) {
    SetText({"ab"});
    edit.SetCaretXY({2, 1});
    Key(&edit, Qt::Key_Return, "\r");
    ASSERT_EQ(edit.Lines().Count(), 2);
    EXPECT_EQ(edit.Lines().Get(1), "b");
}

TEST_F(WidgetTest, HiddenSelectionWithoutFocus) {
    SetText({"abcdef"});
    edit.SetSelFrom({1, 1});
    edit.SetSelTo({4, 1});
    edit.SetHideSelection(true);
    QWidget other;
    other.show();
    other.setFocus();
    edit.clearFocus();
    EXPECT_EQ(Cell(Shot(), {2, 1}), QColor(Qt::white));
    edit.SetHideSelection(false);
    EXPECT_EQ(Cell(Shot(), {2, 1}), QColor(0, 0, 255));
}

TEST_F(WidgetTest, DroppedFilesAndForeignText) {
    SetText({"abcdef"});
    edit.SetOptions(edit.Options().With(eoDropFiles));
    std::vector<std::string> files;
    edit.OnDropFiles = [&](int, int, const std::vector<std::string>& names) { files = names; };
    auto drop = [&](QMimeData& data, QPoint at) {
        // Qt delivers a drop only to the widget that accepted the drag's entry.
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(edit.viewport(), &enter);
        QDropEvent e(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(edit.viewport(), &e);
    };
    QMimeData uris;
    uris.setUrls({QUrl::fromLocalFile("/tmp/a b.txt"), QUrl("https://example.invalid/x")});
    drop(uris, CellCentre({1, 1}));
    EXPECT_EQ(files, std::vector<std::string>{"/tmp/a b.txt"});

    QMimeData text;
    text.setText(QString::fromUtf8("ří"));
    drop(text, CellCentre({3, 1}) - QPoint(2, 0));
    EXPECT_EQ(edit.Lines().Get(0),
              "ab\xF8\xED"
              "cdef");
    text.setText(QString::fromUtf8("Ж"));  // no CP 1250 letter: nothing at all is dropped
    drop(text, CellCentre({1, 1}));
    EXPECT_EQ(edit.Lines().Get(0),
              "ab\xF8\xED"
              "cdef");
}

// The loader keeps NUL bytes as characters; the system clipboard carries them both ways.
TEST_F(WidgetTest, NulBytesGoThroughTheSystemClipboard) {
    TBedEditSystemClipboard system;
    edit.SetClipboard(&system);
    const std::string line("a\0b", 3);
    edit.Lines().Add(line);
    Key(&edit, Qt::Key_A, {}, Qt::ControlModifier);
    Key(&edit, Qt::Key_X, {}, Qt::ControlModifier);
    EXPECT_EQ(edit.Lines().Get(0), "");
    Key(&edit, Qt::Key_V, {}, Qt::ControlModifier);
    Key(&edit, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(edit.Lines().Get(0), line + line);
    // Plain text from another program.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\xC5\xBE\0z", 4));
    Key(&edit, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(edit.Lines().Get(0), line + line + std::string("\x9E\0z", 3));
    edit.SetClipboard(nullptr);
}

TEST_F(WidgetTest, TabGoesToTheTextOnlyWithWantTabs) {
    SetText({""});
    Key(&edit, Qt::Key_Tab, "\t");
    EXPECT_EQ(edit.CaretX(), 1);
    edit.SetWantTabs(true);
    Key(&edit, Qt::Key_Tab, "\t", Qt::ControlModifier);
    EXPECT_EQ(edit.CaretX(), 1);
    Key(&edit, Qt::Key_Tab, "\t");
    EXPECT_GT(edit.CaretX(), 1);
}

TEST_F(WidgetTest, WheelAccumulatesAndCtrlScrollsPages) {
    std::vector<std::string> many(1000, "line");
    edit.Lines().AddStrings(many);
    auto wheel = [&](int delta, Qt::KeyboardModifiers mods = {}) {
        QWheelEvent e(QPointF(50, 50), edit.mapToGlobal(QPointF(50, 50)), {}, {0, delta}, Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit.viewport(), &e);
    };
    wheel(-120);
    EXPECT_EQ(edit.FirstVisibleLine(), 4);
    wheel(-60);
    EXPECT_EQ(edit.FirstVisibleLine(), 4);
    wheel(-60);
    EXPECT_EQ(edit.FirstVisibleLine(), 7);
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(edit.FirstVisibleLine(), 7 + edit.LinesInWindow());
}

TEST_F(WidgetTest, ScrollingByMovingPixelsShowsWhatARepaintShows) {
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i) lines.push_back("line " + std::to_string(i) + std::string(size_t(i % 37), 'x'));
    edit.Lines().AddStrings(lines);
    edit.Gutter().SetShowLineNumbers(true);
    edit.SetOptions(edit.Options().With(eoNoCaret));  // no blinking between the two pictures
    auto screen = [&] {
        QApplication::processEvents();
        return edit.screen()->grabWindow(edit.winId()).toImage();
    };
    screen();
    edit.SetFirstVisibleLine(4);  // moves the pixels up
    edit.SetFirstVisibleLine(2);  // and down again
    const QImage moved = screen();
    edit.viewport()->update();
    const QImage repainted = screen();
    ASSERT_FALSE(moved.isNull());
    EXPECT_TRUE(moved == repainted);
}

TEST_F(WidgetTest, ThumbAtTheEndShowsTheLastLinesOfAHugeText) {
    std::vector<std::string> many(100000, "line");
    edit.Lines().AddStrings(many);
    QScrollBar* bar = edit.verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(bar->maximum());
    bar->setSliderDown(false);
    EXPECT_EQ(edit.FirstVisibleLine() + edit.LinesInWindow() - 1, 100000);
    bar->setSliderDown(true);
    bar->triggerAction(QAbstractSlider::SliderMove);
    auto* hint = edit.findChild<QLabel*>();
    ASSERT_TRUE(hint && hint->isVisible());
    EXPECT_EQ(hint->text(), QString("Top Line: %1").arg(edit.FirstVisibleLine()));
    bar->setSliderDown(false);
    EXPECT_FALSE(hint->isVisible());
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(edit.FirstVisibleLine() + 2 * edit.LinesInWindow() - 1, 100000);
    edit.SetOptions(edit.Options().With(eoScrollByOneLess));
    const int top = edit.FirstVisibleLine();
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(edit.FirstVisibleLine(), top - edit.LinesInWindow() + 1);
}

}  // namespace
