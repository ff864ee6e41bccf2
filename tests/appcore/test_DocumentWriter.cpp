// Documents go out through one writer: encoded a chunk at a time, written atomically.
#include "CodePages.h"
#include "DocumentLoader.h"
#include "DocumentTestHelpers.h"
#include "DocumentWriter.h"
#include "LineWrap.h"
#include "TextToolEdit.h"

#include <functional>

namespace fs = std::filesystem;

namespace {

class DocumentWriterTest : public TempDirTest {
protected:
    std::string Written(const std::vector<std::string>& text, int codePage, bool unix) {
        TBedEditStringList lines;
        lines.AddStrings(text);
        WriteDocument(Path("out.txt"), lines, codePage, unix);
        return Contents("out.txt");
    }
};

}  // namespace

TEST_F(DocumentWriterTest, EveryLineEndsWithTheDocumentsBreak) {
    EXPECT_EQ(Written({"a", "b"}, cpCP1250, false), "a\r\nb\r\n");
    EXPECT_EQ(Written({"a", "b"}, cpCP1250, true), "a\nb\n");
    EXPECT_EQ(Written({"a", ""}, cpCP1250, false), "a\r\n");  // an empty last line adds nothing
    EXPECT_EQ(Written({"", ""}, cpCP1250, false), "\r\n");
    EXPECT_EQ(Written({""}, cpCP1250, false), "");
    EXPECT_EQ(Written({}, cpCP1250, false), "");
    // A line's own trailing LF gives way to the document's break; a last line that begins with
    // one is left out whole.
    EXPECT_EQ(Written({"a\n", "b"}, cpCP1250, false), "a\r\nb\r\n");
    EXPECT_EQ(Written({"a", "\nb"}, cpCP1250, true), "a\n");
}

TEST_F(DocumentWriterTest, EncodesLinesOfAnyLengthAcrossChunks) {
    // Lines that fill many chunks and lines that straddle chunk borders.
    std::vector<std::string> text = {std::string(600000, '\x8A') + "end"};
    for (int i = 0; i < 20000; ++i) text.push_back("\x9A\xE1 " + std::to_string(i));
    std::string expected;
    for (std::string line : text) {
        Encode(cpKamenicky, line);
        expected += line + "\r\n";
    }
    EXPECT_EQ(Written(text, cpKamenicky, false), expected);
}

// A text written in a code page reads back as it was (a file read and written back keeps its
// bytes: tests/appcore/test_Document.cpp).
TEST_F(DocumentWriterTest, WhatTheWriterWritesTheLoaderReadsBack) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    for (int cp = 0; IsByteCodePage(cp); ++cp) {
        T602Session session;
        session.SetMode(t602Leave);
        const std::vector<std::string> text = {bytes};
        TBedEditStringList written;
        written.AddStrings(text);
        WriteDocument(Path("text.txt"), written, cp, false);
        TBedEditStringList back;
        LoadDocument(ReadDocumentFile(Path("text.txt")), cp, session, {}, back);
        ASSERT_EQ(back.Count(), 1);
        EXPECT_EQ(back.Get(0), text[0]) << cp;
    }
}

// Unchanged loaded lines go out as pieces of their block: a line changed, moved, inserted or
// deleted among them, and a break other than the block's, are written as they are now.
TEST_F(DocumentWriterTest, LinesChangedAmongLoadedOnesAreWrittenAsTheyAreNow) {
    TBedEditStringList lines;
    const auto written = [&](const std::function<void()>& edit) {
        lines.LoadFromFile(Make("in.txt", "one\r\ntwo\r\n\r\nthree\nfour\rfive"));
        edit();
        WriteDocument(Path("out.txt"), lines, cpCP1250, false);
        return Contents("out.txt");
    };
    EXPECT_EQ(written([] {}), "one\r\ntwo\r\n\r\nthree\nfour\rfive");
    EXPECT_EQ(written([&] { lines.Put(1, "TWO"); }), "one\r\nTWO\r\n\r\nthree\nfour\rfive");
    EXPECT_EQ(written([&] { lines.Put(1, "tw"); }), "one\r\ntw\r\n\r\nthree\nfour\rfive");
    // Each line keeps the break of its place.
    EXPECT_EQ(written([&] { lines.Exchange(0, 1); }), "two\r\none\r\n\r\nthree\nfour\rfive");
    EXPECT_EQ(written([&] { lines.Exchange(3, 4); }), "one\r\ntwo\r\n\r\nfour\nthree\rfive");
    EXPECT_EQ(written([&] { lines.Delete(1); }), "one\r\n\r\nthree\nfour\rfive");
    EXPECT_EQ(written([&] { lines.Insert(2, "new"); }), "one\r\ntwo\r\nnew\r\n\r\nthree\nfour\rfive");
    EXPECT_EQ(written([&] { lines.ForgetLineBreaks(); }), "one\r\ntwo\r\n\r\nthree\r\nfour\r\nfive\r\n");
}

// The end of the file is the last line's business: deleting all, joining lines, wrapping and
// converting T602 leave it as the file had it.
TEST_F(DocumentWriterTest, EditsAndConversionsKeepTheEndOfTheFile) {
    TCustomBedEdit editor;
    T602Session session;
    const auto edited = [&](const std::string& bytes, int codePage, const std::function<void()>& edit) {
        TBedDocumentFile file = ReadDocumentFile(Make("in.txt", bytes));
        const bool unix = file.unixLineEnds;
        LoadDocument(std::move(file), codePage, session, {}, editor.Lines());
        edit();
        WriteDocument(Path("out.txt"), editor.Lines(), codePage, unix);
        return Contents("out.txt");
    };
    const auto deleteSelection = [&](TBedPoint from, TBedPoint to) {
        editor.SetSelFrom(from);
        editor.SetSelTo(to);
        editor.CommandProcessor(ecDeleteChar, 0, nullptr);
    };
    EXPECT_EQ(edited("ab\r\n\r\n", cpCP1250,
                     [&] {
                         editor.CommandProcessor(ecSelectAll, 0, nullptr);
                         editor.CommandProcessor(ecDeleteChar, 0, nullptr);
                     }),
              "");
    EXPECT_EQ(edited("ab\n", cpCP1250, [&] { deleteSelection({1, 1}, {3, 1}); }), "");
    // Joined lines end as the lower one did.
    EXPECT_EQ(edited("a\r\nb", cpCP1250, [&] { deleteSelection({2, 1}, {1, 2}); }), "ab");
    EXPECT_EQ(edited("a\r\nb\n", cpCP1250,
                     [&] {
                         editor.SetCaretXY({2, 1});
                         editor.CommandProcessor(ecDeleteChar, 0, nullptr);
                     }),
              "ab\n");
    // Wrapping breaks lines but keeps the end.
    EXPECT_EQ(edited("aaa bbb ccc", cpCP1250,
                     [&] {
                         TBedTextToolEdit edit(editor);
                         WrapLines(edit, 4);
                     }),
              "aaa \nbbb \nccc");
    session.SetMode(t602Text);
    EXPECT_EQ(edited("@CT 0\r\ntext\r\n\r\n", cpKamenicky, [] {}), "text\r\n\r\n");
    EXPECT_EQ(edited("@CT 0\r\n\x02text\x02", cpKamenicky, [] {}), "text");
}

TEST_F(DocumentWriterTest, AFailedWriteLeavesNothingBehind) {
    TBedEditStringList lines;
    lines.Add("text");
    EXPECT_THROW(WriteDocument(Path("no/such/dir/out.txt"), lines, cpCP1250, false), EBedFileError);
    fs::create_directory(Path("dir"));
    EXPECT_THROW(WriteDocument(Path("dir"), lines, cpCP1250, false), EBedFileError);
    EXPECT_TRUE(fs::is_directory(Path("dir")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}
