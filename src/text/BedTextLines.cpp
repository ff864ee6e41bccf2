#include "BedTextLines.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

const char* FindLineBreak(const char* p, const char* end) {
    bool tab = false;
    return FindLineBreak(p, end, tab);
}

const char* FindLineBreak(const char* p, const char* end, bool& tab) {
#if defined(__SSE2__)
    // Sixteen bytes at a time: splitting is what loading a big file spends its time on.
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), ht = _mm_set1_epi8('\t');
    unsigned tabs = 0;
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned hits = unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr))));
        const unsigned tabHits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, ht)));
        if (hits) {
            const unsigned at = unsigned(__builtin_ctz(hits));
            tab = tab || tabs || (tabHits & ((1u << at) - 1));
            return p + at;
        }
        tabs |= tabHits;
        p += 16;
    }
    tab = tab || tabs;
#endif
    for (; p < end && *p != '\n' && *p != '\r'; ++p) tab = tab || *p == '\t';
    return p;
}

void LineBreakAndTabBits(const char* p, uint64_t& breaks, uint64_t& tabs) {
    breaks = tabs = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), ht = _mm_set1_epi8('\t');
    for (int i = 0; i < 64; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const auto hits =
            uint64_t(unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)))));
        breaks |= hits << i;
        tabs |= uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, ht)))) << i;
    }
#else
    for (int i = 0; i < 64; ++i) {
        breaks |= uint64_t(p[i] == '\n' || p[i] == '\r') << i;
        tabs |= uint64_t(p[i] == '\t') << i;
    }
#endif
}

// Every LF ends a line, and every CR not followed by LF; a last line without a break counts
// as well.
size_t CountLines(const char* p, const char* end) {
    if (p == end) return 0;
    const char last = end[-1];
    size_t breaks = 0;
#if defined(__SSE2__)
    // Each byte lane counts its own breaks (a match is -1, subtracted), for at most 255 steps
    // before the lanes are summed.
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), zero = _mm_setzero_si128();
    while (end - p > 16) {
        __m128i lanes = zero;
        for (int step = 0; step < 255 && end - p > 16; ++step, p += 16) {
            // Each step also looks at the byte after its sixteen.
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
            const __m128i loneCR = _mm_andnot_si128(_mm_cmpeq_epi8(next, lf), _mm_cmpeq_epi8(v, cr));
            lanes = _mm_sub_epi8(lanes, _mm_or_si128(_mm_cmpeq_epi8(v, lf), loneCR));
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        breaks += size_t(_mm_cvtsi128_si64(sums)) + size_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    }
#endif
    for (; p < end; ++p) breaks += *p == '\n' || (*p == '\r' && (p + 1 == end || p[1] != '\n'));
    return breaks + (last != '\n' && last != '\r');
}

std::vector<std::string> SplitPieces(std::string_view text) {
    std::vector<std::string> pieces;
    const char* end = text.data() + text.size();
    SplitLines(text.data(), end, [&](const char* b, const char* e) { pieces.emplace_back(b, e); });
    // SplitLines drops what follows a final break (and sees nothing in an empty text).
    if (text.empty() || text.back() == '\n' || text.back() == '\r') pieces.emplace_back();
    return pieces;
}
