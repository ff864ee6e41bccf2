#pragma once
// Types shared by every layer of the editing component. Qt-free.
#include <cstdint>
#include <stdexcept>
#include <string>

// A text position: X is the character position in the stored line (a tab is one character),
// Y the line number; both count from 1.
struct TBedPoint {
    int X = 1;
    int Y = 1;
    friend bool operator==(const TBedPoint&, const TBedPoint&) = default;
};

inline bool PointBefore(const TBedPoint& a, const TBedPoint& b) { return a.Y < b.Y || (a.Y == b.Y && a.X < b.X); }

// A run of a line: 0-based offset and length.
struct TBedTextSpan {
    int start = 0;
    int length = 0;
    friend bool operator==(const TBedTextSpan&, const TBedTextSpan&) = default;
};

class TBedHighlighterAttributes;
// A token of a line as the highlighter gave it (null attribute: the editor's own colours).
struct TBedLineToken {
    TBedTextSpan span;
    const TBedHighlighterAttributes* attribute = nullptr;
};

enum TBedSelectionMode : uint8_t { smNormal = 0, smLine = 1, smColumn = 2 };

// The highlighter's state at the start of a line: opaque, compared only for equality.
using TBedRange = intptr_t;
constexpr TBedRange kNoRange = -1;

// Calls Begin on an object for a scope and End when the scope is left, also by an exception:
// the update bracket of the lines, the paint lock, an undo group.
template <typename T, void (T::*Begin)(), void (T::*End)()>
class TBedScope {
public:
    explicit TBedScope(T& object) : object_(object) { (object_.*Begin)(); }
    ~TBedScope() { (object_.*End)(); }
    TBedScope(const TBedScope&) = delete;
    TBedScope& operator=(const TBedScope&) = delete;

private:
    T& object_;
};
