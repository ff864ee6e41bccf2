#include "FileReader.h"
#include "FileWriter.h"
#include "BedEditLineBreaks.h"
#include "BedEditStringList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

std::vector<TBedLineBreak> Read(const TBedEditLineBreaks& breaks, int count) {
    TBedEditLineBreaks::TReader reader(breaks);
    std::vector<TBedLineBreak> kinds;
    for (int i = 0; i < count; ++i) kinds.push_back(reader.At(i));
    return kinds;
}

TBedEditBlock Block(std::string_view bytes) {
    TBedEditBlock block{std::make_unique_for_overwrite<char[]>(bytes.size()), bytes.size()};
    if (!bytes.empty()) std::memcpy(block.bytes.get(), bytes.data(), bytes.size());
    return block;
}

}  // namespace

using enum TBedLineBreak;

TEST(LineBreaks, LoadingRecordsEachLinesBreakAndEditsKeepThem) {
    TBedEditStringList list;
    list.LoadFromBlock(Block("a\r\nb\nc\rd"));
    EXPECT_EQ(Read(list.LineBreaks(), 4), (std::vector{CRLF, LF, CR, None}));

    list.Put(1, "changed");  // a changed line keeps its break
    list.Insert(1, "new");   // a new line has none of its own
    EXPECT_EQ(Read(list.LineBreaks(), 5), (std::vector{CRLF, Unknown, LF, CR, None}));
    list.Delete(0);
    EXPECT_EQ(Read(list.LineBreaks(), 4), (std::vector{Unknown, LF, CR, None}));
    list.ForgetLineBreaks();
    EXPECT_EQ(Read(list.LineBreaks(), 4), (std::vector{Unknown, Unknown, Unknown, Unknown}));

    list.LoadFromBlock(Block("x\n"));
    EXPECT_EQ(Read(list.LineBreaks(), 1), (std::vector{LF}));
    list.SetText("y\r\nz");  // text from elsewhere than a file
    EXPECT_EQ(Read(list.LineBreaks(), 2), (std::vector{Unknown, Unknown}));
}

// Random edits against a plain per-line list: the runs must always tell the same breaks.
TEST(LineBreaks, RunsFollowInsertionsAndDeletionsLikeAPlainList) {
    std::mt19937 random(19);
    for (int round = 0; round < 300; ++round) {
        TBedEditLineBreaks breaks;
        std::vector<TBedLineBreak> plain;
        const int loaded = int(random() % 40);
        for (int i = 0; i < loaded; ++i) {
            // Long runs and single lines both.
            const auto kind = TBedLineBreak(1 + (random() % 7 < 5 ? 0 : random() % 4));
            breaks.Append(kind);
            plain.push_back(kind);
        }
        for (int step = 0; step < 30; ++step) {
            const int count = int(plain.size());
            const int first = int(random() % (count + 1));
            const int n = 1 + int(random() % 5);
            switch (random() % 5) {
                case 0:
                case 1:
                    breaks.Follow({TBedLinesChangeKind::Inserted, first, n});
                    plain.insert(plain.begin() + first, size_t(n), Unknown);
                    break;
                case 2:
                case 3: {
                    if (first == count) break;
                    const int m = std::min(n, count - first);
                    breaks.Follow({TBedLinesChangeKind::Deleted, first, m});
                    plain.erase(plain.begin() + first, plain.begin() + first + m);
                    break;
                }
                default:
                    if (first < count) breaks.Follow({TBedLinesChangeKind::Replaced, first, 1});
                    break;
            }
            ASSERT_EQ(Read(breaks, int(plain.size())), plain) << "round " << round << " step " << step;
        }
        breaks.Follow({TBedLinesChangeKind::Cleared, 0, int(plain.size())});
        EXPECT_TRUE(breaks.Empty());
    }
}
