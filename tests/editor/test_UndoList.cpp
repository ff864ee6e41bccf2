#include "BedEditUndoList.h"

#include <gtest/gtest.h>

namespace {

void AddN(TBedEditUndoList& list, int n) {
    for (int i = 0; i < n; ++i) list.Add(crInsert, {i + 1, 1}, {i + 2, 1}, {}, smNormal);
}

}  // namespace

TEST(UndoList, RecordsOutsideGroupsTakeSuccessiveNumbersAndGroupsShareOne) {
    TBedEditUndoList list;
    AddN(list, 2);
    list.BeginGroup();
    list.BeginGroup();  // nested groups stay one group
    AddN(list, 2);
    list.EndGroup();
    AddN(list, 1);
    list.EndGroup();
    AddN(list, 1);
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Item(0).Group, 1);
    EXPECT_EQ(list.Item(1).Group, 2);
    EXPECT_EQ(list.Item(2).Group, 3);
    EXPECT_EQ(list.Item(3).Group, 3);
    EXPECT_EQ(list.Item(4).Group, 3);
    EXPECT_EQ(list.Item(5).Group, 4);
    list.EndGroup();  // unbalanced end is harmless
    AddN(list, 1);
    EXPECT_EQ(list.Item(6).Group, 5);
}

TEST(UndoList, MaxUndoDropsOldestAndMarksDropped) {
    TBedEditUndoList list;
    int fired = 0;
    list.OnAdded = [&](TBedEditUndoList&) { ++fired; };
    list.SetMaxUndo(2);
    AddN(list, 3);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.RecordsDropped());
    EXPECT_EQ(list.Item(0).Start.X, 2);
    EXPECT_EQ(fired, 3);
    list.SetMaxUndo(-5);
    EXPECT_EQ(list.MaxUndo(), 0);
    EXPECT_EQ(list.Count(), 0);
    AddN(list, 1);  // nothing survives, but the callback still fires
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(fired, 4);
    list.Clear();
    EXPECT_FALSE(list.RecordsDropped());
}

TEST(UndoList, SuspensionIgnoresAddsAndNeverGoesNegative) {
    TBedEditUndoList list;
    list.Resume();
    list.Suspend();
    AddN(list, 1);
    EXPECT_EQ(list.Count(), 0);
    list.Resume();
    list.Resume();
    AddN(list, 1);
    EXPECT_EQ(list.Count(), 1);
}

TEST(UndoList, PopAndPeekTakeTheNewest) {
    TBedEditUndoList list;
    TBedEditUndoItem item;
    EXPECT_FALSE(list.Pop(item));
    EXPECT_EQ(list.Peek(), nullptr);
    list.Add(crSelDelete, {1, 1}, {3, 2}, "ab\r\nc", smColumn);
    list.Add(crLineBreak, {4, 4}, {4, 4}, "x", smNormal);
    EXPECT_EQ(list.Peek()->Reason, crLineBreak);
    ASSERT_TRUE(list.Pop(item));
    EXPECT_EQ(item.Text, "x");
    ASSERT_TRUE(list.Pop(item));
    EXPECT_EQ(item.SelMode, smColumn);
    EXPECT_EQ(item.End, (TBedPoint{3, 2}));
    EXPECT_FALSE(list.CanUndo());
}
