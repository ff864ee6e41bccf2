#include "FileChecksum.h"

#include "SystemCalls.h"

#include <xxhash.h>

struct TBedChecksum::State {
    XXH3_state_t* xxh = XXH3_createState();
    ~State() { XXH3_freeState(xxh); }
};

TBedChecksum::TBedChecksum() : state_(std::make_unique<State>()) {
    if (!state_->xxh) throw std::bad_alloc();
    XXH3_64bits_reset(state_->xxh);
}

TBedChecksum::~TBedChecksum() = default;

void TBedChecksum::Add(std::string_view bytes) {
    XXH3_64bits_update(state_->xxh, bytes.data(), bytes.size());
    size_ += bytes.size();
}

uint64_t TBedChecksum::Value() const { return XXH3_64bits_digest(state_->xxh); }

uint64_t ChecksumOf(std::string_view bytes) { return XXH3_64bits(bytes.data(), bytes.size()); }

bool ChecksumFile(int fd, uint64_t& size, uint64_t& checksum) {
    constexpr size_t kChunk = size_t(1) << 20;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunk);
    TBedChecksum sum;
    for (;;) {
        const ssize_t got = sys::PRead(fd, buffer.get(), kChunk, off_t(sum.Size()));
        if (got < 0) return false;
        if (got == 0) break;
        sum.Add(std::string_view(buffer.get(), size_t(got)));
    }
    size = sum.Size();
    checksum = sum.Value();
    return true;
}
