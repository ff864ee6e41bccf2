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
__attribute__((target("avx2"))) void TranslateAvx2(const TBedByteMap& map, unsigned char* p,
                                                   std::size_t size) {
    __m256i rows[8];
    __m256i highNibbles[8];
    int rowCount = 0;
    for (int row = 0; row < 8; ++row) {
        const int first = 0x80 + 16 * row;
        bool changes = false;
        for (int i = 0; i < 16; ++i) changes = changes || map[first + i] != first + i;
        if (!changes) continue;
        rows[rowCount] = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(map.data() + first)));
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
            result = _mm256_blendv_epi8(result, _mm256_shuffle_epi8(rows[r], low),
                                        _mm256_cmpeq_epi8(high, highNibbles[r]));
        _mm256_storeu_si256(at, result);
    }
    TranslatePlain(map, p + i, size - i);
}
#endif

}  // namespace

void TranslateBytes(const TBedByteMap& map, char* data, std::size_t size) {
    auto* p = reinterpret_cast<unsigned char*>(data);
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return TranslateAvx2(map, p, size);
#endif
    TranslatePlain(map, p, size);
}
