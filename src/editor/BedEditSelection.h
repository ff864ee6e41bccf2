#pragma once
// The block: its two ends as they were set (the anchor and the end the caret moves), and the
// mode it is read in (normal, lines, columns). What follows from them alone lives here; the
// component keeps them within its lines and repaints what changes. Qt-free.
#include "BedEditTypes.h"

#include <algorithm>

struct TBedEditSelection {
    TBedPoint begin;  // the anchor
    TBedPoint end;
    TBedSelectionMode mode = smNormal;

    bool HasBlock() const { return begin != end; }
    // The ends in text order.
    TBedPoint From() const { return PointBefore(end, begin) ? end : begin; }
    TBedPoint To() const { return PointBefore(end, begin) ? begin : end; }
    // A column block of no width over several lines: a caret on each of them.
    bool ColumnCarets() const { return mode == smColumn && begin.X == end.X && begin.Y != end.Y; }
    bool Contains(TBedPoint p) const {
        if (!HasBlock()) return false;
        const TBedPoint b = From(), e = To();
        if (p.Y < b.Y || p.Y > e.Y) return false;
        switch (mode) {
            case smLine: return true;
            case smColumn: return p.X >= std::min(b.X, e.X) && p.X < std::max(b.X, e.X);
            case smNormal: return !(p.Y == b.Y && p.X < b.X) && !(p.Y == e.Y && p.X >= e.X);
        }
        return false;
    }
};
