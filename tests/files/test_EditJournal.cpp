// The journal of unsaved edits on disk: written by its own thread, read back exactly, cut
// anywhere by a power cut, hostile or damaged — it never reads more than its whole records, and
// only journals nobody holds are found.
#include "EditJournalReader.h"
#include "EditJournalWriter.h"
#include "FileChecksum.h"
#include "MemoryLimits.h"
#include "UnsavedJournals.h"
#include "SaveTestHelpers.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class EditJournal : public FileTest {
protected:
    void SetUp() override {
        FileTest::SetUp();
        SetUnsavedJournalDirectory(Path("unsaved"));
    }
    void TearDown() override {
        SetUnsavedJournalDirectory("");
        FileTest::TearDown();
    }
    std::unique_ptr<TBedJournalWriter> Writer(const TBedJournalBase& base = {}) {
        return std::make_unique<TBedJournalWriter>(OpenUnsavedJournalDirectory(true), base);
    }
    static TBedJournalEdit Replace(uint32_t line, uint32_t from, uint32_t kept, std::string middle) {
        TBedJournalEdit e;
        e.kind = TBedJournalEdit::Replace;
        e.first = line;
        e.from = from;
        e.kept = kept;
        e.lines = {std::move(middle)};
        return e;
    }
    static void ExpectSame(const TBedJournalEdit& a, const TBedJournalEdit& b) {
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_EQ(a.first, b.first);
        EXPECT_EQ(a.count, b.count);
        EXPECT_EQ(a.from, b.from);
        EXPECT_EQ(a.kept, b.kept);
        EXPECT_EQ(a.lines, b.lines);
    }
};

}  // namespace

TEST_F(EditJournal, WhatIsAppendedReadsBackAndTheBaseIsKeptWithItsChecksum) {
    const std::string baseText = "Příliš žluťoučký kůň\r\núpěl ďábelské ódy\r\n";
    const std::string base = Make("dopis.txt", baseText);
    struct stat st;
    ::stat(base.c_str(), &st);
    const TBedJournalBase journalBase{true, base, IdentityOf(st), "codePage=4\n"};
    TBedJournalEdit insert;
    insert.kind = TBedJournalEdit::Insert;
    insert.first = 1;
    insert.count = 2;
    insert.lines = {"", std::string("a\0b", 3)};
    TBedJournalEdit remove;
    remove.kind = TBedJournalEdit::Delete;
    remove.first = 2;
    remove.count = 1;
    const std::vector<TBedJournalEdit> edits = {Replace(0, 3, 4, "x"), insert, remove};
    auto writer = Writer(journalBase);
    for (const TBedJournalEdit& e : edits) writer->Append(journal::kEdit, journal::EditPayload(e));
    writer->Append(journal::kCaret, journal::CaretPayload(3, 2));
    writer->Sync();
    const std::string path = writer->Path();
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(Path("unsaved")).permissions(), fs::perms(0700));
    const std::optional<TBedJournalContents> read = ReadJournal(Contents(path));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->base.path, base);
    EXPECT_EQ(read->base.identity, journalBase.identity);
    EXPECT_EQ(read->base.settings, "codePage=4\n");
    ASSERT_EQ(read->edits.size(), edits.size());
    for (size_t i = 0; i < edits.size(); ++i) ExpectSame(read->edits[i], edits[i]);
    EXPECT_EQ(read->caret, (std::pair{3, 2}));
    EXPECT_TRUE(read->complete);
    // The base file is read by the journal's thread: small, it is kept whole.
    for (int i = 0; i < 100 && !ReadJournal(Contents(path))->checksum; ++i) {
        writer->Append(journal::kCaret, journal::CaretPayload(3, 2));
        writer->Sync();
    }
    EXPECT_EQ(ReadJournal(Contents(path))->checksum, ChecksumOf(baseText));
    EXPECT_EQ(ReadJournal(Contents(path))->snapshot, baseText);
    writer->End();
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(EditJournal, AJournalCutAtAnyByteReadsUpToItsLastWholeRecord) {
    auto writer = Writer();
    for (int i = 0; i < 3; ++i)
        writer->Append(journal::kEdit, journal::EditPayload(Replace(0, 0, 0, "word" + std::to_string(i))));
    writer->Sync();
    const std::string bytes = Contents(writer->Path());
    const size_t lastRecord = ReadJournal(bytes)->validLength -
                              (journal::kFrameBytes + journal::EditPayload(Replace(0, 0, 0, "word2")).size());
    for (size_t cut = lastRecord; cut < bytes.size(); ++cut) {
        const std::optional<TBedJournalContents> read = ReadJournal(bytes.substr(0, cut));
        ASSERT_TRUE(read) << cut;
        ASSERT_EQ(read->edits.size(), 2u) << cut;
        EXPECT_EQ(read->validLength, lastRecord) << cut;
        EXPECT_EQ(read->complete, cut == lastRecord) << cut;
    }
    EXPECT_EQ(ReadJournal(bytes)->edits.size(), 3u);
}

TEST_F(EditJournal, DamagedAndHostileJournalsYieldTheirValidPrefixAndNothingMore) {
    std::string good(journal::kMagic);
    journal::AppendRecord(good, journal::kHeader, journal::HeaderPayload({}));
    journal::AppendRecord(good, journal::kEdit, journal::EditPayload(Replace(0, 0, 0, "ok")));
    EXPECT_FALSE(ReadJournal("garbage, not a journal"));
    EXPECT_FALSE(ReadJournal(std::string(journal::kMagic) + std::string(100, '\xFF')));
    // A record claiming 10 GB, and one claiming four thousand million lines in a few bytes.
    std::string huge = good;
    journal::PutU32(huge, 0xFFFFFFFF);
    huge += std::string(64, 'x');
    std::string lines = good;
    std::string payload(1, char(TBedJournalEdit::Insert));
    for (uint32_t v : {0u, 0xFFFFFFFFu, 0u, 0u, 0xFFFFFFFFu}) journal::PutU32(payload, v);
    journal::AppendRecord(lines, journal::kEdit, payload);
    // A record whose checksum does not match its bytes.
    std::string flipped = good;
    journal::AppendRecord(flipped, journal::kEdit, journal::EditPayload(Replace(0, 0, 0, "bad")));
    flipped[flipped.size() - 12] ^= 1;
    for (const std::string& bytes : {huge, lines, flipped}) {
        const std::optional<TBedJournalContents> read = ReadJournal(bytes);
        ASSERT_TRUE(read);
        ASSERT_EQ(read->edits.size(), 1u);
        EXPECT_EQ(read->edits[0].lines, std::vector<std::string>{"ok"});
        EXPECT_FALSE(read->complete);
    }
}

TEST_F(EditJournal, OnlyJournalsNobodyHoldsAreFoundAndStrangeOnesAreRefused) {
    auto held = Writer();
    held->Append(journal::kEdit, journal::EditPayload(Replace(0, 0, 0, "held")));
    held->Sync();
    auto left = Writer();
    left->Append(journal::kEdit, journal::EditPayload(Replace(0, 0, 0, "left")));
    left->Sync();
    const std::string leftPath = left->Path();
    left.reset();  // as a crash leaves it: written, not ended
    fs::create_symlink(held->Path(), Path("unsaved/journal-link00"));
    std::ofstream(Path("unsaved/journal-empty0")).flush();  // its process died before writing
    std::ofstream(Path("unsaved/journal-junk00")) << "not a journal";
    // Sparse, larger than the memory: it takes no room on the disk, nor is it read.
    std::ofstream(Path("unsaved/journal-huge00")).flush();
    fs::resize_file(Path("unsaved/journal-huge00"), uintmax_t(AvailableMemoryBytes()) + (uintmax_t(1) << 30));
    // Another user's journal, where only root could have put it.
    const bool asRoot = ::geteuid() == 0;
    if (asRoot) {
        fs::copy_file(leftPath, Path("unsaved/journal-other0"));
        ASSERT_EQ(::chown(Path("unsaved/journal-other0").c_str(), 65534, 65534), 0);
    }
    std::vector<std::string> problems;
    std::vector<TBedOrphanJournal> found = FindOrphanedJournals(problems);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path, leftPath);
    EXPECT_EQ(found[0].contents.edits.at(0).lines, std::vector<std::string>{"left"});
    std::sort(problems.begin(), problems.end());
    std::vector<std::string> expected = {
        "Záznam neuložených změn " + Path("unsaved/journal-huge00") + " je větší než volná paměť: nepoužije se.",
        "Záznam neuložených změn " + Path("unsaved/journal-junk00") + " je poškozený: nedá se použít.",
        "Záznam neuložených změn " + Path("unsaved/journal-link00") +
            " není obyčejný soubor tohoto uživatele: nepoužije se."};
    if (asRoot)
        expected.push_back("Záznam neuložených změn " + Path("unsaved/journal-other0") +
                           " není obyčejný soubor tohoto uživatele: nepoužije se.");
    EXPECT_EQ(problems, expected);
    EXPECT_FALSE(fs::exists(Path("unsaved/journal-empty0")));
    // While it is held, nobody else finds it; discarded, it is gone.
    problems.clear();
    EXPECT_TRUE(FindOrphanedJournals(problems).empty());
    DiscardJournal(found[0]);
    EXPECT_FALSE(fs::exists(leftPath));
    held->End();
}
