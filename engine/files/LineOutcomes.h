#pragma once
// What the scaling pass of the text loader read from each line: the number, or why there
// was none. The storing step replays them instead of reading and parsing the file again.
// Kept in fixed chunks of 2 MiB, so growing never copies and the memory is about 8 bytes a
// line; the chunks are offered to the kernel as huge pages, which saves hundreds of page
// faults per chunk.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "files/ForceInline.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace corv {

class LineOutcomes {
  public:
    // A line's result code (ParseResult, or kEmptyLine) and its number when it had one.
    static constexpr uint8_t kEmptyLine = 4;

    CORV_FORCE_INLINE void AddNumber(double v) { Push(std::bit_cast<uint64_t>(v)); }
    // Signalling-NaN patterns mark the lines without a number: a parsed NaN is always quiet.
    CORV_FORCE_INLINE void AddMissing(uint8_t result) { Push(kMissingBase + result); }
    int64_t Size() const { return m_size; }

    // Calls f(result, value) for each line in order until it returns false.
    template <class F>
    void ForEach(F&& f) const {
        int64_t left = m_size;
        for (const auto& chunk : m_chunks) {
            const int64_t n = std::min<int64_t>(left, kChunk);
            for (int64_t i = 0; i < n; ++i) {
                const uint64_t bits = chunk[static_cast<size_t>(i)];
                const bool missing = bits - kMissingBase <= kEmptyLine;
                const uint8_t result = missing ? static_cast<uint8_t>(bits - kMissingBase) : 0;
                if (!f(result, std::bit_cast<double>(bits))) return;
            }
            left -= n;
        }
    }

    void Clear() {
        m_chunks.clear();
        m_cursor = nullptr;
        m_size = 0;
    }

  private:
    static constexpr size_t kChunkBytes = size_t{1} << 21;
    static constexpr int64_t kChunk = kChunkBytes / sizeof(uint64_t);
    static constexpr uint64_t kMissingBase = 0x7FF0000000000001ull;

    struct Free {
        void operator()(uint64_t* p) const { std::free(p); }
    };
    using Chunk = std::unique_ptr<uint64_t[], Free>;

    CORV_FORCE_INLINE void Push(uint64_t bits) {
        const int64_t slot = m_size & (kChunk - 1);
        if (slot == 0) {
            m_cursor = NewChunk();
        }
        m_cursor[slot] = bits;
        ++m_size;
    }

    uint64_t* NewChunk() {
        auto* p = static_cast<uint64_t*>(std::aligned_alloc(kChunkBytes, kChunkBytes));
        if (p == nullptr) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        madvise(p, kChunkBytes, MADV_HUGEPAGE);  // only advice: failure costs speed alone
#endif
        m_chunks.emplace_back(p);
        return p;
    }

    std::vector<Chunk> m_chunks;
    uint64_t* m_cursor = nullptr;
    int64_t m_size = 0;
};

}  // namespace corv
