#pragma once
// Translating bytes through a 256-entry table in place, as converting between code pages does
// over a whole file, and counting the bytes of a set, as checking a conversion does. Qt-free.
#include <array>
#include <cstddef>
#include <cstdint>

using TBedByteMap = std::array<uint8_t, 256>;

// The table must leave 0x00-0x7F as they are (every code page here agrees with ASCII): only
// bytes from 0x80 up are looked up, 32 at a time where the processor can.
void TranslateBytes(const TBedByteMap& map, char* data, std::size_t size);

// A set of bytes, counted in a text.
class TBedByteSet {
public:
    explicit TBedByteSet(const std::array<bool, 256>& members);
    bool Has(unsigned char byte) const { return members_[byte]; }
    // How many bytes of [data, data + size) the set holds, 32 at a time where the processor can.
    std::size_t Count(const char* data, std::size_t size) const;

private:
    std::array<bool, 256> members_;
    // For a byte's low nibble, a bit for each high nibble of a member: below 0x80 and from it up.
    alignas(16) uint8_t lower_[16] = {};
    alignas(16) uint8_t upper_[16] = {};
};
