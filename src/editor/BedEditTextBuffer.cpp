#include "BedEditTextBuffer.h"

#include "BedEditFiler.h"
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
    // Opens one new line at index, growing the capacity by the list's rule when it is full.
    void InsertLine(int index, std::string&& text, void* object);
    // Add without its update bracket, for callers that hold one around many lines.
    int AppendLine(TBedEditStringList& list, std::string&& text);
};

namespace {

TBedEditLineRecord NewLineRecord(void* object) {
    return {nullptr, object, kNoRange, -1, lfLengthUnknown};
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
    const std::string& text = TBedEditLineStore::Text(record);
    size_t length = text.size();
    const bool hasTabs = !text.empty() && expandTabs(text, tabWidth, out, length);
    // A line of millions of tabs would overflow the stored length; it stays at the greatest.
    record.expandedLength = int32_t(std::min<size_t>(length, INT32_MAX));
    record.flags = hasTabs ? lfHasTabs : lfHasNoTabs;
}

void TBedEditStringList::Impl::InsertLine(int index, std::string&& text, void* object) {
    const int capacity = lines.Capacity();
    if (lines.Count() == capacity)
        lines.SetCapacity(capacity + (capacity > 64 ? capacity / 4 : 16));
    TBedEditLineRecord* record = lines.Open(index, 1);
    *record = NewLineRecord(object);
    try {
        lines.SetText(*record, std::move(text));
    } catch (...) {
        lines.Erase(index, 1);
        throw;
    }
    longestLine = -1;
}

int TBedEditStringList::Impl::AppendLine(TBedEditStringList& list, std::string&& text) {
    const int index = lines.Count();
    InsertLine(index, std::move(text), nullptr);
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
    return d->Valid(index) ? TBedEditLineStore::Text(d->lines[index]) : empty;
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
    if (record.flags & lfHasNoTabs) return TBedEditLineStore::Text(record);
    std::string expanded;
    d->Measure(record, &expanded);
    if (record.flags & lfHasTabs) return expanded;
    return TBedEditLineStore::Text(record);
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
        [&](int i) -> const std::string& { return source.Get(i); },
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
        for (int i = 0; i < count; ++i) records[i] = {nullptr, nullptr, 0, 0, 0};
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
    Updating(*this, [&] {
        Clear();
        std::string line;
        while (reader.ReadLine(line)) d->AppendLine(*this, std::move(line));
    });
    d->lineBreakStyle = reader.LineBreakStyle();
}

void TBedEditStringList::SaveToFile(const std::string& fileName) {
    TBedEditFileWriter writer(fileName);
    SaveToWriter(writer);
    writer.Commit();
}

void TBedEditStringList::SaveToWriter(TBedEditFileWriter& writer) const {
    const std::string_view lineBreak = d->lineBreakStyle == kLineBreakLF ? "\n" : "\r\n";
    d->lines.ForEach([&](const TBedEditLineRecord& record) {
        writer.Write(TBedEditLineStore::Text(record));
        writer.Write(lineBreak);
    });
}

std::string TBedEditStringList::Text() const {
    size_t size = 0;
    d->lines.ForEach([&](const TBedEditLineRecord& record) {
        size += TBedEditLineStore::Text(record).size() + 2;
    });
    std::string text;
    text.reserve(size);
    d->lines.ForEach([&](const TBedEditLineRecord& record) {
        text += TBedEditLineStore::Text(record);
        text += "\r\n";
    });
    return text;
}

void TBedEditStringList::SetText(std::string_view text) {
    Updating(*this, [&] {
        Clear();
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) {
            const char* lineBreak = FindLineBreak(p, end);
            d->AppendLine(*this, std::string(p, lineBreak));
            if (lineBreak == end) break;
            const bool crlf = *lineBreak == '\r' && lineBreak + 1 < end && lineBreak[1] == '\n';
            p = lineBreak + (crlf ? 2 : 1);
        }
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
