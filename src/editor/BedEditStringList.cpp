#include "BedEditStringList.h"

#include "BedEditFiles.h"
#include "BedEditLineStore.h"
#include "BedEditTabs.h"

#include <algorithm>
#include <cstdint>
#include <utility>

struct TBedEditStringList::Impl {
    TBedEditLineStore lines;
    int lineBreakStyle = kLineBreakCRLF;
    int tabWidth = 8;
    TBedTabExpander expandTabs = TabExpanderFor(8);
    int longestLine = -1;
    int updateCount = 0;

    bool Valid(int index) const { return index >= 0 && index < lines.Count(); }
    void Check(int index) const;
    // Stores the line's expanded length and tab flags; the expanded text goes to `out` if given.
    void Measure(TBedEditLineRecord& record, std::string* out) const;
    // Opens one new line at index, growing the capacity by the list's rule when it is full, and
    // fills it through fill(record).
    template <typename Fill>
    void InsertLine(int index, void* object, Fill fill);
    void InsertLine(int index, std::string&& text, void* object) {
        InsertLine(index, object, [&](TBedEditLineRecord& r) { lines.SetText(r, std::move(text)); });
    }
    // Add without its update bracket, for callers that hold one around many lines.
    template <typename Fill>
    int AppendLine(TBedEditStringList& list, Fill fill);
    int AppendLine(TBedEditStringList& list, std::string&& text) {
        return AppendLine(list, [&](TBedEditLineRecord& r) { lines.SetText(r, std::move(text)); });
    }
};

namespace {

TBedEditLineRecord NewLineRecord(void* object) {
    return {{nullptr}, object, kNoRange, -1, lfLengthUnknown, 0};
}

void Fire(const std::function<void()>& notify) {
    if (notify) notify();
}

void Fire(const std::function<void(int)>& notify, int index) {
    if (notify) notify(index);
}

// Runs a change inside an update bracket that is closed even when the change fails.
template <typename F>
void Updating(TBedEditStringList& list, F change) {
    list.BeginUpdate();
    try {
        change();
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

}  // namespace

void TBedEditStringList::Impl::Check(int index) const {
    if (!Valid(index))
        throw EBedEditStringList("Invalid stringlist index " + std::to_string(index));
}

void TBedEditStringList::Impl::Measure(TBedEditLineRecord& record, std::string* out) const {
    const std::string_view text = TBedEditLineStore::View(record);
    size_t length = text.size();
    const bool hasTabs = !text.empty() && expandTabs(text, tabWidth, out, length);
    // A line of millions of tabs would overflow the stored length; it stays at the greatest.
    record.expandedLength = int32_t(std::min<size_t>(length, INT32_MAX));
    record.flags = hasTabs ? lfHasTabs : lfHasNoTabs;
}

template <typename Fill>
void TBedEditStringList::Impl::InsertLine(int index, void* object, Fill fill) {
    const int capacity = lines.Capacity();
    if (lines.Count() == capacity)
        lines.SetCapacity(capacity + (capacity > 64 ? capacity / 4 : 16));
    TBedEditLineRecord* record = lines.Open(index, 1);
    *record = NewLineRecord(object);
    try {
        fill(*record);
    } catch (...) {
        lines.Erase(index, 1);
        throw;
    }
    longestLine = -1;
}

template <typename Fill>
int TBedEditStringList::Impl::AppendLine(TBedEditStringList& list, Fill fill) {
    const int index = lines.Count();
    InsertLine(index, nullptr, fill);
    Fire(list.OnLinesAdded, index);
    return index;
}

TBedEditStringList::TBedEditStringList() : d(std::make_unique<Impl>()) {}

TBedEditStringList::~TBedEditStringList() {
    // The owner may be half destroyed by now.
    OnChanged = nullptr;
    OnChanging = nullptr;
}

int TBedEditStringList::Count() const { return d->lines.Count(); }

const std::string& TBedEditStringList::Get(int index) const {
    static const std::string empty;
    return d->Valid(index) ? d->lines.Text(d->lines[index]) : empty;
}

std::string_view TBedEditStringList::GetView(int index) const {
    return d->Valid(index) ? TBedEditLineStore::View(d->lines[index]) : std::string_view();
}

void* TBedEditStringList::GetObject(int index) const {
    return d->Valid(index) ? d->lines[index].object : nullptr;
}

TBedRange TBedEditStringList::GetRange(int index) const {
    return d->Valid(index) ? d->lines[index].range : 0;
}

std::string TBedEditStringList::ExpandedLine(int index) {
    if (!d->Valid(index)) return {};
    TBedEditLineRecord& record = d->lines[index];
    if (record.flags & lfHasNoTabs) return std::string(TBedEditLineStore::View(record));
    std::string expanded;
    d->Measure(record, &expanded);
    if (record.flags & lfHasTabs) return expanded;
    return std::string(TBedEditLineStore::View(record));
}

int TBedEditStringList::LongestLineLength() {
    if (d->longestLine < 0) {
        int longest = -1, index = 0;
        d->lines.ForEach([&](TBedEditLineRecord& record) {
            if (record.flags & lfLengthUnknown) d->Measure(record, nullptr);
            if (record.expandedLength > longest) {
                longest = record.expandedLength;
                d->longestLine = index;
            }
            ++index;
        });
    }
    return d->Valid(d->longestLine) ? d->lines[d->longestLine].expandedLength : 0;
}

void TBedEditStringList::Put(int index, std::string text) {
    if (index == 0 && Count() == 0) {
        Add(std::move(text));
        return;
    }
    d->Check(index);
    Updating(*this, [&] {
        TBedEditLineRecord& record = d->lines[index];
        d->lines.SetText(record, std::move(text));
        record.flags = lfLengthUnknown;
        d->longestLine = -1;
        Fire(OnLineReplaced, index);
    });
}

void TBedEditStringList::PutObject(int index, void* object) {
    d->Check(index);
    Updating(*this, [&] { d->lines[index].object = object; });
}

void TBedEditStringList::PutRange(int index, TBedRange range) {
    d->Check(index);
    Updating(*this, [&] { d->lines[index].range = range; });
}

int TBedEditStringList::Add(std::string text) {
    int index = 0;
    Updating(*this, [&] { index = d->AppendLine(*this, std::move(text)); });
    return index;
}

namespace {

// Appends n lines taken from a source through textAt(i)/objectAt(i): one allocation, one
// notification, and on failure none of the new lines remain.
template <typename TextAt, typename ObjectAt>
void AppendLines(TBedEditStringList& list, TBedEditLineStore& lines, int& longestLine, int n,
                 TextAt textAt, ObjectAt objectAt) {
    if (n <= 0) return;
    Updating(list, [&] {
        const int first = lines.Count();
        const int wanted = (first + n + 15) / 16 * 16;
        if (wanted > lines.Capacity()) lines.SetCapacity(wanted);
        try {
            for (int i = 0; i < n; ++i) {
                std::string text(textAt(i));
                TBedEditLineRecord* record = lines.Open(first + i, 1);
                *record = NewLineRecord(objectAt(i));
                lines.SetText(*record, std::move(text));
            }
        } catch (...) {
            lines.Erase(first, lines.Count() - first);
            throw;
        }
        longestLine = -1;
        Fire(list.OnLinesAdded, first);
    });
}

}  // namespace

void TBedEditStringList::AddStrings(const TBedEditStringList& source) {
    // Reading by index stays valid when the source is this list: lines are only appended.
    AppendLines(
        *this, d->lines, d->longestLine, source.Count(),
        [&](int i) { return source.GetView(i); },
        [&](int i) { return source.GetObject(i); });
}

void TBedEditStringList::AddStrings(const std::vector<std::string>& source) {
    AppendLines(
        *this, d->lines, d->longestLine, int(source.size()),
        [&](int i) -> const std::string& { return source[size_t(i)]; },
        [](int) -> void* { return nullptr; });
}

void TBedEditStringList::Insert(int index, std::string text) {
    if (index != Count()) d->Check(index);
    Updating(*this, [&] {
        d->InsertLine(index, std::move(text), nullptr);
        Fire(OnLineInserted, index);
    });
}

void TBedEditStringList::InsertEmptyLines(int index, int count) {
    if (count <= 0) return;
    // Beyond Count the records would be written outside the list.
    if (index != Count()) d->Check(index);
    Updating(*this, [&] {
        d->lines.SetCapacity(Count() + count);
        TBedEditLineRecord* records = d->lines.Open(index, count);
        for (int i = 0; i < count; ++i) records[i] = {{nullptr}, nullptr, 0, 0, 0, 0};
        d->longestLine = -1;
        Fire(OnLinesAdded, index);
    });
}

void TBedEditStringList::Delete(int index) {
    d->Check(index);
    Updating(*this, [&] {
        d->lines.Erase(index, 1);
        d->longestLine = -1;
        Fire(OnLineDeleted, index);
    });
}

void TBedEditStringList::DeleteLines(int index, int count) {
    if (count <= 0) return;
    d->Check(index);
    Updating(*this, [&] {
        d->lines.Erase(index, std::min(count, Count() - index));
        d->longestLine = -1;
        Fire(OnLineDeleted, index);
    });
}

void TBedEditStringList::Exchange(int index1, int index2) {
    d->Check(index1);
    d->Check(index2);
    Updating(*this, [&] {
        std::swap(d->lines[index1], d->lines[index2]);
        if (d->longestLine == index1)
            d->longestLine = index2;
        else if (d->longestLine == index2)
            d->longestLine = index1;
    });
}

void TBedEditStringList::Clear() {
    d->longestLine = -1;
    if (Count() == 0) return;
    Updating(*this, [&] {
        d->lines.Clear();
        Fire(OnLinesCleared);
    });
}

int TBedEditStringList::Capacity() const { return d->lines.Capacity(); }

void TBedEditStringList::SetCapacity(int capacity) { d->lines.SetCapacity(capacity); }

int TBedEditStringList::TabWidth() const { return d->tabWidth; }

void TBedEditStringList::SetTabWidth(int width) {
    if (width == d->tabWidth) return;
    d->tabWidth = width;
    d->expandTabs = TabExpanderFor(width);
    d->longestLine = -1;
    d->lines.ForEach([](TBedEditLineRecord& record) {
        record.expandedLength = -1;
        record.flags = uint8_t((record.flags & ~lfHasNoTabs) | lfLengthUnknown);
    });
}

int TBedEditStringList::LineBreakStyle() const { return d->lineBreakStyle; }

void TBedEditStringList::SetLineBreakStyle(int style) {
    d->lineBreakStyle = style == kLineBreakLF ? kLineBreakLF : kLineBreakCRLF;
}

void TBedEditStringList::LoadFromFile(const std::string& fileName) {
    TBedEditFileReader reader(fileName);
    LoadFromReader(reader);
}

void TBedEditStringList::LoadFromReader(TBedEditFileReader& reader) {
    // One block for the whole text instead of a string per line: loading is bound by allocation
    // otherwise. Read before anything changes, so a read error leaves the lines as they were.
    size_t size = 0;
    std::unique_ptr<char[]> bytes = reader.ReadRest(size);
    int style = reader.LineBreakStyle();
    Updating(*this, [&] {
        Clear();
        const char* text = d->lines.AdoptBlock(std::move(bytes), size);
        try {
            if (SplitLines(text, text + size, [&](const char* begin, const char* end) {
                    d->AppendLine(*this, [&](TBedEditLineRecord& record) {
                        d->lines.SetView(record, begin, size_t(end - begin));
                    });
                }))
                style = kLineBreakCRLF;
        } catch (...) {
            d->lines.ReleaseBlock(text);
            throw;
        }
        d->lines.ReleaseBlock(text);
    });
    d->lineBreakStyle = style;
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
    d->lines.ForEach([&](const TBedEditLineRecord& record) {
        size += TBedEditLineStore::View(record).size() + 2;
    });
    std::string text;
    text.reserve(size);
    d->lines.ForEach([&](const TBedEditLineRecord& record) {
        text += TBedEditLineStore::View(record);
        text += "\r\n";
    });
    return text;
}

void TBedEditStringList::SetText(std::string_view text) {
    Updating(*this, [&] {
        Clear();
        SplitLines(text.data(), text.data() + text.size(), [&](const char* begin, const char* end) {
            d->AppendLine(*this, std::string(begin, end));
        });
    });
}

void TBedEditStringList::Assign(const TBedEditStringList& source) {
    if (&source == this) return;
    Updating(*this, [&] {
        Clear();
        AddStrings(source);
    });
}

void TBedEditStringList::BeginUpdate() {
    if (d->updateCount++ == 0) Fire(OnChanging);
}

void TBedEditStringList::EndUpdate() {
    if (d->updateCount > 0 && --d->updateCount == 0) Fire(OnChanged);
}

int TBedEditStringList::UpdateCount() const { return d->updateCount; }
