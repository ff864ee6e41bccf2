#include "BedEditLineStore.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TBedEditLineRecord>,
              "records are moved with memmove and realloc");

TBedEditLineStore::~TBedEditLineStore() { Clear(); }

const std::string& TBedEditLineStore::EmptyText() {
    static const std::string empty;
    return empty;
}

void TBedEditLineStore::MoveGap(int index) {
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

TBedEditLineRecord* TBedEditLineStore::Open(int index, int n) {
    MoveGap(index);
    gapStart_ += n;
    gapLength_ -= n;
    return records_ + index;
}

void TBedEditLineStore::Erase(int index, int n) {
    for (int i = 0; i < n; ++i) FreeText((*this)[index + i].text);
    MoveGap(index);
    gapLength_ += n;
}

void TBedEditLineStore::Clear() {
    ForEach([this](TBedEditLineRecord& r) { FreeText(r.text); });
    std::free(records_);
    records_ = nullptr;
    capacity_ = gapStart_ = gapLength_ = 0;
    chunks_.clear();
    usedInLastChunk_ = kSlotsPerChunk;
    freeSlots_ = nullptr;
}

void TBedEditLineStore::SetText(TBedEditLineRecord& record, std::string&& text) {
    if (record.text)
        *record.text = std::move(text);
    else if (!text.empty())
        record.text = NewText(std::move(text));
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
