#pragma once
// A fast 64-bit checksum of bytes (XXH3), to tell later that a file still holds what it held.
// Qt-free.
#include <cstdint>
#include <memory>
#include <string_view>

class TBedChecksum {
public:
    TBedChecksum();
    ~TBedChecksum();
    TBedChecksum(const TBedChecksum&) = delete;
    TBedChecksum& operator=(const TBedChecksum&) = delete;

    void Add(std::string_view bytes);
    uint64_t Value() const;
    uint64_t Size() const { return size_; }

private:
    struct State;
    std::unique_ptr<State> state_;
    uint64_t size_ = 0;
};

uint64_t ChecksumOf(std::string_view bytes);

// The size and checksum of everything an open file holds, read from its start; false with errno
// set when it could not be read.
bool ChecksumFile(int fd, uint64_t& size, uint64_t& checksum);
