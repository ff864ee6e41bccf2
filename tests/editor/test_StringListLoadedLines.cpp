// Loaded lines point into the block they were read in until something needs a string of its own.
#include "FileReader.h"
#include "FileWriter.h"
#include "BedEditLineBreaks.h"
#include "BedEditLineStore.h"
#include "BedEditStringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class LoadedLines : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = (fs::temp_directory_path() / ("bedloaded." + std::to_string(::getpid()))).string();
    }
    void TearDown() override { std::remove(path_.c_str()); }
    const std::string& Write(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
        return path_;
    }
    static void ExpectLines(const TBedEditStringList& list, const std::vector<std::string>& want) {
        ASSERT_EQ(list.Count(), int(want.size()));
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.GetView(i), want[size_t(i)]) << i;
            EXPECT_EQ(list.Get(i), want[size_t(i)]) << i;
            EXPECT_EQ(list.GetView(i), list.Get(i)) << i;
        }
    }

    std::string path_;
};

TEST_F(LoadedLines, KeepNulBytesAndTheLineBreakStyle) {
    TBedEditStringList list;
    list.LoadFromFile(Write(std::string("a\0b\nc\0\n\n\0", 9)));
    ExpectLines(list, {std::string("a\0b", 3), std::string("c\0", 2), "", std::string(1, '\0')});
    EXPECT_EQ(list.LineBreakStyle(), kLineBreakLF);
    EXPECT_EQ(list.Text(), std::string("a\0b\r\nc\0\r\n\r\n\0\r\n", 14));

    list.LoadFromFile(Write("x\ry\r\n"));
    ExpectLines(list, {"x", "y"});
    EXPECT_EQ(list.LineBreakStyle(), kLineBreakCRLF);
}

TEST_F(LoadedLines, AFileThatGrewOrShrankSinceOpeningIsReadAsItIsNow) {
    Write("one\n");
    TBedEditFileReader grown(path_);
    std::ofstream(path_, std::ios::binary | std::ios::app) << std::string(5000, 'x') << "\nlast";
    TBedEditBlock block = grown.ReadAll();
    EXPECT_EQ(grown.FileSize(), 4);
    EXPECT_EQ(std::string(block.bytes.get(), block.size), "one\n" + std::string(5000, 'x') + "\nlast");

    TBedEditFileReader shrunk(path_);
    Write("two");
    block = shrunk.ReadAll();
    EXPECT_EQ(std::string(block.bytes.get(), block.size), "two");

    // A big file is read in two halves at once: each byte must land where it stood, also when
    // the file shrank into its first half or grew since it was opened.
    std::string big(size_t(40) << 20, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = char(i * 7 % 251);
    for (const size_t now : {big.size(), big.size() / 3, big.size() + 12345}) {
        Write(big);
        TBedEditFileReader reader(path_);
        std::string changed = big;
        changed.resize(now, 'g');
        Write(changed);
        block = reader.ReadAll();
        EXPECT_TRUE(std::string_view(block.bytes.get(), block.size) == changed) << now;
    }
}

// Mixed edits over loaded lines, checked line by line against a plain vector; the sanitizer
// catches any view left pointing into a freed block.
TEST_F(LoadedLines, EditsAroundLoadedLinesMatchAPlainVector) {
    std::mt19937 random(7);
    std::vector<std::string> model;
    std::string file;
    for (int i = 0; i < 300; ++i) {
        model.push_back("line " + std::to_string(i) + std::string(size_t(i % 7), '\t'));
        file += model.back() + (i % 3 ? "\n" : "\r\n");
    }
    TBedEditStringList list;
    list.LoadFromFile(Write(file));
    std::string joined;
    for (const std::string& line : model) joined += line + "\r\n";
    EXPECT_EQ(list.Text(), joined);  // without asking for any line as a string
    for (int step = 0; step < 2000; ++step) {
        const int n = list.Count();
        const int at = n ? int(random() % unsigned(n)) : 0;
        const int other = n ? int(random() % unsigned(n)) : 0;
        const auto modelAt = model.begin() + at;
        switch (n ? random() % 7 : 1) {
            case 0:
                list.Put(at, "put " + std::to_string(step));
                *modelAt = "put " + std::to_string(step);
                break;
            case 1:
                list.Insert(at, "ins");
                model.insert(modelAt, "ins");
                break;
            case 2:
                list.Delete(at);
                model.erase(modelAt);
                break;
            case 3:
                list.Exchange(at, other);
                std::swap(*modelAt, model[size_t(other)]);
                break;
            case 4: EXPECT_EQ(list.Get(at), *modelAt); break;
            case 5:
                if (modelAt->find('\t') == std::string::npos) {
                    EXPECT_EQ(list.ExpandedLine(at), *modelAt);
                }
                break;
            case 6:
                list.DeleteLines(at, 3);
                model.erase(modelAt, model.begin() + std::min(n, at + 3));
                break;
        }
    }
    ExpectLines(list, model);
    TBedEditStringList copy;
    copy.AddStrings(list);
    ExpectLines(copy, model);
}

// Loading notes which lines hold tabs; the widest line follows the tab width either way.
TEST_F(LoadedLines, TheWidestLineCountsTabsAtEveryWidth) {
    TBedEditStringList list;
    list.LoadFromFile(Write("\tab\r\n" + std::string(5, 'x') + "\r\nc"));
    EXPECT_EQ(list.LongestLineLength(), 10);
    EXPECT_TRUE(list.HasTabs(0));
    EXPECT_FALSE(list.HasTabs(1));
    list.SetTabWidth(2);
    EXPECT_EQ(list.LongestLineLength(), 5);
    EXPECT_EQ(list.ExpandedLine(0), "  ab");
    list.Put(1, "\t\t\t");
    EXPECT_EQ(list.LongestLineLength(), 6);
}

TEST_F(LoadedLines, LinesTakenOutOfTheBlockLeaveTheRestIntact) {
    TBedEditStringList list;
    list.OnLinesChange = [&](const TBedLinesChange& change) {
        if (change.kind != TBedLinesChangeKind::Inserted) return;
        for (int i = change.first; i < change.first + change.count; i += 2) list.Put(i, list.Get(i) + "!");
    };
    list.LoadFromFile(Write("a\nbb\nccc\n\ne"));
    ExpectLines(list, {"a!", "bb", "ccc!", "", "e!"});
}

// Writing lines that are still their block writes the block: any change, a forgotten break or
// the block going must end that.
TEST_F(LoadedLines, TheTextIsItsBlockOnlyUntilSomethingChanges) {
    const std::string text = "a\r\nbb\ncc\rd";
    TBedEditStringList list;
    auto unchanged = [&] { return list.UnchangedLoadedText().value_or("(changed)"); };
    list.LoadFromFile(Write(text));
    EXPECT_EQ(unchanged(), text);
    EXPECT_EQ(list.SplitLoadedBlock(), text);
    list.Splice(1, 0, 0, "");
    EXPECT_EQ(unchanged(), "(changed)");
    EXPECT_EQ(list.SplitLoadedBlock(), text);  // its lines still hold no break

    list.LoadFromFile(Write(text));
    list.ForgetLineBreaks();
    EXPECT_EQ(unchanged(), "(changed)");

    list.LoadFromFile(Write(text));
    for (int i = 0; i < list.Count(); ++i) list.Get(i);  // every line a string of its own
    EXPECT_EQ(unchanged(), "(changed)");
    EXPECT_EQ(list.SplitLoadedBlock(), "");

    list.LoadFromFile(Write(""));
    EXPECT_EQ(unchanged(), "");
    list.LoadFromBlock(TBedEditBlock{std::make_unique<char[]>(1), 1}, {}, TBedEditLineBreaks());
    EXPECT_EQ(unchanged(), "(changed)");  // lines cut out by the caller may hold anything
}

TEST(LineStoreBlocks, ABlockIsFreedOnceNoLinePointsIntoIt) {
    TBedEditLineStore store;
    store.SetCapacity(3);
    auto bytes = std::make_unique<char[]>(6);
    std::memcpy(bytes.get(), "abcdef", 6);
    const char* block = store.AdoptBlock(std::move(bytes), 6);
    TBedEditLineRecord* records = store.Open(0, 3);
    for (int i = 0; i < 3; ++i) {
        records[i] = kBedBlankLineRecord;
        store.SetView(records[i], block + 2 * i, 2);
    }
    store.ReleaseBlock(block);
    EXPECT_EQ(store.BlockCount(), 1);
    EXPECT_EQ(store.Text(store[0]), "ab");  // copied out: the others still point in
    store.SetText(store[1], "new");
    EXPECT_EQ(store.BlockCount(), 1);
    EXPECT_EQ(TBedEditLineStore::View(store[2]), "ef");
    store.Erase(2, 1);
    EXPECT_EQ(store.BlockCount(), 0);
    EXPECT_EQ(TBedEditLineStore::View(store[0]), "ab");
    EXPECT_EQ(TBedEditLineStore::View(store[1]), "new");

    // A block is kept while held even when no line points into it, and not a moment longer.
    const char* empty = store.AdoptBlock(std::make_unique<char[]>(1), 1);
    store.Clear();
    EXPECT_EQ(store.BlockCount(), 1);
    store.ReleaseBlock(empty);
    EXPECT_EQ(store.BlockCount(), 0);
}

}  // namespace
