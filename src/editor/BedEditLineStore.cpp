#include "BedEditLineStore.h"

#include "MemoryLimits.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TBedEditLineRecord>, "records are moved with memmove and realloc");
static_assert(sizeof(TBedEditLineRecord) == 16);

namespace {

// Moves the part of an array around its gap that lies between the old and the new gap start.
template <typename T>
void ShiftAround(T* items, int gapStart, int gapLength, int index) {
    if (!items) return;
    if (index < gapStart)
        std::memmove(items + index + gapLength, items + index, size_t(gapStart - index) * sizeof(T));
    else if (index > gapStart)
        std::memmove(items + gapStart, items + gapStart + gapLength, size_t(index - gapStart) * sizeof(T));
}

// Reallocates an array of `from` items, its gap at its end, to `to` items. Growing raises
// std::bad_alloc when memory runs out; an array that can't shrink stays as large as it was.
template <typename T>
void Resize(T*& items, int from, int to) {
    if (to == 0) {
        std::free(items);
        items = nullptr;
        return;
    }
    if (void* resized = std::realloc(items, size_t(to) * sizeof(T))) {
        items = static_cast<T*>(resized);
        if (to > from) AdviseHugePages(items, size_t(to) * sizeof(T));
    } else if (to > from) {
        throw std::bad_alloc();
    }
}

}  // namespace

TBedEditLineStore::~TBedEditLineStore() { Clear(); }

void TBedEditLineStore::Swap(TBedEditLineStore& other) noexcept {
    std::swap(records_, other.records_);
    std::swap(ranges_, other.ranges_);
    std::swap(objects_, other.objects_);
    std::swap(capacity_, other.capacity_);
    std::swap(gapStart_, other.gapStart_);
    std::swap(gapLength_, other.gapLength_);
    blocks_.swap(other.blocks_);
    chunks_.swap(other.chunks_);
    std::swap(usedInLastChunk_, other.usedInLastChunk_);
    std::swap(freeSlots_, other.freeSlots_);
}

const std::string& TBedEditLineStore::EmptyText() {
    static const std::string empty;
    return empty;
}

void TBedEditLineStore::ShiftGap(int index) {
    ShiftAround(records_, gapStart_, gapLength_, index);
    ShiftAround(ranges_, gapStart_, gapLength_, index);
    ShiftAround(objects_, gapStart_, gapLength_, index);
    gapStart_ = index;
}

void TBedEditLineStore::SetCapacity(int capacity) {
    const int count = Count();
    if (capacity < count) capacity = count;
    if (capacity == capacity_) return;
    MoveGap(count);
    // When one array fails to grow, those grown before it only have room to spare.
    Resize(records_, capacity_, capacity);
    if (ranges_) Resize(ranges_, capacity_, capacity);
    if (objects_) Resize(objects_, capacity_, capacity);
    capacity_ = capacity;
    gapLength_ = capacity - count;
}

void TBedEditLineStore::SetRange(int index, TBedRange range) {
    if (!ranges_) {
        if (range == Range(index)) return;
        ranges_ = static_cast<TBedRange*>(std::malloc(size_t(capacity_) * sizeof(TBedRange)));
        if (!ranges_) throw std::bad_alloc();
        for (int i = 0; i < Count(); ++i) ranges_[Position(i)] = (*this)[i].zeroRange ? 0 : kNoRange;
    }
    ranges_[Position(index)] = range;
}

void TBedEditLineStore::SetObject(int index, void* object) {
    if (!objects_) {
        if (!object) return;
        objects_ = static_cast<void**>(std::calloc(size_t(capacity_), sizeof(void*)));
        if (!objects_) throw std::bad_alloc();
    }
    objects_[Position(index)] = object;
}

void TBedEditLineStore::Swap(int index1, int index2) {
    std::swap((*this)[index1], (*this)[index2]);
    if (ranges_) std::swap(ranges_[Position(index1)], ranges_[Position(index2)]);
    if (objects_) std::swap(objects_[Position(index1)], objects_[Position(index2)]);
}

void TBedEditLineStore::Erase(int index, int n) {
    for (int i = 0; i < n; ++i) FreeLine((*this)[index + i]);
    MoveGap(index);
    gapLength_ += n;
}

void TBedEditLineStore::Clear() {
    ForEach([this](TBedEditLineRecord& r) {
        if (!r.viewLength) FreeText(r.text);
    });
    // A block being loaded stays for the lines still to come.
    std::erase_if(blocks_, [](const Block& block) { return !block.held; });
    for (Block& block : blocks_) block.views = 0;
    std::free(records_);
    std::free(ranges_);
    std::free(objects_);
    records_ = nullptr;
    ranges_ = nullptr;
    objects_ = nullptr;
    capacity_ = gapStart_ = gapLength_ = 0;
    chunks_.clear();
    usedInLastChunk_ = kSlotsPerChunk;
    freeSlots_ = nullptr;
}

void TBedEditLineStore::SetText(TBedEditLineRecord& record, std::string&& text) {
    if (record.viewLength) {
        // The new string first: when it can't be had, the line keeps its text.
        std::string* owned = text.empty() ? nullptr : NewText(std::move(text));
        ReleaseView(record.view);
        record.viewLength = 0;
        record.text = owned;
    } else if (record.text)
        *record.text = std::move(text);
    else if (!text.empty())
        record.text = NewText(std::move(text));
}

void TBedEditLineStore::OwnText(TBedEditLineRecord& record, size_t room) {
    std::string text;
    text.reserve(record.viewLength + room);
    text.append(record.view, record.viewLength);
    std::string* owned = NewText(std::move(text));
    ReleaseView(record.view);
    record.viewLength = 0;
    record.text = owned;
}

void TBedEditLineStore::FreeLine(const TBedEditLineRecord& record) {
    if (record.viewLength)
        ReleaseView(record.view);
    else
        FreeText(record.text);
}

const char* TBedEditLineStore::AdoptBlock(std::unique_ptr<char[]> bytes, size_t size) {
    blocks_.push_back({std::move(bytes), size, 0, true});
    return blocks_.back().bytes.get();
}

void TBedEditLineStore::ReleaseBlock(const char* start) {
    const auto block =
        std::find_if(blocks_.begin(), blocks_.end(), [&](const Block& b) { return b.bytes.get() == start; });
    if (block == blocks_.end()) return;
    block->held = false;
    if (block->views == 0) blocks_.erase(block);
}

void TBedEditLineStore::SetOwnText(TBedEditLineRecord& record, const char* data, size_t size) {
    std::string text;
    text.reserve(size + RoomToGrow(size));
    text.append(data, size);
    record.text = NewText(std::move(text));
}

void TBedEditLineStore::ReleaseView(const char* view) {
    Block* block = BlockOf(view);
    if (!block || --block->views > 0 || block->held) return;
    blocks_.erase(blocks_.begin() + (block - blocks_.data()));
}

std::string* TBedEditLineStore::NewText(std::string&& text) {
    Slot* slot = freeSlots_;
    if (slot) {
        freeSlots_ = slot->next;
    } else {
        if (usedInLastChunk_ == kSlotsPerChunk) {
            chunks_.push_back(std::make_unique<Slot[]>(kSlotsPerChunk));
            usedInLastChunk_ = 0;
        }
        slot = &chunks_.back()[usedInLastChunk_++];
    }
    return new (&slot->text) std::string(std::move(text));
}

void TBedEditLineStore::FreeText(std::string* text) {
    if (!text) return;
    text->~basic_string();
    // The string sits at the start of its slot, so the slot's address is the string's.
    Slot* slot = reinterpret_cast<Slot*>(text);
    slot->next = freeSlots_;
    freeSlots_ = slot;
}
