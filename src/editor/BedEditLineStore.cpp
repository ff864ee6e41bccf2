#include "BedEditLineStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TBedEditLineRecord>,
              "records are moved with memmove and realloc");
static_assert(sizeof(TBedEditLineRecord) <= 32);

TBedEditLineStore::~TBedEditLineStore() { Clear(); }

const std::string& TBedEditLineStore::EmptyText() {
    static const std::string empty;
    return empty;
}

void TBedEditLineStore::ShiftGap(int index) {
    if (index < gapStart_) {
        std::memmove(records_ + index + gapLength_, records_ + index,
                     size_t(gapStart_ - index) * sizeof(TBedEditLineRecord));
    } else if (index > gapStart_) {
        std::memmove(records_ + gapStart_, records_ + gapStart_ + gapLength_,
                     size_t(index - gapStart_) * sizeof(TBedEditLineRecord));
    }
    gapStart_ = index;
}

void TBedEditLineStore::SetCapacity(int capacity) {
    const int count = Count();
    if (capacity < count) capacity = count;
    if (capacity == capacity_) return;
    MoveGap(count);
    if (capacity == 0) {
        std::free(records_);
        records_ = nullptr;
    } else {
        void* grown = std::realloc(records_, size_t(capacity) * sizeof(TBedEditLineRecord));
        if (!grown) throw std::bad_alloc();
        records_ = static_cast<TBedEditLineRecord*>(grown);
    }
    capacity_ = capacity;
    gapLength_ = capacity - count;
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
    records_ = nullptr;
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

void TBedEditLineStore::OwnText(TBedEditLineRecord& record) {
    std::string* owned = NewText(std::string(record.view, record.viewLength));
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
    const auto block = std::find_if(blocks_.begin(), blocks_.end(),
                                    [&](const Block& b) { return b.bytes.get() == start; });
    if (block == blocks_.end()) return;
    block->held = false;
    if (block->views == 0) blocks_.erase(block);
}

void TBedEditLineStore::SetOwnText(TBedEditLineRecord& record, const char* data, size_t size) {
    record.text = NewText(std::string(data, size));
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
