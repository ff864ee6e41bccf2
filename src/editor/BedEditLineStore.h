#pragma once
// Storage behind the line buffer. The line records sit in one array whose spare capacity is a
// movable gap, so edits near the previous edit cost O(1) however long the text is. Line texts
// live in a pool of string objects, which keeps the records plain data: they move with memmove
// and the array grows with realloc, without touching every string.
#include "BedEditTypes.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct TBedEditLineRecord {
    std::string* text;  // null: an empty line that owns no string
    void* object;
    TBedRange range;
    int32_t expandedLength;
    uint8_t flags;
};

class TBedEditLineStore {
public:
    TBedEditLineStore() = default;
    ~TBedEditLineStore();
    TBedEditLineStore(const TBedEditLineStore&) = delete;
    TBedEditLineStore& operator=(const TBedEditLineStore&) = delete;

    int Count() const { return capacity_ - gapLength_; }
    int Capacity() const { return capacity_; }

    TBedEditLineRecord& operator[](int index) {
        return records_[index < gapStart_ ? index : index + gapLength_];
    }
    const TBedEditLineRecord& operator[](int index) const {
        return records_[index < gapStart_ ? index : index + gapLength_];
    }

    // Reallocates to exactly `capacity` records (never below Count). Raises std::bad_alloc and
    // keeps the lines when memory runs out.
    void SetCapacity(int capacity);
    // Makes room for n records at index (index..index+n-1, left uninitialised for the caller);
    // the capacity must already hold them.
    TBedEditLineRecord* Open(int index, int n);
    // Removes n records at index and frees their texts.
    void Erase(int index, int n);
    // Frees every line, every text and the array.
    void Clear();

    static const std::string& Text(const TBedEditLineRecord& record) {
        return record.text ? *record.text : EmptyText();
    }
    void SetText(TBedEditLineRecord& record, std::string&& text);

    // Calls f(record) for every record in line order.
    template <typename F>
    void ForEach(F f) {
        for (int i = 0; i < gapStart_; ++i) f(records_[i]);
        for (int i = gapStart_ + gapLength_; i < capacity_; ++i) f(records_[i]);
    }
    template <typename F>
    void ForEach(F f) const {
        for (int i = 0; i < gapStart_; ++i) f(std::as_const(records_[i]));
        for (int i = gapStart_ + gapLength_; i < capacity_; ++i) f(std::as_const(records_[i]));
    }

private:
    static const std::string& EmptyText();
    void MoveGap(int index);
    std::string* NewText(std::string&& text);
    void FreeText(std::string* text);

    // A pool slot holds either a live string or the link to the next free slot.
    union Slot {
        Slot* next;
        std::string text;
        Slot() : next(nullptr) {}
        ~Slot() {}
    };
    static constexpr int kSlotsPerChunk = 1024;

    TBedEditLineRecord* records_ = nullptr;
    int capacity_ = 0;
    int gapStart_ = 0;
    int gapLength_ = 0;

    std::vector<std::unique_ptr<Slot[]>> chunks_;
    int usedInLastChunk_ = kSlotsPerChunk;
    Slot* freeSlots_ = nullptr;
};
