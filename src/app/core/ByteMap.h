#pragma once
// Translating bytes through a 256-entry table in place, as converting between code pages does
// over a whole file. Qt-free.
#include <array>
#include <cstddef>
#include <cstdint>

using TBedByteMap = std::array<uint8_t, 256>;

// The table must leave 0x00-0x7F as they are (every code page here agrees with ASCII): only
// bytes from 0x80 up are looked up, 32 at a time where the processor can.
void TranslateBytes(const TBedByteMap& map, char* data, std::size_t size);
