#pragma once
// Storage behind the line buffer. The line records sit in one array whose spare capacity is a
// movable gap, so edits near the previous edit cost O(1) however long the text is. Line texts
// live in a pool of string objects, which keeps the records plain data: they move with memmove
// and the array grows with realloc, without touching every string. A loaded line that nobody has
// asked for as a string yet only points into the block of bytes it was read in; the block is
// freed once no line points into it any more.
//
// A record holds only what every line needs: 16 bytes, so that a big text costs little beyond
// its own bytes. The highlighter's start states and the per-line objects live in columns beside
// the records, with the same gap, made only once some line has a value of its own there.
#include "BedEditTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum : uint8_t {
    lfHasTabs = 1,        // the line holds at least one tab
    lfHasNoTabs = 2,      // the line is known to hold no tab: expanded text == text
    lfLengthUnknown = 4,  // the expanded length must be recomputed before use
};

struct TBedEditLineRecord {
    union {
        std::string* text;  // viewLength == 0; null: an empty line that owns no string
        const char* view;   // viewLength > 0: the line's bytes inside a block
    };
    int32_t expandedLength;
    uint32_t flags : 3;
    // Without a range column the range is kNoRange, or 0 for a line created blank.
    uint32_t zeroRange : 1;
    uint32_t viewLength : 28;
};

// A new line: no text, length unknown, range kNoRange.
constexpr TBedEditLineRecord kBedNewLineRecord = {{nullptr}, -1, lfLengthUnknown, 0, 0};
// A line created blank: no text, known to be empty, range 0.
constexpr TBedEditLineRecord kBedBlankLineRecord = {{nullptr}, 0, 0, 1, 0};

// A longer line gets a string of its own even when loaded.
constexpr size_t kBedMaxViewLength = (size_t(1) << 28) - 1;
// So does a line this long, with room to grow: the first key typed into it would otherwise copy
// it out of its block, too long a wait for one key. The copy is paid while loading instead.
constexpr size_t kBedLongestLoadedView = size_t(16) << 20;

class TBedEditLineStore {
public:
    TBedEditLineStore() = default;
    ~TBedEditLineStore();
    TBedEditLineStore(const TBedEditLineStore&) = delete;
    TBedEditLineStore& operator=(const TBedEditLineStore&) = delete;

    int Count() const { return capacity_ - gapLength_; }
    int Capacity() const { return capacity_; }

    TBedEditLineRecord& operator[](int index) { return records_[Position(index)]; }
    const TBedEditLineRecord& operator[](int index) const { return records_[Position(index)]; }

    TBedRange Range(int index) const {
        if (ranges_) return ranges_[Position(index)];
        return (*this)[index].zeroRange ? 0 : kNoRange;
    }
    // Makes the column when the line needs a value of its own. Raises std::bad_alloc.
    void SetRange(int index, TBedRange range);
    void* Object(int index) const { return objects_ ? objects_[Position(index)] : nullptr; }
    void SetObject(int index, void* object);
    // Swaps two lines whole: record, range and object.
    void Swap(int index1, int index2);
    // Every record, text and block changes places with the other store's.
    void Swap(TBedEditLineStore& other) noexcept;

    // Reallocates to exactly `capacity` records (never below Count). Raises std::bad_alloc and
    // keeps the lines when memory runs out.
    void SetCapacity(int capacity);
    // Makes room for n records at index (index..index+n-1, left uninitialised for the caller,
    // their ranges and objects those of a new line); the capacity must already hold them.
    TBedEditLineRecord* Open(int index, int n) {
        MoveGap(index);
        if (ranges_) std::fill_n(ranges_ + index, n, kNoRange);
        if (objects_) std::fill_n(objects_ + index, n, nullptr);
        gapStart_ += n;
        gapLength_ -= n;
        return records_ + index;
    }
    // Removes n records at index and frees their texts.
    void Erase(int index, int n);
    // Frees every line, every text and the array.
    void Clear();

    // The line as a string of its own, copied out of its block first if need be. Raises
    // std::bad_alloc.
    const std::string& Text(TBedEditLineRecord& record) {
        if (record.viewLength) OwnText(record);
        return record.text ? *record.text : EmptyText();
    }
    static std::string_view View(const TBedEditLineRecord& record) {
        if (record.viewLength) return {record.view, record.viewLength};
        return record.text ? std::string_view(*record.text) : std::string_view();
    }
    void SetText(TBedEditLineRecord& record, std::string&& text);
    // The line's own string to change in place, made first if need be. Raises std::bad_alloc.
    std::string& MutableText(TBedEditLineRecord& record) {
        // Room to grow: typing into a long loaded line must not move it twice.
        if (record.viewLength) OwnText(record, RoomToGrow(record.viewLength));
        if (!record.text) record.text = NewText({});
        return *record.text;
    }

    // Takes over a block of bytes that lines will point into through SetView; returns its start.
    // The block is held, whatever happens to the lines, until ReleaseBlock.
    const char* AdoptBlock(std::unique_ptr<char[]> bytes, size_t size);
    void ReleaseBlock(const char* start);
    // Points a fresh (empty) record at [data, data + size) inside a held block; a line too long
    // for a record gets a string of its own.
    void SetView(TBedEditLineRecord& record, const char* data, size_t size) {
        if (size == 0) return;
        Block* block = size <= kBedLongestLoadedView ? BlockOf(data) : nullptr;
        if (!block) return SetOwnText(record, data, size);
        record.view = data;
        record.viewLength = uint32_t(size) & kBedMaxViewLength;
        ++block->views;
    }
    // The held block a record's view lies in; empty for a line with a string of its own.
    std::string_view BlockAround(const TBedEditLineRecord& record) const {
        const Block* block = record.viewLength ? BlockOf(record.view) : nullptr;
        return block ? std::string_view(block->bytes.get(), block->size) : std::string_view();
    }
    // The size of the held block that starts at `start`, 0 when none does.
    size_t HeldBlockSize(const char* start) const {
        const Block* block = BlockOf(start);
        return block && block->bytes.get() == start ? block->size : 0;
    }
    // How many blocks are still alive.
    int BlockCount() const { return int(blocks_.size()); }

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
    void OwnText(TBedEditLineRecord& record, size_t room = 0);
    void FreeLine(const TBedEditLineRecord& record);
    void ReleaseView(const char* view);
    struct Block {
        std::unique_ptr<char[]> bytes;
        size_t size;
        size_t views;  // lines pointing into it
        bool held;
    };
    Block* BlockOf(const char* p) { return const_cast<Block*>(std::as_const(*this).BlockOf(p)); }
    const Block* BlockOf(const char* p) const {
        for (const Block& block : blocks_)
            if (reinterpret_cast<uintptr_t>(p) - reinterpret_cast<uintptr_t>(block.bytes.get()) < block.size)
                return &block;
        return nullptr;
    }
    void SetOwnText(TBedEditLineRecord& record, const char* data, size_t size);
    static size_t RoomToGrow(size_t length) { return length / 16 + 64; }
    int Position(int index) const { return index < gapStart_ ? index : index + gapLength_; }
    void MoveGap(int index) {
        if (index != gapStart_) ShiftGap(index);
    }
    void ShiftGap(int index);
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
    TBedRange* ranges_ = nullptr;  // the columns, null until needed
    void** objects_ = nullptr;
    int capacity_ = 0;
    int gapStart_ = 0;
    int gapLength_ = 0;

    std::vector<Block> blocks_;

    std::vector<std::unique_ptr<Slot[]>> chunks_;
    int usedInLastChunk_ = kSlotsPerChunk;
    Slot* freeSlots_ = nullptr;
};
