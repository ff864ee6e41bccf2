// The text as one string with line feeds, as a screen reader counts it.
#include "BedEditStringList.h"
#include "BedEditTextOffsets.h"

#include <gtest/gtest.h>

TEST(TextOffsets, PositionsOffsetsAndPieces) {
    TBedEditStringList lines;
    for (const char* l : {"ab", "", "cde"}) lines.Add(l);
    EXPECT_EQ(BedTextLength(lines), 7);  // "ab\n\ncde"
    EXPECT_EQ(BedOffsetOf(lines, {1, 1}), 0);
    EXPECT_EQ(BedOffsetOf(lines, {9, 1}), 2);  // past the line's end: its end
    EXPECT_EQ(BedOffsetOf(lines, {1, 3}), 4);
    EXPECT_EQ(BedOffsetOf(lines, {4, 3}), 7);
    for (int64_t offset = 0; offset <= 7; ++offset)
        EXPECT_EQ(BedOffsetOf(lines, BedPointAt(lines, offset)), offset) << offset;
    EXPECT_EQ(BedPointAt(lines, 3), (TBedPoint{1, 2}));
    EXPECT_EQ(BedPointAt(lines, 99), (TBedPoint{4, 3}));
    EXPECT_EQ(BedTextBetween(lines, 0, 7), "ab\n\ncde");
    EXPECT_EQ(BedTextBetween(lines, 1, 5), "b\n\nc");
    EXPECT_EQ(BedTextBetween(lines, 2, 3), "\n");
    EXPECT_EQ(BedTextBetween(lines, 5, 99), "de");
    TBedEditStringList empty;
    EXPECT_EQ(BedTextLength(empty), 0);
    EXPECT_EQ(BedPointAt(empty, 5), (TBedPoint{1, 1}));
}

TEST(TextOffsets, ChangesToTell) {
    TBedEditStringList lines;
    for (const char* l : {"ab", "cdef"}) lines.Add(l);
    auto state = [&](TBedPoint caret) { return BedCaretLineState(lines, caret, false, {}, {}); };
    const TBedCaretLineState first = state({3, 2});
    EXPECT_EQ(first.caret, 5);
    EXPECT_EQ(BedTextChangeBetween(TBedCaretLineState{}, first), std::nullopt);  // nothing told yet
    EXPECT_EQ(BedTextChangeBetween(first, state({4, 2})), std::nullopt);         // the caret alone moved
    lines.Put(1, "cdXYef");                                                      // typed
    const TBedCaretLineState typed = state({5, 2});
    EXPECT_EQ(BedTextChangeBetween(first, typed), (TBedTextChangeNotice{5, "", "XY"}));
    lines.Put(1, "cdef");  // deleted
    EXPECT_EQ(BedTextChangeBetween(typed, state({3, 2})), (TBedTextChangeNotice{5, "XY", ""}));
    lines.Put(1, "cQef");  // overwritten
    EXPECT_EQ(BedTextChangeBetween(first, state({3, 2})), (TBedTextChangeNotice{4, "d", "Q"}));
    lines.Insert(1, "new");  // a line came: the caret's line is told anew
    EXPECT_EQ(BedTextChangeBetween(first, state({1, 2})), (TBedTextChangeNotice{3, "", "new"}));
    const TBedCaretLineState selected = BedCaretLineState(lines, {2, 1}, true, {1, 1}, {2, 1});
    EXPECT_EQ(selected.selFrom, 0);
    EXPECT_EQ(selected.selTo, 1);
}
