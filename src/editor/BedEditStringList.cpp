#include "BedEditStringList.h"

#include "FileReader.h"
#include "FileWriter.h"
#include "BedEditGeometry.h"
#include "BedEditLineBreaks.h"
#include "BedEditLineLengths.h"
#include "BedEditLineStore.h"
#include "BedEditTabs.h"
#include "BedTextLines.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>

struct TBedEditStringList::Impl {
    TBedEditLineStore lines;
    int lineBreakStyle = kLineBreakCRLF;
    int tabWidth = 8;
    TBedTabExpander expandTabs = TabExpanderFor(8);
    TBedLineLengths lengths;
    int updateCount = 0;
    TBedEditLineBreaks breaks;
    // The block LoadFromBlock split at its breaks, and whether the lines are still all and only
    // its lines, with their breaks.
    std::string_view splitBlock;
    bool unchangedSinceSplit = false;

    bool Valid(int index) const { return index >= 0 && index < lines.Count(); }
    void Check(int index) const;
    // Stores the line's expanded length and tab flags; the expanded text goes to `out` if given.
    void Measure(TBedEditLineRecord& record, std::string* out) const;
    // Around a change of a line's text: its old length goes from the counts, the new one,
    // measured at once, comes.
    void Uncount(int index) { lengths.Add(lines[index].expandedLength, -1); }
    void Recount(int index);
    void EraseLines(int index, int count) {
        for (int i = index; i < index + count; ++i) Uncount(i);
        lines.Erase(index, count);
    }
    // Opens one new line at index, growing the capacity by the list's rule when it is full, and
    // gives it the text.
    void InsertLine(int index, std::string&& text);
    // Replaces all lines by those that split(addLine) passes to addLine(begin, end, noTabs), all
    // pointing into the block, about `expected` of them; one Cleared and one Inserted
    // notification. A line known to hold no tab is measured at once.
    // The breaks follow the change before the owner hears of it.
    void Notify(const TBedEditStringList& list, const TBedLinesChange& change) {
        unchangedSinceSplit = false;
        breaks.Follow(change);
        ForgetBreaksOfEmptiedText(change.kind);
        if (list.OnLinesChange) list.OnLinesChange(change);
        if (list.OnJournal && !joining) list.OnJournal(change);
    }
    bool joining = false;  // the journal hears of a join as one change
    void ForgetBreaksOfEmptiedText(TBedLinesChangeKind kind) {
        if ((kind == TBedLinesChangeKind::Replaced || kind == TBedLinesChangeKind::Deleted) && lines.Count() == 1 &&
            TBedEditLineStore::View(lines[0]).empty())
            breaks.Clear();
    }
    void Notify(const TBedEditStringList& list, TBedLinesChangeKind kind, int first, int count) {
        Notify(list, {kind, first, count});
    }
    template <typename Split>
    void LoadLines(TBedEditStringList& list, TBedEditBlock&& block, size_t expected, Split split);
};

namespace {

void Fire(const std::function<void()>& notify) {
    if (notify) notify();
}

}  // namespace

void TBedEditStringList::Impl::Check(int index) const {
    if (!Valid(index)) throw EBedEditStringList("Invalid stringlist index " + std::to_string(index));
}

void TBedEditStringList::Impl::Measure(TBedEditLineRecord& record, std::string* out) const {
    const std::string_view text = TBedEditLineStore::View(record);
    size_t length = text.size();
    const bool hasTabs = !text.empty() && expandTabs(text, tabWidth, out, length);
    // A line of millions of tabs would overflow the stored length; it stays at the greatest.
    record.expandedLength = int32_t(std::min<size_t>(length, INT32_MAX));
    record.flags = hasTabs ? lfHasTabs : lfHasNoTabs;
}

void TBedEditStringList::Impl::Recount(int index) {
    TBedEditLineRecord& record = lines[index];
    if (record.flags & lfLengthUnknown) Measure(record, nullptr);
    lengths.Add(record.expandedLength, 1);
}

void TBedEditStringList::Impl::InsertLine(int index, std::string&& text) {
    const int capacity = lines.Capacity();
    if (lines.Count() == capacity) lines.SetCapacity(capacity + (capacity > 64 ? capacity / 4 : 16));
    TBedEditLineRecord* record = lines.Open(index, 1);
    *record = kBedNewLineRecord;
    try {
        lines.SetText(*record, std::move(text));
    } catch (...) {
        lines.Erase(index, 1);
        throw;
    }
    Recount(index);
}

template <typename Split>
void TBedEditStringList::Impl::LoadLines(TBedEditStringList& list, TBedEditBlock&& block, size_t expected,
                                         Split split) {
    splitBlock = {};
    unchangedSinceSplit = false;
    // Built aside: when the memory runs out on the way, the old lines are all still there.
    TBedEditLineStore loaded;
    const char* text = loaded.AdoptBlock(std::move(block.bytes), block.size);
    try {
        loaded.SetCapacity(int(std::min<size_t>(expected, INT32_MAX)));
    } catch (const std::bad_alloc&) {
        // A guess too high for the memory: the room grows with the lines instead.
    }
    int index = 0;
    split([&](const char* begin, const char* end, bool noTabs) {
        if (index == loaded.Capacity()) {
            if (index == INT32_MAX) throw std::bad_alloc();
            loaded.SetCapacity(int(std::min<int64_t>(int64_t(index) + index / 2 + 16, INT32_MAX)));
        }
        TBedEditLineRecord* record = loaded.Open(index++, 1);
        *record = kBedNewLineRecord;
        const size_t size = size_t(end - begin);
        loaded.SetView(*record, begin, size);
        if (noTabs) {
            record->expandedLength = int32_t(std::min<size_t>(size, INT32_MAX));
            record->flags = lfHasNoTabs;
        }
    });
    loaded.SetCapacity(index);
    loaded.ReleaseBlock(text);
    TBedLinesUpdate update(list);
    list.Clear();
    lines.Swap(loaded);
    lengths.Forget();
    if (lines.Count() > 0) Notify(list, TBedLinesChangeKind::Inserted, 0, lines.Count());
}

TBedEditStringList::TBedEditStringList() : d(std::make_unique<Impl>()) {}

TBedEditStringList::~TBedEditStringList() {
    // The owner may be half destroyed by now.
    OnChanged = nullptr;
    OnChanging = nullptr;
    OnLinesChange = nullptr;
    OnJournal = nullptr;
}

int TBedEditStringList::Count() const { return d->lines.Count(); }

const std::string& TBedEditStringList::Get(int index) const {
    static const std::string empty;
    return d->Valid(index) ? d->lines.Text(d->lines[index]) : empty;
}

std::string_view TBedEditStringList::GetView(int index) const {
    return d->Valid(index) ? TBedEditLineStore::View(d->lines[index]) : std::string_view();
}

std::string_view TBedEditStringList::LoadedBlock(int index) const {
    return d->Valid(index) ? d->lines.BlockAround(d->lines[index]) : std::string_view();
}

std::string_view TBedEditStringList::SplitLoadedBlock() const {
    const std::string_view block = d->splitBlock;
    // The block goes once every line has a string of its own.
    return !block.empty() && d->lines.HeldBlockSize(block.data()) == block.size() ? block : std::string_view();
}

std::optional<std::string_view> TBedEditStringList::UnchangedLoadedText() const {
    if (!d->unchangedSinceSplit) return std::nullopt;
    if (d->splitBlock.empty()) return std::string_view();
    // Lines that all took strings of their own, unchanged, are no longer that block.
    if (const std::string_view block = SplitLoadedBlock(); !block.empty()) return block;
    return std::nullopt;
}

void* TBedEditStringList::GetObject(int index) const { return d->Valid(index) ? d->lines.Object(index) : nullptr; }

TBedRange TBedEditStringList::GetRange(int index) const { return d->Valid(index) ? d->lines.Range(index) : 0; }

std::string TBedEditStringList::ExpandedLine(int index) {
    if (!d->Valid(index)) return {};
    TBedEditLineRecord& record = d->lines[index];
    if (record.flags & lfHasNoTabs) return std::string(TBedEditLineStore::View(record));
    std::string expanded;
    d->Measure(record, &expanded);
    if (record.flags & lfHasTabs) return expanded;
    return std::string(TBedEditLineStore::View(record));
}

std::string_view TBedEditStringList::ExpandedView(int index, int columns, std::string& buffer) {
    if (!d->Valid(index)) return {};
    TBedEditLineRecord& record = d->lines[index];
    const std::string_view text = TBedEditLineStore::View(record);
    if (record.flags & lfLengthUnknown) d->Measure(record, nullptr);
    if (record.flags & lfHasNoTabs) return text;
    // Each byte takes at least one column: the first `columns` bytes hold the columns asked for.
    size_t length = 0;
    if (!d->expandTabs(text.substr(0, size_t(std::max(0, columns))), d->tabWidth, &buffer, length)) return text;
    return buffer;
}

bool TBedEditStringList::HasTabs(int index) const {
    if (!d->Valid(index)) return false;
    TBedEditLineRecord& record = d->lines[index];
    if (record.flags & lfLengthUnknown) d->Measure(record, nullptr);
    return !(record.flags & lfHasNoTabs);
}

int TBedEditStringList::DisplayColumn(int index, int x) const {
    if (!HasTabs(index)) return std::max(1, x);
    return CharPosToDisplayColumn(GetView(index), x, d->tabWidth);
}

int TBedEditStringList::CharPosAtColumns(int index, int n) const {
    if (!HasTabs(index)) return std::max(0, n) + 1;
    return ColumnCountToCharPos(GetView(index), n, d->tabWidth);
}

int TBedEditStringList::LongestLineLength() {
    if (!d->lengths.Known()) {
        d->lengths.StartCounting();
        d->lines.ForEach([&](TBedEditLineRecord& record) {
            if (record.flags & lfLengthUnknown) d->Measure(record, nullptr);
            d->lengths.Add(record.expandedLength, 1);
        });
    }
    return d->lengths.Longest();
}

void TBedEditStringList::Put(int index, std::string text) {
    if (index == 0 && Count() == 0) {
        Add(std::move(text));
        return;
    }
    d->Check(index);
    TBedLinesUpdate update(*this);
    TBedEditLineRecord& record = d->lines[index];
    d->lines.SetText(record, std::move(text));
    d->Uncount(index);
    record.flags = lfLengthUnknown;
    d->Recount(index);
    d->Notify(*this, TBedLinesChangeKind::Replaced, index, 1);
}

void TBedEditStringList::Splice(int index, int at, int count, std::string_view text) {
    d->Check(index);
    TBedLinesUpdate update(*this);
    TBedEditLineRecord& record = d->lines[index];
    std::string& line = d->lines.MutableText(record);
    d->Uncount(index);
    const size_t from = std::min(line.size(), size_t(std::max(0, at)));
    const size_t removed = std::min(line.size() - from, size_t(std::max(0, count)));
    const size_t kept = line.size() - from - removed;
    line.replace(from, removed, text);
    // A line without tabs that gets none keeps its flags; only its length changes.
    if ((record.flags & lfHasNoTabs) && text.find('\t') == std::string_view::npos)
        record.expandedLength = int32_t(std::min<size_t>(line.size(), INT32_MAX));
    else
        record.flags = lfLengthUnknown;
    d->Recount(index);
    d->Notify(*this, {TBedLinesChangeKind::Replaced, index, 1, int(from), int(kept)});
}

void TBedEditStringList::PutObject(int index, void* object) {
    d->Check(index);
    TBedLinesUpdate update(*this);
    d->lines.SetObject(index, object);
}

void TBedEditStringList::PutRange(int index, TBedRange range) {
    d->Check(index);
    TBedLinesUpdate update(*this);
    d->lines.SetRange(index, range);
}

int TBedEditStringList::Add(std::string text) {
    const int index = Count();
    Insert(index, std::move(text));
    return index;
}

namespace {

// Appends n lines taken from a source through textAt(i)/objectAt(i): one allocation, one
// notification, and on failure none of the new lines remain.
template <typename TextAt, typename ObjectAt, typename Notify>
void AppendLines(TBedEditStringList& list, TBedEditLineStore& lines, TBedLineLengths& lengths, int n, TextAt textAt,
                 ObjectAt objectAt, Notify notifyInserted) {
    if (n <= 0) return;
    TBedLinesUpdate update(list);
    const int first = lines.Count();
    const int wanted = (first + n + 15) / 16 * 16;
    if (wanted > lines.Capacity()) lines.SetCapacity(wanted);
    try {
        for (int i = 0; i < n; ++i) {
            std::string text(textAt(i));
            TBedEditLineRecord* record = lines.Open(first + i, 1);
            *record = kBedNewLineRecord;
            lines.SetText(*record, std::move(text));
            lines.SetObject(first + i, objectAt(i));
        }
    } catch (...) {
        lines.Erase(first, lines.Count() - first);
        throw;
    }
    lengths.Forget();  // many lines at once: counted again when asked for
    notifyInserted(first, n);
}

}  // namespace

void TBedEditStringList::AddStrings(const TBedEditStringList& source) {
    // Reading by index stays valid when the source is this list: lines are only appended.
    AppendLines(
        *this, d->lines, d->lengths, source.Count(), [&](int i) { return source.GetView(i); },
        [&](int i) { return source.GetObject(i); },
        [&](int first, int n) { d->Notify(*this, TBedLinesChangeKind::Inserted, first, n); });
}

void TBedEditStringList::AddStrings(const std::vector<std::string>& source) {
    AppendLines(
        *this, d->lines, d->lengths, int(source.size()), [&](int i) -> const std::string& { return source[size_t(i)]; },
        [](int) -> void* { return nullptr; },
        [&](int first, int n) { d->Notify(*this, TBedLinesChangeKind::Inserted, first, n); });
}

void TBedEditStringList::Insert(int index, std::string text) {
    if (index != Count()) d->Check(index);
    TBedLinesUpdate update(*this);
    d->InsertLine(index, std::move(text));
    d->Notify(*this, TBedLinesChangeKind::Inserted, index, 1);
}

void TBedEditStringList::InsertEmptyLines(int index, int count) {
    if (count <= 0) return;
    // Beyond Count the records would be written outside the list.
    if (index != Count()) d->Check(index);
    TBedLinesUpdate update(*this);
    d->lines.SetCapacity(Count() + count);
    TBedEditLineRecord* records = d->lines.Open(index, count);
    std::fill_n(records, count, kBedBlankLineRecord);
    for (int i = index; i < index + count; ++i) d->lines.SetRange(i, 0);
    d->lengths.Add(0, count);
    d->Notify(*this, TBedLinesChangeKind::Inserted, index, count);
}

void TBedEditStringList::Delete(int index) { DeleteLines(index, 1); }

void TBedEditStringList::DeleteLines(int index, int count) {
    if (count <= 0) return;
    d->Check(index);
    TBedLinesUpdate update(*this);
    count = std::min(count, Count() - index);
    d->EraseLines(index, count);
    d->Notify(*this, TBedLinesChangeKind::Deleted, index, count);
}

void TBedEditStringList::JoinLines(int index, int count, std::string text) {
    d->Check(index);
    TBedLinesUpdate update(*this);
    count = std::min(count, Count() - index - 1);
    d->joining = count > 0;
    Put(index, std::move(text));
    d->joining = false;
    if (count <= 0) return;
    d->EraseLines(index + 1, count);
    // The breaks see the upper lines go, so that the joined line keeps the lowest one's break;
    // the owner sees the lower ones go, the joined line keeping its place.
    d->breaks.Follow({TBedLinesChangeKind::Deleted, index, count});
    d->ForgetBreaksOfEmptiedText(TBedLinesChangeKind::Deleted);
    if (OnLinesChange) OnLinesChange({TBedLinesChangeKind::Deleted, index + 1, count});
    if (OnJournal) OnJournal({TBedLinesChangeKind::Joined, index, count});
}

void TBedEditStringList::Exchange(int index1, int index2) {
    d->Check(index1);
    d->Check(index2);
    TBedLinesUpdate update(*this);
    d->lines.Swap(index1, index2);
    d->Notify(*this, TBedLinesChangeKind::Replaced, index1, 1);
    d->Notify(*this, TBedLinesChangeKind::Replaced, index2, 1);
}

void TBedEditStringList::Clear() {
    d->lengths.Forget();
    const int count = Count();
    if (count == 0) return;
    TBedLinesUpdate update(*this);
    d->lines.Clear();
    d->Notify(*this, TBedLinesChangeKind::Cleared, 0, count);
}

int TBedEditStringList::Capacity() const { return d->lines.Capacity(); }

void TBedEditStringList::SetCapacity(int capacity) { d->lines.SetCapacity(capacity); }

int TBedEditStringList::TabWidth() const { return d->tabWidth; }

void TBedEditStringList::SetTabWidth(int width) {
    if (width == d->tabWidth) return;
    d->tabWidth = width;
    d->expandTabs = TabExpanderFor(width);
    d->lengths.Forget();
    // A line without tabs is as long with any width.
    d->lines.ForEach([](TBedEditLineRecord& record) {
        if (record.flags & lfHasNoTabs) return;
        record.expandedLength = -1;
        record.flags = uint8_t(record.flags | lfLengthUnknown);
    });
}

const TBedEditLineBreaks& TBedEditStringList::LineBreaks() const { return d->breaks; }

void TBedEditStringList::ForgetLineBreaks() {
    d->breaks.Clear();
    d->unchangedSinceSplit = false;
}

int TBedEditStringList::LineBreakStyle() const { return d->lineBreakStyle; }

void TBedEditStringList::SetLineBreakStyle(int style) {
    d->lineBreakStyle = style == kLineBreakLF ? kLineBreakLF : kLineBreakCRLF;
}

void TBedEditStringList::LoadFromFile(const std::string& fileName) {
    // Read before anything changes, so that a read error leaves the lines as they were.
    LoadFromBlock(TBedEditFileReader(fileName).ReadAll());
}

namespace {

// Lines in a text, judged from its first megabyte: enough room for the lines of most texts at
// once, without a pass of its own over a big one.
size_t ExpectedLines(const char* begin, const char* end) {
    const size_t size = size_t(end - begin), sample = std::min<size_t>(size, size_t(1) << 20);
    const size_t lines = CountLines(begin, begin + sample);
    return sample == size ? lines : size_t(double(lines) * 1.05 * double(size) / double(sample)) + 16;
}

}  // namespace

void TBedEditStringList::LoadFromBlock(TBedEditBlock block) {
    const char* begin = block.bytes.get();
    const char* end = begin + block.size;
    bool sawCR = false;
    // Recorded aside: loading the lines clears the breaks of the lines before.
    TBedEditLineBreaks breaks;
    d->LoadLines(*this, std::move(block), ExpectedLines(begin, end), [&](const auto& addLine) {
        sawCR = SplitLinesNotingTabs(begin, end, [&](const char* lineBegin, const char* lineEnd, bool tab) {
            addLine(lineBegin, lineEnd, !tab);
            breaks.Append(LineBreakAt(lineEnd, end));
        });
    });
    d->breaks = std::move(breaks);
    d->lineBreakStyle = sawCR ? kLineBreakCRLF : kLineBreakLF;
    d->splitBlock = std::string_view(begin, size_t(end - begin));
    d->unchangedSinceSplit = true;
}

void TBedEditStringList::LoadFromBlock(TBedEditBlock block, const std::vector<std::string_view>& lines,
                                       TBedEditLineBreaks breaks) {
    d->LoadLines(*this, std::move(block), lines.size(), [&](const auto& addLine) {
        for (std::string_view line : lines) addLine(line.data(), line.data() + line.size(), false);
    });
    d->breaks = std::move(breaks);
}

void TBedEditStringList::SaveToFile(const std::string& fileName) {
    TBedEditFileWriter writer(fileName);
    SaveToWriter(writer);
    writer.Commit();
}

void TBedEditStringList::SaveToWriter(TBedEditFileWriter& writer) const {
    const std::string_view lineBreak = d->lineBreakStyle == kLineBreakLF ? "\n" : "\r\n";
    d->lines.ForEach([&](const TBedEditLineRecord& record) {
        writer.Write(TBedEditLineStore::View(record));
        writer.Write(lineBreak);
    });
}

std::string TBedEditStringList::Text() const {
    size_t size = 0;
    d->lines.ForEach([&](const TBedEditLineRecord& record) { size += TBedEditLineStore::View(record).size() + 2; });
    std::string text;
    text.reserve(size);
    d->lines.ForEach([&](const TBedEditLineRecord& record) {
        text += TBedEditLineStore::View(record);
        text += "\r\n";
    });
    return text;
}

void TBedEditStringList::SetText(std::string_view text) {
    TBedEditBlock block{std::make_unique_for_overwrite<char[]>(text.size()), text.size()};
    if (!text.empty()) std::memcpy(block.bytes.get(), text.data(), text.size());
    const char* begin = block.bytes.get();
    const char* end = begin + block.size;
    d->LoadLines(*this, std::move(block), ExpectedLines(begin, end), [&](const auto& addLine) {
        SplitLinesNotingTabs(begin, end, [&](const char* b, const char* e, bool tab) { addLine(b, e, !tab); });
    });
}

void TBedEditStringList::Assign(const TBedEditStringList& source) {
    if (&source == this) return;
    TBedLinesUpdate update(*this);
    Clear();
    AddStrings(source);
}

void TBedEditStringList::BeginUpdate() {
    if (d->updateCount++ == 0) Fire(OnChanging);
}

void TBedEditStringList::EndUpdate() {
    if (d->updateCount > 0 && --d->updateCount == 0) Fire(OnChanged);
}

int TBedEditStringList::UpdateCount() const { return d->updateCount; }
