#pragma once
// Byte searches for the text loader's hot loop. They read whole blocks of memory, so the
// caller's buffer must allow reads past the end of the data where stated.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "files/ForceInline.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define CORV_HAVE_SSE2 1
#endif

namespace corv {

// The CR, LF and Ctrl-Z (code 26) characters of a 64-byte block as bit masks: bit i
// stands for p[i]. Reads all 64 bytes.
struct LineBreakMasks {
    uint64_t cr = 0;
    uint64_t lf = 0;
    uint64_t eof = 0;
};

CORV_FORCE_INLINE LineBreakMasks FindLineBreaks(const char* p) {
    LineBreakMasks m;
#if defined(CORV_HAVE_SSE2)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i eof = _mm_set1_epi8(26);
    auto bits = [](__m128i hits, int i) {
        return uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(hits))} << (16 * i);
    };
    const auto* v = reinterpret_cast<const __m128i*>(p);
    const __m128i v0 = _mm_loadu_si128(v);
    const __m128i v1 = _mm_loadu_si128(v + 1);
    const __m128i v2 = _mm_loadu_si128(v + 2);
    const __m128i v3 = _mm_loadu_si128(v + 3);
    m.cr = bits(_mm_cmpeq_epi8(v0, cr), 0) | bits(_mm_cmpeq_epi8(v1, cr), 1) |
           bits(_mm_cmpeq_epi8(v2, cr), 2) | bits(_mm_cmpeq_epi8(v3, cr), 3);
    m.lf = bits(_mm_cmpeq_epi8(v0, lf), 0) | bits(_mm_cmpeq_epi8(v1, lf), 1) |
           bits(_mm_cmpeq_epi8(v2, lf), 2) | bits(_mm_cmpeq_epi8(v3, lf), 3);
    m.eof = bits(_mm_cmpeq_epi8(v0, eof), 0) | bits(_mm_cmpeq_epi8(v1, eof), 1) |
            bits(_mm_cmpeq_epi8(v2, eof), 2) | bits(_mm_cmpeq_epi8(v3, eof), 3);
#else
    for (int i = 0; i < 64; ++i) {
        const uint64_t bit = uint64_t{1} << i;
        if (p[i] == '\r') m.cr |= bit;
        if (p[i] == '\n') m.lf |= bit;
        if (p[i] == 26) m.eof |= bit;
    }
#endif
    return m;
}

// The first byte equal to b in [p, end), or end. kPadded: may read 8 bytes past any
// position before end.
template <bool kPadded>
CORV_FORCE_INLINE const char* FindByte(const char* p, const char* end, char b) {
    if constexpr (kPadded && std::endian::native == std::endian::little) {
        constexpr uint64_t ones = 0x0101010101010101ull;
        constexpr uint64_t highs = 0x8080808080808080ull;
        const uint64_t pattern = ones * static_cast<unsigned char>(b);
        for (; p < end; p += 8) {
            uint64_t v;
            std::memcpy(&v, p, 8);
            const uint64_t x = v ^ pattern;
            // The lowest flagged byte is always a true match.
            const uint64_t m = (x - ones) & ~x & highs;
            if (m != 0) {
                const char* q = p + (std::countr_zero(m) >> 3);
                return q < end ? q : end;
            }
        }
        return end;
    } else {
        if (p >= end) return end;
        const void* q = std::memchr(p, static_cast<unsigned char>(b), static_cast<size_t>(end - p));
        return q ? static_cast<const char*>(q) : end;
    }
}

}  // namespace corv
