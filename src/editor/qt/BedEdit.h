#pragma once
// The editing component as a Qt widget: the view of TCustomBedEdit. It paints the fixed
// character grid, the gutter and the caret, maps mouse, keyboard, wheel, input method and
// drops onto the component, and keeps the scroll bars in step with its scroll position.
#include "BedEditCaret.h"
#include "BedEditColors.h"
#include "BedEditCore.h"
#include "BedEditGeometry.h"
#include "BedEditFontGrid.h"
#include "BedEditGutter.h"
#include "BedEditTextOffsets.h"
#include "BedEditTextPainter.h"

#include "BedTextContrast.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <functional>
#include <unordered_map>

class QLabel;
class QMenu;
class QMimeData;

struct TBedSelectedColor {
    TColor Background = clHighlight;
    TColor Foreground = clHighlightText;
};

// Scoped: the shift state has an ssNone of its own.
enum class TBedScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBedBorderStyle : uint8_t { bsNone, bsSingle };

class TBedEdit : public QAbstractScrollArea, public TCustomBedEdit {
    Q_OBJECT
public:
    explicit TBedEdit(QWidget* parent = nullptr);
    ~TBedEdit() override;

    // The font is QWidget::font(). A proportional font is not taken: the editor keeps its
    // fixed family and takes only the size and style of the one asked for.
    int32_t FontColor() const { return fontColor_; }
    void SetFontColor(int32_t color);
    int32_t Color() const { return color_; }
    void SetColor(int32_t color);
    TBedSelectedColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TBedSelectedColor color);
    int32_t RightEdgeColor() const { return rightEdgeColor_; }
    void SetRightEdgeColor(int32_t color);
    int ExtraLineSpacing() const { return extraLineSpacing_; }
    void SetExtraLineSpacing(int pixels);
    TBedCaretType InsertCaret() const { return insertCaret_; }
    void SetInsertCaret(TBedCaretType type);
    TBedCaretType OverwriteCaret() const { return overwriteCaret_; }
    void SetOverwriteCaret(TBedCaretType type);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    TBedScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TBedScrollStyle value);
    TBedBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBedBorderStyle value);
    TBedGutter& Gutter() { return gutter_; }
    const TBedGutter& Gutter() const { return gutter_; }
    // Shown on a right-button release; not owned.
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    int CharWidth() const { return metrics_.charWidth; }
    int LineHeight() const { return metrics_.lineHeight; }
    int GutterWidth() const { return metrics_.gutterWidth; }
    // Viewport pixels <-> text positions.
    TBedPoint PixelsToPosition(int x, int y) const;
    QPoint PositionToPixels(TBedPoint p) const;
    // Where the caret is drawn, in viewport pixels (empty when hidden).
    QRect CaretRect() const { return caret_.Rect(); }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // (line, foreground, background): true when the line has colours of its own.
    std::function<bool(int, int32_t&, int32_t&)> OnSpecialLineColors;
    // (x, y, line, the line's first mark or null) of a click released in the gutter.
    std::function<void(int, int, int, TBedEditMark*)> OnGutterClick;
    // After the component painted, with the painter still set up.
    std::function<void(QPainter&)> OnPaint;
    // (line, its tab-expanded text, the highlighter's tokens in the painted columns, the runs
    // of the text to underline with a red wave): asked for every line as it is painted.
    std::function<void(int, std::string_view, const std::vector<TBedLineToken>&, std::vector<TBedTextSpan>&)>
        OnUnderlines;
    // Where the last context menu was asked for: the mouse's text position, else the caret.
    TBedPoint ContextMenuPosition() const { return contextMenuPosition_; }

protected:
    // View hooks of the component.
    void InvalidateLines(int first, int last) override;
    void InvalidateGutterLines(int first, int last) override;
    void UpdateScrollBars() override;
    void UpdateCaret() override;
    void TopLineChanged(int oldTopLine) override;
    void LeftCharChanged() override;
    void CaretShapeChanged() override;
    void HighlighterMetricsChanged() override;
    void OptionsChanged(TBedEditorOptions oldOptions) override;

    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    bool HasOption(TBedEditorOption o) const { return Options().Contains(o); }
    std::vector<TBedGutterMark> GutterMarks();
    TBedGutterMarkLayout GutterMarkLayout() const;

    // Geometry
    void Remeasure();
    void RecalcSizes();
    QRect TextAreaRect() const;
    QRect LinesRect(int first, int last, int left, int right) const;
    bool InTextArea(const QPoint& p) const;

    // Painting
    void PaintText(QPainter& p, const QRect& clip);
    void PaintGutterArea(QPainter& p, const QRect& clip);
    void CollectTokens(TBedCustomHighlighter& hl, int line, std::string_view text, int firstColumn, int lastColumn,
                       const TBedLineColors& colors, bool special, std::vector<TBedPaintToken>& tokens);
    // The red waves under the runs OnUnderlines gives for a line at pixel row top.
    void CollectUnderlines(int line, int top, std::string_view text, std::vector<QRect>& waves);
    QColor Background() const;
    QColor ToQColor(int32_t color) const { return BedColorToQColor(color, palette()); }
    // A highlighter attribute's colours (clNone: the editor's) made readable on the editor's
    // background, light or dark; remembered until the palette changes.
    TBedTokenColors AttributeColors(TColor foreground, TColor background, const QColor& editorForeground,
                                    const QColor& editorBackground);
    std::unordered_map<uint64_t, TBedTokenColors> attributeColors_;
    TBedTokenColors attributeColorsOn_{clNone, clNone};  // the editor's colours they are for
    int FontStyle() const;

    // Scrolling
    void ScrollBarAction(Qt::Orientation o, int action);
    void ScrollBarValueChanged(Qt::Orientation o, int value);
    void ShowScrollHint(bool show);
    int PageLines() const;

    // Tells a screen reader of a moved caret, a changed selection and changed text, by what
    // changed since it was last told (only while one listens).
    void NotifyAccessibility();
    TBedCaretLineState accessible_;

    // The input method's text being composed, shown over the text at the caret.
    void PaintPreedit(QPainter& p);

    // Mouse
    void PressAt(const QPoint& pos, bool left, Qt::KeyboardModifiers modifiers);
    void AutoScrollTick();
    void StartBlockDrag();
    void UpdateMouseCursor(const QPoint& p);
    void DropText(const QMimeData* data, TBedPoint target);

    TBedFontGrid grid_;
    TBedGridMetrics metrics_;
    TBedGutter gutter_;
    TBedCaret caret_;
    TColor fontColor_ = clWindowText;
    TColor color_ = clWindow;
    TBedSelectedColor selectedColor_;
    TColor rightEdgeColor_ = clSilver;
    int extraLineSpacing_ = 0;
    TBedCaretType insertCaret_ = ctVerticalLine;
    TBedCaretType overwriteCaret_ = ctBlock;
    bool hideSelection_ = false;
    TBedScrollStyle scrollBars_ = TBedScrollStyle::ssBoth;
    TBedBorderStyle borderStyle_ = bsSingle;
    QMenu* popupMenu_ = nullptr;
    TBedPoint contextMenuPosition_;
    std::vector<TBedLineToken> lineTokens_;  // of the line being painted, for OnUnderlines
    std::vector<TBedTextSpan> underlines_;

    QString preedit_;
    bool settingScrollBars_ = false;
    QLabel* scrollHint_ = nullptr;
    TBedWheelAccumulator wheel_;
    TBedWheelAccumulator wheelX_;

    QTimer autoScrollTimer_;
    int autoScrollX_ = 0;
    int autoScrollY_ = 0;
    QPoint mouseDownPos_;
    QPoint lastMousePos_;
    bool leftButtonDown_ = false;
    bool waitForDragging_ = false;
    bool doubleClicked_ = false;
    bool gutterClick_ = false;
    int gutterLine_ = 0;       // the line a press in the gutter was on
    bool gutterDrag_ = false;  // the press went on to select whole lines
};
