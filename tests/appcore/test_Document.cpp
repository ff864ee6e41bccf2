// The document without a window: a file opened, saved, reloaded and stepped back to keeps its
// bytes, its code page and its line ends; what can't be read or written leaves the document
// and the file as they were.
#include "../editor/CoreTestHelpers.h"
#include "CodePages.h"
#include "Document.h"
#include "DocumentTestHelpers.h"
#include "FileError.h"
#include "MemoryLimits.h"
#include "Settings.h"

#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <random>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Records what the document tells and asks; answers from the queues, else with the last button.
class TScriptedPrompts : public TBedDocumentPrompts {
public:
    std::vector<std::string> told;
    std::deque<int> choices;
    std::deque<TDiskChangeAnswer> diskAnswers;

    void Error(const std::string& text) override { told.push_back("error: " + text); }
    void Information(const std::string& text) override { told.push_back("information: " + text); }
    int Choose(const std::string&, const std::string& text, const std::vector<std::string>& buttons) override {
        told.push_back("choose: " + text);
        return Take(choices, int(buttons.size()) - 1);
    }
    TBedT602Mode AskT602() override { return t602Ask; }
    TDiskChangeAnswer ChangedOnDisk(const std::string&) override {
        told.push_back("changed on disk");
        return Take(diskAnswers, TDiskChangeAnswer::Cancel);
    }

private:
    template <class T>
    static T Take(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        const T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

class TDocument : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        // The journal of unsaved edits goes to the test's own directory.
        if (const char* old = std::getenv("XDG_STATE_HOME")) oldStateHome_ = old;
        ::setenv("XDG_STATE_HOME", Path("state").c_str(), 1);
        doc = std::make_unique<TBedDocument>(editor, settings, prompts);
    }
    void TearDown() override {
        doc->EndJournal();
        doc.reset();
        if (oldStateHome_)
            ::setenv("XDG_STATE_HOME", oldStateHome_->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
        TempDirTest::TearDown();
    }
    void Edit(int line, const std::string& text) {
        editor.Lines().Put(line, text);
        doc->SetModified(true);
    }

    TTestEdit editor;
    TBedSettings settings;
    TScriptedPrompts prompts;
    std::unique_ptr<TBedDocument> doc;

private:
    std::optional<std::string> oldStateHome_;
};

// "Příliš žluťoučký kůň" and more, in CP 1250.
const std::string kCzech = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";
const std::string kUtf8Czech =
    "P\xC5\x99\xC3\xAD"
    "li\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88";

std::string In(int codePage, std::string text) {
    Encode(codePage, text);
    return text;
}

}  // namespace

TEST_F(TDocument, AnUnchangedFileIsWrittenBackByteForByteInEveryCodePage) {
    std::string everyByte;
    for (int c = 0; c < 256; ++c) everyByte += char(c);
    const std::vector<std::pair<std::string, bool>> files = {
        {"a\r\nb\r\n", false},
        {"a\nb\n", true},
        {"a\r\nb", false},             // no break after the last line, none added
        {"a\rb\r", true},              // lone CRs end lines; without any LF it reads as UNIX
        {"a\r\nb\nc\rd\n\re", false},  // mixed, kept line by line
        {std::string("a\0b\nc\0\n", 7), true},
        {everyByte, true},
        {"", false},
        {"x\r\n\r\n", false},  // an empty last line read from the file stays
    };
    settings.rozpoznatKodovani = false;
    for (int codePage = 0; codePage < kCodePageCount; ++codePage)
        for (const auto& [bytes, unix] : files) {
            if (codePage == cpUTF8 && bytes == everyByte) continue;  // not UTF-8: a read-only view
            Make("doc.txt", bytes);
            doc->SetCodePage(codePage);
            doc->Open(Path("doc.txt"));
            EXPECT_EQ(doc->UnixLineEnds(), unix) << bytes;
            EXPECT_EQ(doc->Save(), TBedSaveResult::Saved);
            EXPECT_EQ(Contents("doc.txt"), bytes) << codePage;
        }
    EXPECT_EQ(prompts.told, std::vector<std::string>{});
}

// Whatever the recogniser makes of them. (Line ends are one kind per document, so the lines end
// with LF alone.)
TEST_F(TDocument, RandomBytesNamedTxtSaveBackIdentical) {
    std::mt19937 random(20);
    std::string bytes(20 << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = char(random());
        bytes[i] = i % 80 == 79 ? '\n' : c == '\r' || c == '\n' ? 'x' : c;
    }
    Make("random.txt", bytes);
    doc->Open(Path("random.txt"));
    doc->Save();
    EXPECT_TRUE(Contents("random.txt") == bytes);  // not EXPECT_EQ: 20 MB in a message
}

TEST_F(TDocument, EditsAndTheLineEndToggleDecideWhichBreaksAreWritten) {
    Make("mixed.txt", std::string("a\r\nb\nc\0\rd", 9));
    doc->Open(Path("mixed.txt"));
    EXPECT_FALSE(doc->UnixLineEnds());
    // An edit keeps the breaks of the other lines; a line added takes the document's.
    Edit(1, "xb");
    editor.Lines().Add("e");
    doc->Save();
    EXPECT_EQ(Contents("mixed.txt"), std::string("a\r\nxb\nc\0\rd\r\ne\r\n", 15));
    // The toggle gives every line the other break, and is a change to save.
    doc->ToggleLineEnds();
    EXPECT_TRUE(doc->Modified());
    doc->Save();
    EXPECT_EQ(Contents("mixed.txt"), std::string("a\nxb\nc\0\nd\ne\n", 12));
    doc->ToggleLineEnds();
    doc->Save();
    EXPECT_EQ(Contents("mixed.txt"), std::string("a\r\nxb\r\nc\0\r\nd\r\ne\r\n", 17));
}

TEST_F(TDocument, Utf8RoundTripsWithAndWithoutByteOrderMarkAndTakesCp1250Text) {
    for (const std::string bom : {"", "\xEF\xBB\xBF"})
        for (const std::string end : {"\r\n", "\n"}) {
            const std::string bytes = bom + kUtf8Czech + end + "\xE2\x82\xAC 5" + end;
            Make("u.txt", bytes);
            doc->SetCodePage(cpUTF8);
            doc->KeepCodePage(true);
            doc->Open(Path("u.txt"));
            EXPECT_EQ(Lines(editor.Lines()), (std::vector<std::string>{kCzech, "\x80 5"}));
            EXPECT_EQ(doc->ByteOrderMark(), !bom.empty());
            doc->Save();
            EXPECT_EQ(Contents("u.txt"), bytes);
            // CP 1250 text saved as UTF-8.
            Make("w.txt", kCzech + end);
            doc->SetCodePage(cpCP1250);
            doc->Open(Path("w.txt"));
            doc->SetCodePage(cpUTF8);
            doc->Save();
            EXPECT_EQ(Contents("w.txt"), kUtf8Czech + end);
        }
}

TEST_F(TDocument, Utf8ThatCp1250CantHoldIsAReadOnlyViewNeverWritten) {
    const std::string bytes = kUtf8Czech + "\r\nsmajl\xC3\xADk \xF0\x9F\x98\x80\r\n";
    Make("x.txt", bytes);
    settings.implicitniKodovani = cpISO88592;
    doc->SetCodePage(cpUTF8);
    doc->Open(Path("x.txt"));
    ASSERT_EQ(prompts.told.size(), 1u);
    EXPECT_TRUE(prompts.told[0].starts_with("error: Znak „😀“ (U+1F600) na řádku 2 se do kódování CP 1250 nevejde."));
    EXPECT_EQ(Lines(editor.Lines()), (std::vector<std::string>{kCzech, "smajl\xEDk \x81"}));
    EXPECT_TRUE(doc->ReadOnly());
    EXPECT_FALSE(doc->ReadOnlyReason().empty());
    // Neither saved nor copied: the placeholders would replace the characters.
    doc->SetReadOnly(false);
    EXPECT_EQ(doc->Save(), TBedSaveResult::NotSaved);
    EXPECT_FALSE(doc->SaveCopy(Path("copy.txt")));
    EXPECT_EQ(prompts.told.size(), 3u);
    EXPECT_EQ(Contents("x.txt"), bytes);
    EXPECT_FALSE(fs::exists(Path("copy.txt")));
    // A new document is writable again, in the default code page; so is the next file that fits.
    doc->SetReadOnly(true);
    doc->Open(Path("x.txt"));
    doc->New();
    EXPECT_FALSE(doc->ReadOnly());
    EXPECT_EQ(doc->CodePage(), cpISO88592);
    doc->SetCodePage(cpUTF8);
    doc->Open(Path("x.txt"));
    Make("ok.txt", kUtf8Czech);
    doc->Open(Path("ok.txt"));
    EXPECT_FALSE(doc->ReadOnly());
    EXPECT_EQ(doc->ReadOnlyReason(), "");
}

TEST_F(TDocument, TheAutomaticCodePageGoesByTheNameThenByTheContent) {
    std::string text;
    for (int i = 0; i < 16; ++i) text += kCzech + " \xFA\xE8\xE1 \xE9\xEC\xED\r\n";
    const std::string kam = In(cpKamenicky, text);
    Make("dopis.txt", kam);
    doc->Open(Path("dopis.txt"));
    EXPECT_EQ(doc->CodePage(), cpKamenicky);
    EXPECT_TRUE(editor.Lines().Get(0).starts_with(kCzech));
    doc->Save();
    EXPECT_EQ(Contents("dopis.txt"), kam);
    // Converted by choosing another code page before saving.
    doc->SetCodePage(cpCP1250);
    doc->Save();
    EXPECT_EQ(Contents("dopis.txt"), text);

    // Where the content doesn't tell, where K= chose, or with recognition off, it stays.
    Make("k.txt", kam);
    Make("plain.txt", "plain\n");
    doc->SetCodePage(cpPCLatin2);
    doc->Open(Path("plain.txt"));
    EXPECT_EQ(doc->CodePage(), cpPCLatin2);
    doc->KeepCodePage(true);
    doc->Open(Path("k.txt"));
    EXPECT_EQ(doc->CodePage(), cpPCLatin2);
    doc->KeepCodePage(false);
    settings.rozpoznatKodovani = false;
    doc->Open(Path("k.txt"));
    EXPECT_EQ(doc->CodePage(), cpPCLatin2);
    // A name that tells wins over the content, also while K= chose; nothing chooses with the
    // automatic code page off.
    doc->KeepCodePage(true);
    Make("u.kam", kUtf8Czech);
    doc->Open(Path("u.kam"));
    EXPECT_EQ(doc->CodePage(), cpKamenicky);
    settings.autokodovani = false;
    doc->SetCodePage(cpCP1250);
    doc->Open(Path("u.kam"));
    EXPECT_EQ(doc->CodePage(), cpCP1250);
}

TEST_F(TDocument, ReloadReadsTheBytesAgainInTheCodePageChosenSince) {
    Make("r.txt", "\x9b\r\n");
    doc->Open(Path("r.txt"));
    Edit(0, "x\x9b");
    doc->SetCodePage(cpKamenicky);
    doc->Reload();
    EXPECT_EQ(Lines(editor.Lines()), std::vector<std::string>{"\x8a"});
    EXPECT_FALSE(doc->Modified());
    EXPECT_EQ(doc->History().Entry(doc->History().Position()).codePage, cpKamenicky);
}

TEST_F(TDocument, HistoryStepsReadEachFileInItsOwnCodePageAndLineEnds) {
    const std::string zlut = "\x9Elu\x9D";
    Make("koi.txt", In(cpKOI8CS, zlut) + "\r\n");
    Make("win.txt", zlut + "\n");
    settings.rozpoznatKodovani = false;
    doc->SetCodePage(cpKOI8CS);
    doc->Open(Path("koi.txt"));
    doc->SetCodePage(cpCP1250);
    doc->Open(Path("win.txt"));
    EXPECT_FALSE(doc->StepHistory(+1));  // nothing after the last
    ASSERT_TRUE(doc->StepHistory(-1));
    EXPECT_EQ(doc->FileName(), Path("koi.txt"));
    EXPECT_EQ(Lines(editor.Lines()), std::vector<std::string>{zlut});
    EXPECT_EQ(doc->CodePage(), cpKOI8CS);
    EXPECT_FALSE(doc->UnixLineEnds());
    ASSERT_TRUE(doc->StepHistory(+1));
    EXPECT_EQ(doc->CodePage(), cpCP1250);
    EXPECT_TRUE(doc->UnixLineEnds());

    // A step to a file that is gone is told and leaves the document as it was.
    fs::remove(Path("koi.txt"));
    EXPECT_FALSE(doc->StepHistory(-1));
    ASSERT_EQ(prompts.told.size(), 1u);
    EXPECT_TRUE(prompts.told[0].starts_with("error: "));
    EXPECT_EQ(doc->FileName(), Path("win.txt"));
    EXPECT_EQ(doc->CodePage(), cpCP1250);
    EXPECT_TRUE(doc->UnixLineEnds());
    EXPECT_EQ(doc->History().Position(), 2);
    doc->Save();
    EXPECT_EQ(Contents("win.txt"), zlut + "\n");
}

TEST_F(TDocument, WhatCantBeReadIsRefusedAndTheDocumentStays) {
    Make("doc.txt", "kept\n");
    doc->Open(Path("doc.txt"));
    Edit(0, "kept, edited");

    fs::create_directory(Path("adresar"));
    ::mkfifo(Path("roura").c_str(), 0644);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, Path("soket").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    Make("tajne.txt", "secret\n");
    ::chmod(Path("tajne.txt").c_str(), 0);
    // Sparse: larger than the free memory, yet taking no room on the disk.
    Make("obri.txt", "");
    fs::resize_file(Path("obri.txt"), uintmax_t(AvailableMemoryBytes()) + (uintmax_t(1) << 30));

    std::vector<std::pair<std::string, std::string>> cases = {
        {Path("adresar"), "je to adresář"},
        {Path("roura"), "není to obyčejný soubor, ale roura"},
        {Path("soket"), "není to obyčejný soubor, ale soket"},
        {"/dev/zero", "není to obyčejný soubor, ale zařízení"},
        {Path("zmizel.txt"), "soubor nebo adresář neexistuje"},
        {Path("obri.txt"), "soubor je větší než volná paměť"},
    };
    if (::geteuid() != 0) cases.push_back({Path("tajne.txt"), "přístup odepřen"});
    for (const auto& [name, reason] : cases) {
        try {
            doc->Open(name);
            ADD_FAILURE() << name << " opened";
        } catch (const EBedFileError& e) {
            const std::string message = e.what();
            EXPECT_TRUE(message.starts_with("Soubor " + name + " nelze přečíst: ")) << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
        }
        EXPECT_EQ(Lines(editor.Lines()), std::vector<std::string>{"kept, edited"}) << name;
        EXPECT_EQ(doc->FileName(), Path("doc.txt"));
        EXPECT_TRUE(doc->Modified());
    }
    ::close(sock);
    EXPECT_EQ(Contents("doc.txt"), "kept\n");
}

TEST_F(TDocument, ASaveOverAnotherProgramsChangeAsksFirst) {
    const auto changeOnDisk = [&](const std::string& bytes) {
        Make("doc.txt", bytes);
        fs::last_write_time(Path("doc.txt"), fs::last_write_time(Path("doc.txt")) + std::chrono::seconds(2));
    };
    Make("doc.txt", "mine\n");
    doc->Open(Path("doc.txt"));
    Edit(0, "edited");
    changeOnDisk("theirs\n");
    prompts.diskAnswers = {TDiskChangeAnswer::Cancel, TDiskChangeAnswer::Reload};
    EXPECT_EQ(doc->Save(), TBedSaveResult::NotSaved);
    EXPECT_EQ(Contents("doc.txt"), "theirs\n");
    EXPECT_TRUE(doc->Modified());
    EXPECT_EQ(doc->Save(), TBedSaveResult::NotSaved);
    EXPECT_EQ(Lines(editor.Lines()), std::vector<std::string>{"theirs"});
    EXPECT_FALSE(doc->Modified());
    EXPECT_EQ(prompts.told.size(), 2u);

    // The file reloaded, and the file written, are the ones known now.
    Edit(0, "second");
    EXPECT_EQ(doc->Save(), TBedSaveResult::Saved);
    Edit(0, "third");
    EXPECT_EQ(doc->Save(), TBedSaveResult::Saved);
    EXPECT_EQ(prompts.told.size(), 2u);
    changeOnDisk("again theirs\n");
    prompts.diskAnswers = {TDiskChangeAnswer::Overwrite};
    EXPECT_EQ(doc->Save(), TBedSaveResult::Saved);
    EXPECT_EQ(Contents("doc.txt"), "third\n");
    // A file deleted meanwhile is simply written again.
    fs::remove(Path("doc.txt"));
    Edit(0, "fourth");
    EXPECT_EQ(doc->Save(), TBedSaveResult::Saved);
    EXPECT_EQ(Contents("doc.txt"), "fourth\n");
    EXPECT_EQ(prompts.told.size(), 3u);
}

TEST_F(TDocument, AFailedSaveLeavesTheFileAndTheModifiedFlag) {
    Make("keep.txt", "original\n");
    doc->Open(Path("keep.txt"));
    Edit(0, "changed");
    // The new text can't replace a directory: the write fails at its very end.
    fs::create_directory(Path("blocked"));
    doc->SetFileName(Path("blocked"));
    EXPECT_THROW(doc->Save(), EBedFileError);
    EXPECT_TRUE(doc->Modified());
    EXPECT_TRUE(fs::is_directory(Path("blocked")));
    int entries = 0;
    for (const auto& e : fs::directory_iterator(dir_)) entries += e.path().filename() != "state";
    EXPECT_EQ(entries, 2);  // keep.txt and blocked: no temporary file left behind
    EXPECT_EQ(Contents("keep.txt"), "original\n");
}

TEST_F(TDocument, InsertingAFileTakesItsTextInTheDocumentsCodePage) {
    Make("doc.txt", "ab\r\n");
    doc->Open(Path("doc.txt"));
    doc->SetCodePage(cpKamenicky);
    Make("part.txt", In(cpKamenicky, "\x9Elu\x9D\r\nk\xF9\xF2"));
    editor.SetCaretXY({2, 1});
    EXPECT_TRUE(doc->InsertFile(Path("part.txt")));
    EXPECT_EQ(Lines(editor.Lines()), (std::vector<std::string>{"a\x9Elu\x9D",
                                                               "k\xF9\xF2"
                                                               "b"}));
    // An empty file inserts nothing and leaves the clipboard alone; a missing one is told.
    Make("empty.txt", "");
    EXPECT_TRUE(doc->InsertFile(Path("empty.txt")));
    EXPECT_EQ(editor.clipboard.GetText()->text, "\x9Elu\x9D\r\nk\xF9\xF2");
    EXPECT_FALSE(doc->InsertFile(Path("missing.txt")));
    EXPECT_EQ(prompts.told.size(), 1u);
    EXPECT_EQ(editor.Lines().Count(), 2);
}
