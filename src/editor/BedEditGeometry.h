#pragma once
// The arithmetic of the editor's fixed character grid: pixels <-> positions, display columns,
// which columns of a line are selected, auto-scroll speeds, scroll ranges, gutter numbers.
// Qt-free, so the rules can be tested without a window.
#include "BedEditTypes.h"

#include <array>
#include <climits>
#include <string>
#include <string_view>

enum TBedCaretType : uint8_t { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };

struct TBedRectI {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const TBedRectI&, const TBedRectI&) = default;
};

struct TBedGridMetrics {
    int charWidth = 8;
    int lineHeight = 16;
    int gutterWidth = 0;
    int firstVisibleLine = 1;
    int firstVisibleChar = 1;

    // The text starts 2 pixels right of the gutter.
    int TextLeft() const { return gutterWidth + 2; }
    // The x of display column 1 (negative once scrolled to the right).
    int TextOffset() const { return TextLeft() - (firstVisibleChar - 1) * charWidth; }
    // Relative to the first visible column, so that a column millions of cells to the right
    // does not overflow on the way.
    int ColumnX(int column) const { return (column - firstVisibleChar) * charWidth + TextLeft(); }
    int LineTop(int line) const { return (line - firstVisibleLine) * lineHeight; }
    int VisibleColumns(int clientWidth) const;
    int LinesInWindow(int clientHeight) const;
};

// Display column (1-based) of character position x: a tab advances to the next tab stop,
// positions past the end of the line take one column each.
int CharPosToDisplayColumn(std::string_view line, int x, int tabWidth);

// Character position before which the caret goes when n columns lie left of it.
int ColumnCountToCharPos(std::string_view line, int n, int tabWidth);

// Number of columns left of pixel x, rounded half away from zero so that a click in the right
// half of a cell lands after its character.
int PixelToColumnCount(const TBedGridMetrics& g, int x);

// The line under pixel y, with y held inside a window of the given height.
int PixelToRow(const TBedGridMetrics& g, int y, int clientHeight);

TBedPoint PixelToPosition(const TBedGridMetrics& g, int x, int y, int clientHeight, std::string_view rowText,
                          int tabWidth);

// The selected display columns [start, end) of one line; full = the whole line including
// the area right of its text.
struct TBedLineSelection {
    int start = 0;
    int end = 0;
    bool full = false;
    bool Empty() const { return !full && start >= end; }
    bool Contains(int column) const { return full || (column >= start && column < end); }
};

// The selection in display columns: from/to are the normalized ends (from before to).
struct TBedSelectionColumns {
    TBedSelectionMode mode = smNormal;
    int fromLine = 0, fromColumn = 0;
    int toLine = 0, toColumn = 0;
    bool active = false;
};

TBedLineSelection LineSelection(const TBedSelectionColumns& sel, int line);

// A piece of a run [start, end) of display columns, selected or not.
struct TBedRunPart {
    int start = 0;
    int end = 0;
    bool selected = false;
};

// Splits a run at the selection's columns into at most three parts, left to right.
// Returns the number of parts written.
int SplitRunAtSelection(int start, int end, const TBedLineSelection& sel, std::array<TBedRunPart, 3>& parts);

// Auto-scroll speed while dragging outside [low, high]: 0 inside, else 1 + distance / unit,
// negative before low.
int AutoScrollAmount(int pos, int low, int high, int unit);

// Accumulates wheel deltas (120 per notch); returns the whole notches and keeps the rest.
class TBedWheelAccumulator {
public:
    int Add(int delta);
    void Reset() { remainder_ = 0; }
    int Remainder() const { return remainder_; }

private:
    int remainder_ = 0;
};

// Scroll bar values for a document of total units shown page at a time: the range is
// [1, max] so that the thumb at max shows the last page.
struct TBedScrollRange {
    int minimum = 1;
    int maximum = 1;
    int page = 1;
};
TBedScrollRange ScrollRange(int total, int page);

// The caret's rectangle relative to the top left of its cell.
TBedRectI CaretShapeRect(TBedCaretType type, int charWidth, int lineHeight);

// Line number text for the gutter: right-aligned in a field of digits characters.
std::string GutterNumberText(int line, int digits, bool zeroStart, bool leadingZeros);

// The digit count that fits every line number of a text of count lines.
int GutterDigitsFor(int count, int minimumDigits, bool zeroStart);
