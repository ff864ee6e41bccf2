#include "BedEditStringList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Records every notification of a list as text, in order: "Inserted 3 2" for two lines
// inserted at index 3.
struct Recorder {
    std::vector<std::string> events;
    explicit Recorder(TBedEditStringList& list) {
        list.OnChanging = [this] { events.push_back("Changing"); };
        list.OnChanged = [this] { events.push_back("Changed"); };
        list.OnLinesChange = [this](const TBedLinesChange& c) {
            static const char* const kinds[] = {"Inserted", "Deleted", "Replaced", "Cleared"};
            events.push_back(std::string(kinds[int(c.kind)]) + " " + std::to_string(c.first) + " " +
                             std::to_string(c.count));
        };
    }
    using Events = std::vector<std::string>;
};

std::vector<std::string> Lines(const TBedEditStringList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

void Fill(TBedEditStringList& list, const std::vector<std::string>& lines) {
    for (const auto& line : lines) list.Add(line);
}

void ExpectIndexError(const std::function<void()>& call, int index) {
    try {
        call();
        ADD_FAILURE() << "no error for index " << index;
    } catch (const EBedEditStringList& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid stringlist index " + std::to_string(index));
    }
}

}  // namespace

TEST(StringList, EachChangeNotifiesOnceInsideOneBracket) {
    TBedEditStringList list;
    Recorder rec(list);
    list.Put(0, "x");  // on an empty list Put adds
    list.Add("y");
    list.Insert(1, "m");
    list.Put(2, "z");
    list.Delete(0);
    list.InsertEmptyLines(1, 2);
    list.DeleteLines(1, 5);
    list.Clear();
    list.Clear();  // nothing left: not even the bracket
    EXPECT_EQ(rec.events, (Recorder::Events{
                              "Changing", "Inserted 0 1", "Changed",  //
                              "Changing", "Inserted 1 1", "Changed",  //
                              "Changing", "Inserted 1 1", "Changed",  //
                              "Changing", "Replaced 2 1", "Changed",  //
                              "Changing", "Deleted 0 1",  "Changed",  //
                              "Changing", "Inserted 1 2", "Changed",  //
                              "Changing", "Deleted 1 3",  "Changed",  // as many as there were
                              "Changing", "Cleared 0 1",  "Changed",
                          }));
}

TEST(StringList, CallerBracketGathersManyChangesIntoOnePair) {
    TBedEditStringList list;
    Recorder rec(list);
    list.BeginUpdate();
    list.Add("a");
    list.AddStrings(std::vector<std::string>{"b", "c", "d"});
    list.PutRange(0, 7);
    list.PutObject(1, &list);
    list.Exchange(0, 3);
    EXPECT_EQ(list.UpdateCount(), 1);
    list.EndUpdate();
    // Lines that change places are told as lines of new text; ranges and objects as nothing.
    EXPECT_EQ(rec.events, (Recorder::Events{"Changing", "Inserted 0 1", "Inserted 1 3", "Replaced 0 1", "Replaced 3 1",
                                            "Changed"}));
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"d", "b", "c", "a"}));
    EXPECT_EQ(list.GetRange(3), 7);
    EXPECT_EQ(list.GetObject(1), &list);
}

TEST(StringList, BadIndexesRaiseOnWriteAndChangeNothing) {
    TBedEditStringList list;
    Fill(list, {"a", "b"});
    Recorder rec(list);
    ExpectIndexError([&] { list.Insert(3, "s"); }, 3);
    ExpectIndexError([&] { list.Insert(-1, "s"); }, -1);
    ExpectIndexError([&] { list.Delete(2); }, 2);
    ExpectIndexError([&] { list.Put(2, "s"); }, 2);
    ExpectIndexError([&] { list.PutObject(-1, nullptr); }, -1);
    ExpectIndexError([&] { list.PutRange(5, 1); }, 5);
    ExpectIndexError([&] { list.DeleteLines(2, 1); }, 2);
    ExpectIndexError([&] { list.Exchange(0, 9); }, 9);
    ExpectIndexError([&] { list.Exchange(-4, 9); }, -4);
    ExpectIndexError([&] { list.InsertEmptyLines(3, 1); }, 3);
    EXPECT_TRUE(rec.events.empty());
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b"}));

    list.DeleteLines(9, 0);  // nothing to delete: no check either
    list.InsertEmptyLines(9, -1);
    EXPECT_TRUE(rec.events.empty());

    list.Insert(2, "c");  // at Count: appends
    list.DeleteLines(1, 100);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a"}));
}

TEST(StringList, BadIndexesReadAsEmptyValues) {
    TBedEditStringList list;
    Fill(list, {"a"});
    list.PutRange(0, 3);
    for (int i : {-1, 1}) {
        EXPECT_EQ(list.Get(i), "");
        EXPECT_EQ(list.GetObject(i), nullptr);
        EXPECT_EQ(list.GetRange(i), 0);
        EXPECT_EQ(list.ExpandedLine(i), "");
    }
}

TEST(StringList, NewReplacedAndBlankLinesCarryTheirOwnState) {
    // Before any line has a range of its own, and after.
    TBedEditStringList fresh;
    Fill(fresh, {"a", "b"});
    fresh.InsertEmptyLines(1, 1);
    EXPECT_EQ((std::vector<TBedRange>{fresh.GetRange(0), fresh.GetRange(1), fresh.GetRange(2)}),
              (std::vector<TBedRange>{kNoRange, 0, kNoRange}));
    fresh.PutRange(2, 7);
    fresh.InsertEmptyLines(0, 1);
    fresh.Insert(0, "c");
    EXPECT_EQ((std::vector<TBedRange>{fresh.GetRange(0), fresh.GetRange(1), fresh.GetRange(2), fresh.GetRange(3),
                                      fresh.GetRange(4)}),
              (std::vector<TBedRange>{kNoRange, 0, kNoRange, 0, 7}));

    TBedEditStringList list;
    int tag = 0;
    Fill(list, {"a", "b"});
    EXPECT_EQ(list.GetRange(0), kNoRange);
    list.PutObject(0, &tag);
    list.PutRange(0, 42);
    list.Put(0, "replaced");  // keeps object and range
    EXPECT_EQ(list.GetObject(0), &tag);
    EXPECT_EQ(list.GetRange(0), 42);

    list.InsertEmptyLines(1, 2);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"replaced", "", "", "b"}));
    EXPECT_EQ(list.GetRange(1), 0);
    EXPECT_EQ(list.GetObject(2), nullptr);
    EXPECT_EQ(list.ExpandedLine(1), "");
}

TEST(StringList, CapacityFollowsTheGrowthRules) {
    TBedEditStringList list;
    std::vector<int> capacities;
    for (int i = 0; i < 101; ++i) {
        list.Add("x");
        if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{16, 32, 48, 64, 80, 100, 125}));

    list.Delete(0);
    EXPECT_EQ(list.Capacity(), 125);  // never shrinks by itself
    list.InsertEmptyLines(50, 5);
    EXPECT_EQ(list.Capacity(), 105);
    list.AddStrings(std::vector<std::string>(10, "y"));
    EXPECT_EQ(list.Capacity(), 128);  // 115 rounded up to 16
    list.SetCapacity(200);
    EXPECT_EQ(list.Capacity(), 200);
    list.SetCapacity(3);  // never below the lines held
    EXPECT_EQ(list.Capacity(), 115);
    EXPECT_EQ(list.Count(), 115);
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(StringList, TabsExpandToStopsAtMultiplesOfTheWidth) {
    TBedEditStringList list;
    Fill(list, {"a\tb", "\t\tx", "ab\tc\td", "plain"});
    EXPECT_EQ(list.ExpandedLine(0), "a       b");
    EXPECT_EQ(list.ExpandedLine(1), std::string(16, ' ') + "x");
    struct Case {
        int width;
        std::string line0, line2;
    };
    for (const Case& c :
         {Case{4, "a   b", "ab  c   d"}, Case{1, "a b", "ab c d"}, Case{0, "a b", "ab c d"}, Case{3, "a  b", "ab c  d"},
          Case{65536, "a" + std::string(65535, ' ') + "b", ""}, Case{6, "a     b", "ab    c     d"}}) {
        list.SetTabWidth(c.width);
        EXPECT_EQ(list.ExpandedLine(0), c.line0) << c.width;
        if (!c.line2.empty()) {
            EXPECT_EQ(list.ExpandedLine(2), c.line2) << c.width;
        }
        EXPECT_EQ(list.ExpandedLine(3), "plain");
    }
    EXPECT_EQ(list.TabWidth(), 6);
}

TEST(StringList, LongestLineFollowsEveryChange) {
    TBedEditStringList list;
    EXPECT_EQ(list.LongestLineLength(), 0);
    Fill(list, {"abc", "\tx", "abcdefghi"});
    EXPECT_EQ(list.LongestLineLength(), 9);
    list.SetTabWidth(16);
    EXPECT_EQ(list.LongestLineLength(), 17);
    list.Put(1, "short");
    EXPECT_EQ(list.LongestLineLength(), 9);
    list.Exchange(0, 2);
    list.Delete(0);
    EXPECT_EQ(list.LongestLineLength(), 5);
    list.Insert(0, std::string(30, 'w'));
    EXPECT_EQ(list.LongestLineLength(), 30);
    list.Clear();
    EXPECT_EQ(list.LongestLineLength(), 0);
}

TEST(StringList, TextJoinsWithCrLfAndSetTextSplitsEveryStyle) {
    TBedEditStringList list;
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
    list.SetText("x\n");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"x"}));
    list.SetText(std::string_view("n\0l\r", 4));
    EXPECT_EQ(Lines(list), (std::vector<std::string>{std::string("n\0l", 3)}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");

    // The list's own text: read before the old lines go.
    list.SetText("first\r\nsecond");
    list.SetText(list.Get(1));
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"second"}));
    list.SetText(list.Text());
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"second"}));
}

TEST(StringList, AddStringsAndAssignCopyTextsAndObjects) {
    TBedEditStringList source, list;
    int tag = 0;
    Fill(source, {"a", "b"});
    source.PutObject(1, &tag);
    source.PutRange(1, 5);

    Recorder rec(list);
    list.Add("first");
    list.AddStrings(source);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"first", "a", "b"}));
    EXPECT_EQ(list.GetObject(2), &tag);
    EXPECT_EQ(list.GetRange(2), kNoRange);
    list.AddStrings(list);  // appending itself doubles it
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"first", "a", "b", "first", "a", "b"}));
    list.AddStrings(std::vector<std::string>{});
    EXPECT_EQ(rec.events, (Recorder::Events{"Changing", "Inserted 0 1", "Changed",  //
                                            "Changing", "Inserted 1 2", "Changed",  //
                                            "Changing", "Inserted 3 3", "Changed"}));

    list.Assign(list);  // assigning itself must not lose the lines
    EXPECT_EQ(list.Count(), 6);
    rec.events.clear();
    list.Assign(source);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(list.GetObject(1), &tag);
    EXPECT_EQ(rec.events, (Recorder::Events{"Changing", "Cleared 0 6", "Inserted 0 2", "Changed"}));
}

// Random edits checked against a plain vector: the gap in the record array (and in the columns
// of ranges and objects beside it, once they exist) moves both ways, fills up and grows under
// every kind of edit.
TEST(StringList, RandomEditsMatchAPlainModel) {
    struct Line {
        std::string text;
        TBedRange range;
        void* object = nullptr;
        bool operator==(const Line&) const = default;
    };
    int tags[8] = {};
    TBedEditStringList list;
    std::vector<Line> model;
    std::mt19937 random(1234);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (int step = 0; step < 5000; ++step) {
        const int count = int(model.size());
        const std::string text = std::string(size_t(pick(40)), char('a' + step % 26));
        switch (pick(count < 10 ? 3 : (step < 1000 ? 8 : 9))) {
            case 0: {
                const int at = pick(count + 1);
                list.Insert(at, text);
                model.insert(model.begin() + at, {text, kNoRange});
                break;
            }
            case 1:
                list.Add(text);
                model.push_back({text, kNoRange});
                break;
            case 2: {
                const int at = pick(count + 1), n = pick(4);
                list.InsertEmptyLines(at, n);
                model.insert(model.begin() + at, size_t(n), Line{"", 0});
                break;
            }
            case 3: {
                const int at = pick(count);
                list.Delete(at);
                model.erase(model.begin() + at);
                break;
            }
            case 4: {
                const int at = pick(count), n = std::min(pick(5), count - at);
                list.DeleteLines(at, n);
                model.erase(model.begin() + at, model.begin() + at + n);
                break;
            }
            case 5: {
                const int at = pick(count);
                list.Put(at, text);
                model[size_t(at)].text = text;
                break;
            }
            case 6: {
                const int i = pick(count), j = pick(count);
                list.Exchange(i, j);
                std::swap(model[size_t(i)], model[size_t(j)]);
                break;
            }
            case 7: {
                const int at = pick(count);
                list.PutRange(at, step);
                model[size_t(at)].range = step;
                break;
            }
            case 8: {
                const int at = pick(count);
                void* object = step % 5 ? &tags[step % 8] : nullptr;
                list.PutObject(at, object);
                model[size_t(at)].object = object;
                break;
            }
        }
        ASSERT_EQ(list.Count(), int(model.size()));
        ASSERT_GE(list.Capacity(), list.Count());
        if (step % 50 == 0 || step > 4900) {
            size_t longest = 0;
            for (int i = 0; i < list.Count(); ++i) {
                ASSERT_EQ((Line{list.Get(i), list.GetRange(i), list.GetObject(i)}), model[size_t(i)]) << step;
                longest = std::max(longest, model[size_t(i)].text.size());
            }
            ASSERT_EQ(list.LongestLineLength(), int(longest));
        }
    }
}
