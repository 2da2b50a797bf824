#pragma once
// Text written into a file through one fixed buffer: characters, texts and zero-padded
// numbers are placed with plain stores and std::to_chars, and the buffer goes to the file
// in large blocks. Used where millions of short fields are written.

#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "files/ForceInline.h"

namespace corv {

class SafeFileReplace;

class BlockTextWriter {
  public:
    static constexpr size_t kBlockBytes = size_t{1} << 20;
    // The most one row may add between two calls of Room.
    static constexpr size_t kRowReserve = size_t{64} << 10;

    explicit BlockTextWriter(SafeFileReplace& out);
    // Writes into `buffer` of `size` bytes only, for a piece of text to be reused.
    BlockTextWriter(char* buffer, size_t size);
    size_t Used() const { return m_used; }

    // Makes room for one more row; false once a write to the file failed.
    bool Room() { return m_used + kRowReserve <= m_size || Flush(); }
    // Writes what is buffered; false once a write failed.
    bool Flush();

    CORV_FORCE_INLINE void Put(char c) { m_text[m_used++] = c; }
    CORV_FORCE_INLINE void Put(std::string_view s) {
        std::memcpy(m_text + m_used, s.data(), s.size());
        m_used += s.size();
    }
    // The first n of `kBytes` readable bytes at s: one fixed-size copy, no call.
    template <size_t kBytes>
    CORV_FORCE_INLINE void PutShort(const char* s, size_t n) {
        std::memcpy(m_text + m_used, s, kBytes);
        m_used += n;
    }
    // v in decimal, with zeros in front up to `width` digits (as printf's "%0*u").
    CORV_FORCE_INLINE void PutPadded(unsigned v, int width) {
        if (width == 2 && v < 100) {
            Put(static_cast<char>('0' + v / 10));
            Put(static_cast<char>('0' + v % 10));
            return;
        }
        if (width == 3 && v < 1000) {
            Put(static_cast<char>('0' + v / 100));
            Put(static_cast<char>('0' + v / 10 % 10));
            Put(static_cast<char>('0' + v % 10));
            return;
        }
        char digits[12];
        const auto r = std::to_chars(digits, digits + sizeof digits, v);
        for (auto n = r.ptr - digits; n < width; ++n) Put('0');
        Put(std::string_view(digits, static_cast<size_t>(r.ptr - digits)));
    }

  private:
    SafeFileReplace* m_out = nullptr;
    std::unique_ptr<char[]> m_buf;
    char* m_text;
    size_t m_size;
    size_t m_used = 0;
    bool m_ok = true;
};

}  // namespace corv
