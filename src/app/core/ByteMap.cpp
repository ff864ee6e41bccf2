#include "ByteMap.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// Branch-free on purpose: at the density of accented letters in Czech text, skipping ASCII
// words costs more in mispredicted branches than the lookups it saves.
void TranslatePlain(const TBedByteMap& map, unsigned char* p, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) p[i] = map[p[i]];
}

#if defined(__x86_64__)
// The high half of the table as eight rows of sixteen, looked up by the low nibble with one
// shuffle per row; only rows that change a byte are looked at (three for Kamenický).
__attribute__((target("avx2"))) void TranslateAvx2(const TBedByteMap& map, unsigned char* p, std::size_t size) {
    __m256i rows[8];
    __m256i highNibbles[8];
    int rowCount = 0;
    for (int row = 0; row < 8; ++row) {
        const int first = 0x80 + 16 * row;
        bool changes = false;
        for (int i = 0; i < 16; ++i) changes = changes || map[first + i] != first + i;
        if (!changes) continue;
        rows[rowCount] =
            _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(map.data() + first)));
        highNibbles[rowCount++] = _mm256_set1_epi8(char(8 + row));
    }
    const __m256i nibble = _mm256_set1_epi8(0x0F);
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        auto* at = reinterpret_cast<__m256i*>(p + i);
        const __m256i v = _mm256_loadu_si256(at);
        if (_mm256_movemask_epi8(v) == 0) continue;
        const __m256i low = _mm256_and_si256(v, nibble);
        const __m256i high = _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble);
        __m256i result = v;
        for (int r = 0; r < rowCount; ++r)
            result =
                _mm256_blendv_epi8(result, _mm256_shuffle_epi8(rows[r], low), _mm256_cmpeq_epi8(high, highNibbles[r]));
        _mm256_storeu_si256(at, result);
    }
    TranslatePlain(map, p + i, size - i);
}

// A bit for each of the 32 bytes at `at` that the set holds.
__attribute__((target("avx2"))) inline unsigned HitsAvx2(__m256i lowRows, __m256i highRows, __m256i bits,
                                                         const unsigned char* at) {
    const __m256i nibble = _mm256_set1_epi8(0x0F);
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    const __m256i low = _mm256_and_si256(v, nibble);
    const __m256i high = _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble);
    // The byte's own top bit picks the table.
    const __m256i row = _mm256_blendv_epi8(_mm256_shuffle_epi8(lowRows, low), _mm256_shuffle_epi8(highRows, low), v);
    const __m256i in = _mm256_and_si256(row, _mm256_shuffle_epi8(bits, high));
    return ~unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(in, _mm256_setzero_si256())));
}

__attribute__((target("avx2"))) std::size_t CountAvx2(const uint8_t* lower, const uint8_t* upper,
                                                      const unsigned char* p, std::size_t size) {
    const __m256i lowRows = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(lower)));
    const __m256i highRows = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(upper)));
    const __m256i bits = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, char(128), 1, 2, 4, 8, 16, 32, 64, char(128), 1, 2, 4,
                                          8, 16, 32, 64, char(128), 1, 2, 4, 8, 16, 32, 64, char(128));
    std::size_t count = 0, i = 0;
    for (; i + 32 <= size; i += 32) count += std::size_t(__builtin_popcount(HitsAvx2(lowRows, highRows, bits, p + i)));
    // The rest as the end of the last 32 bytes, those already counted shifted out.
    if (i < size)
        count += std::size_t(__builtin_popcount(HitsAvx2(lowRows, highRows, bits, p + size - 32) >> (32 - (size - i))));
    return count;
}
#endif

}  // namespace

TBedByteSet::TBedByteSet(const std::array<bool, 256>& members) : members_(members) {
    for (int b = 0; b < 256; ++b)
        if (members[size_t(b)]) (b < 0x80 ? lower_ : upper_)[b & 15] |= uint8_t(1 << ((b >> 4) & 7));
}

std::size_t TBedByteSet::Count(const char* data, std::size_t size) const {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2 && size >= 32) return CountAvx2(lower_, upper_, p, size);
#endif
    std::size_t count = 0;
    for (std::size_t i = 0; i < size; ++i) count += members_[p[i]];
    return count;
}

void TranslateBytes(const TBedByteMap& map, char* data, std::size_t size) {
    auto* p = reinterpret_cast<unsigned char*>(data);
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return TranslateAvx2(map, p, size);
#endif
    TranslatePlain(map, p, size);
}
