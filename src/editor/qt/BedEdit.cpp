#include "BedEdit.h"

#include "BedEditAccessible.h"
#include "BedEditDrag.h"
#include "BedEditTextOffsets.h"
#include "BedHighlighter.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>

TBedEdit::TBedEdit(QWidget* parent) : QAbstractScrollArea(parent), caret_(viewport()) {
    resize(200, 150);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);  // drag events reach the scroll area only through its viewport
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    gutter_.editorHook_ = [this] { RecalcSizes(); };

    for (const Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar* bar = o == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
        connect(bar, &QScrollBar::actionTriggered, this, [this, o](int action) { ScrollBarAction(o, action); });
        connect(bar, &QScrollBar::valueChanged, this, [this, o](int value) { ScrollBarValueChanged(o, value); });
    }
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] { ShowScrollHint(false); });
    autoScrollTimer_.setInterval(100);
    connect(&autoScrollTimer_, &QTimer::timeout, this, [this] { AutoScrollTick(); });

    // Screen readers find the widget's text interface through the factory, once per program.
    static const bool accessible = [] {
        QAccessible::installFactory(BedEditAccessibleFactory);
        return true;
    }();
    (void)accessible;
    SetBorderStyle(bsSingle);
    setFont(DefaultEditorFont());
    Remeasure();
}

TBedEdit::~TBedEdit() = default;

void TBedEdit::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() != QEvent::FontChange) return;
    const QFont taken = FixedPitchFont(font(), grid_.BaseFont());
    if (taken != font()) {
        setFont(taken);  // comes back here with a fixed-pitch font
        return;
    }
    grid_.SetBaseFont(taken);
    Remeasure();
}

void TBedEdit::SetFontColor(int32_t color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    viewport()->update();
}

void TBedEdit::SetColor(int32_t color) {
    if (color == color_) return;
    color_ = color;
    viewport()->update();
}

void TBedEdit::SetSelectedColor(TBedSelectedColor color) {
    selectedColor_ = color;
    viewport()->update();
}

void TBedEdit::SetRightEdgeColor(int32_t color) {
    if (color == rightEdgeColor_) return;
    rightEdgeColor_ = color;
    const int x = metrics_.ColumnX(RightEdge() + 1);
    viewport()->update(x - 1, 0, 2, viewport()->height());
}

void TBedEdit::SetExtraLineSpacing(int pixels) {
    extraLineSpacing_ = std::max(0, pixels);
    Remeasure();
}

void TBedEdit::SetInsertCaret(TBedCaretType type) {
    insertCaret_ = type;
    UpdateCaret();
}

void TBedEdit::SetOverwriteCaret(TBedCaretType type) {
    overwriteCaret_ = type;
    UpdateCaret();
}

void TBedEdit::SetHideSelection(bool value) {
    if (value == hideSelection_) return;
    hideSelection_ = value;
    if (HasSelection()) viewport()->update();
}

void TBedEdit::SetScrollBars(TBedScrollStyle value) {
    scrollBars_ = value;
    const bool h = value == TBedScrollStyle::ssHorizontal || value == TBedScrollStyle::ssBoth;
    const bool v = value == TBedScrollStyle::ssVertical || value == TBedScrollStyle::ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    UpdateScrollBars();
}

void TBedEdit::SetBorderStyle(TBedBorderStyle value) {
    borderStyle_ = value;
    setFrameStyle(value == bsSingle ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
}

// Bold and italic tokens must fit the same grid as plain ones.
void TBedEdit::Remeasure() {
    bool bold = grid_.BaseFont().bold();
    bool italic = grid_.BaseFont().italic();
    if (TBedCustomHighlighter* hl = Highlighter()) {
        bold = italic = false;
        for (int i = 0; i < hl->AttributeCount(); ++i) {
            const TFontStyles s = hl->AttributeAt(i)->Style();
            bold = bold || (s & fsBold);
            italic = italic || (s & fsItalic);
        }
    }
    grid_.Measure(bold, italic);
    metrics_.charWidth = grid_.CharWidth();
    metrics_.lineHeight = grid_.CharHeight() + extraLineSpacing_;
    RecalcSizes();
    CaretShapeChanged();
}

void TBedEdit::RecalcSizes() {
    gutter_.AutoSizeDigits(Lines().Count());
    metrics_.gutterWidth = gutter_.RealWidth(metrics_.charWidth);
    metrics_.firstVisibleLine = FirstVisibleLine();
    metrics_.firstVisibleChar = FirstVisibleChar();
    SetWindowSize(metrics_.LinesInWindow(viewport()->height()), metrics_.VisibleColumns(viewport()->width()));
    metrics_.firstVisibleLine = FirstVisibleLine();
    metrics_.firstVisibleChar = FirstVisibleChar();
    UpdateScrollBars();
    UpdateCaret();
    viewport()->update();
}

QRect TBedEdit::TextAreaRect() const {
    return QRect(metrics_.gutterWidth, 0, std::max(0, viewport()->width() - metrics_.gutterWidth),
                 viewport()->height());
}

QRect TBedEdit::LinesRect(int first, int last, int left, int right) const {
    if (first > last) std::swap(first, last);
    const int top = FirstVisibleLine();
    first = std::max(first, top);
    last = std::min(last, top + LinesInWindow());
    if (first > last) return {};
    return QRect(QPoint(left, metrics_.LineTop(first)), QPoint(right, metrics_.LineTop(last + 1) - 1));
}

bool TBedEdit::InTextArea(const QPoint& p) const { return p.x() >= metrics_.TextLeft(); }

TBedPoint TBedEdit::PixelsToPosition(int x, int y) const {
    const int row = PixelToRow(metrics_, y, viewport()->height());
    return {Lines().CharPosAtColumns(row - 1, PixelToColumnCount(metrics_, x)), row};
}

QPoint TBedEdit::PositionToPixels(TBedPoint p) const {
    return {metrics_.ColumnX(Lines().DisplayColumn(p.Y - 1, p.X)), metrics_.LineTop(p.Y)};
}

void TBedEdit::InvalidateLines(int first, int last) {
    NotifyAccessibility();
    if (first == -1 && last == -1)
        viewport()->update(TextAreaRect());
    else
        viewport()->update(LinesRect(first, last, metrics_.gutterWidth, viewport()->width()));
}

void TBedEdit::InvalidateGutterLines(int first, int last) {
    if (metrics_.gutterWidth <= 0) return;
    if (gutter_.AutoSizeDigits(Lines().Count())) {
        RecalcSizes();
        return;
    }
    if (first == -1 && last == -1)
        viewport()->update(0, 0, metrics_.gutterWidth, viewport()->height());
    else
        viewport()->update(LinesRect(first, last, 0, metrics_.gutterWidth - 1));
}

void TBedEdit::UpdateCaret() {
    metrics_.firstVisibleLine = FirstVisibleLine();
    metrics_.firstVisibleChar = FirstVisibleChar();
    const TBedRectI shape =
        CaretShapeRect(InsertMode() ? insertCaret_ : overwriteCaret_, metrics_.charWidth, metrics_.lineHeight);
    const QPoint cell = PositionToPixels(CaretXY());
    const QRect r(cell.x() + shape.x, cell.y() + shape.y, shape.width, shape.height);
    const bool inside = cell.x() >= metrics_.TextLeft() && cell.x() < viewport()->width() && cell.y() >= 0 &&
                        cell.y() < viewport()->height();
    caret_.Place(inside && !HasOption(eoNoCaret) ? r : QRect());
    if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
    NotifyAccessibility();
}

void TBedEdit::CaretShapeChanged() { UpdateCaret(); }

void TBedEdit::NotifyAccessibility() {
    if (!QAccessible::isActive()) return;
    TBedCaretLineState now = BedCaretLineState(Lines(), CaretXY(), HasSelection(), SelFrom(), SelTo());
    if (const auto change = BedTextChangeBetween(accessible_, now)) {
        const int at = int(change->offset);
        const QString removed = Cp1250TextToUnicode(change->removed);
        const QString inserted = Cp1250TextToUnicode(change->inserted);
        if (removed.isEmpty()) {
            QAccessibleTextInsertEvent e(this, at, inserted);
            QAccessible::updateAccessibility(&e);
        } else if (inserted.isEmpty()) {
            QAccessibleTextRemoveEvent e(this, at, removed);
            QAccessible::updateAccessibility(&e);
        } else {
            QAccessibleTextUpdateEvent e(this, at, removed, inserted);
            QAccessible::updateAccessibility(&e);
        }
    }
    if (now.selFrom != accessible_.selFrom || now.selTo != accessible_.selTo) {
        QAccessibleTextSelectionEvent e(this, int(now.selFrom), int(now.selTo));
        QAccessible::updateAccessibility(&e);
    }
    if (now.caret != accessible_.caret) {
        QAccessibleTextCursorEvent e(this, int(now.caret));
        QAccessible::updateAccessibility(&e);
    }
    accessible_ = std::move(now);
}

void TBedEdit::HighlighterMetricsChanged() { Remeasure(); }

void TBedEdit::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    RecalcSizes();
}

void TBedEdit::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    caret_.SetActive(true);
    UpdateCaret();
    if (hideSelection_ && HasSelection()) viewport()->update();
}

void TBedEdit::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    caret_.SetActive(false);
    if (hideSelection_ && HasSelection()) viewport()->update();
}

void TBedEdit::OptionsChanged(TBedEditorOptions) {
    UpdateScrollBars();
    UpdateCaret();
    viewport()->update();
}

TBedGutterMarkLayout TBedEdit::GutterMarkLayout() const {
    const TBedBookMarkOpt& bm = BookMarkOptions();
    return {bm.LeftMargin, bm.Xoffset, bm.DrawBookmarksFirst, bm.GlyphsVisible};
}

std::vector<TBedGutterMark> TBedEdit::GutterMarks() {
    std::vector<TBedGutterMark> marks;
    TBedEditMarkList& list = Marks();
    for (int i = 0; i < list.Count(); ++i) {
        const TBedEditMark& m = list.Items(i);
        if (m.Visible) marks.push_back({m.Line(), m.ImageIndex, m.IsBookmark(), &list.Items(i)});
    }
    return marks;
}
