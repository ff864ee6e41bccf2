// Øádkový buffer editoru: uchovává øádky textu a stav zvýraznìní na jejich zaèátku.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "LineBuffer.h"

namespace editor {

namespace {

constexpr std::size_t kInitialCapacity = 256;  // poèet øádkù, pro které je místo hned
constexpr int kMaxLineLength = 1 << 20;

/* Vrátí true, když znak ukonèuje øádek.
   Znaky CR a LF se v uložených øádcích nikdy nevyskytují. */
inline bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

LineBuffer::LineBuffer() { lines_.reserve(kInitialCapacity); }

LineBuffer::~LineBuffer() = default;

int LineBuffer::Count() const { return static_cast<int>(lines_.size()); }

const std::string& LineBuffer::Line(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("Neplatný index øádku " + std::to_string(index));
    return lines_[static_cast<std::size_t>(index)].text;
}

void LineBuffer::Insert(int index, const std::string& text) {
    if (index < 0 || index > Count())
        throw std::out_of_range("Neplatný index øádku");
    Record record;
    record.text = text;
    record.range = 0;
    record.flags = kModified;
    lines_.insert(lines_.begin() + index, std::move(record));
    ++changeCount_;
    Notify(ChangeKind::Inserted, index, 1);
}

void LineBuffer::Delete(int index, int count) {
    if (count <= 0)
        return;
    const int last = std::min(Count(), index + count);
    lines_.erase(lines_.begin() + index, lines_.begin() + last);
    changeCount_ += last - index;
    Notify(ChangeKind::Deleted, index, last - index);
}

std::size_t LineBuffer::TextLength(bool withBreaks) const {
    std::size_t total = 0;
    for (const Record& r : lines_)
        total += r.text.size() + (withBreaks ? 2 : 0);
    return total;
}

// Rozdìlí text na øádky podle CR LF, samotného LF nebo samotného CR.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> result;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!IsLineBreak(c)) {
            current += c;
            continue;
        }
        result.push_back(current);
        current.clear();
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    if (!current.empty())
        result.push_back(std::move(current));
    return result;
}

template <typename Predicate>
int LineBuffer::FindLine(int from, Predicate matches) const {
    for (int i = std::max(0, from); i < Count(); ++i)
        if (matches(lines_[static_cast<std::size_t>(i)].text))
            return i;
    return -1;
}

uint32_t LineBuffer::Checksum() const {
    uint32_t sum = 0x811C9DC5u;
    for (const Record& r : lines_) {
        for (unsigned char c : r.text) {
            sum ^= c;
            sum *= 16777619u;
        }
        sum = (sum << 5) | (sum >> 27);
    }
    return sum;
}

#if defined(BED_DEBUG) && BED_DEBUG > 1
#  define BED_TRACE(msg) \
	std::fprintf(stderr, "%s:%d %s\n", __FILE__, __LINE__, (msg))
#else
#  define BED_TRACE(msg) ((void)0)
#endif

void LineBuffer::Notify(ChangeKind kind, int index, int count) {
    BED_TRACE("notify");
    for (auto* listener : listeners_) {
        if (listener != nullptr && listener->IsEnabled())
            listener->LinesChanged(this, kind, index, count);
    }
}

bool LineBuffer::Replace(int index, const std::string& text) {
    std::string& line = lines_.at(static_cast<std::size_t>(index)).text;
    if (line == text)
        return false;
    if (static_cast<int>(text.size()) > kMaxLineLength)
        throw std::length_error("Øádek je pøíliš dlouhý");
    line = text;
    lines_[static_cast<std::size_t>(index)].flags |= kModified;
    Notify(ChangeKind::Replaced, index, 1);
    return true;
}

double LineBuffer::AverageLength() const {
    return lines_.empty() ? 0.0 : static_cast<double>(TextLength(false)) / lines_.size();
}

}  // namespace editor
