#pragma once
// Splits a text file into lines through one fixed buffer: a line ends at CR LF, LF or a
// lone CR, a Ctrl-Z (code 26) ends the file, and characters beyond the 1024th of a line are
// dropped. Line breaks are found 64 bytes at a time as bit masks, so that taking the next
// line costs a few instructions and no byte reads. Each line handed out is followed by at
// least kPadding readable bytes of the buffer.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "files/ByteSearch.h"
#include "files/ForceInline.h"
#include "files/ReadOnlyFile.h"

namespace corv {

class TextLineReader {
  public:
    static constexpr size_t kMaxLine = 1024;
    static constexpr size_t kDefaultChunk = size_t{1} << 20;
    static constexpr size_t kPadding = 64;

    // Reads `file` from its current position in chunks of `chunk` bytes.
    explicit TextLineReader(ReadOnlyFile& file, size_t chunk = kDefaultChunk);

    // Calls onLine(std::string_view) for each further line, without its line end, until it
    // returns false or the file ends. A later call goes on with the next line.
    template <class F>
    void ForEachLine(F&& onLine) {
        if (m_ended) return;
        const char* const buf = m_buf.get();
        // The cursor lives in registers here; the members only keep it between calls.
        size_t pos = m_pos;
        size_t block = m_block;
        BlockEnds ends = m_ends;
        for (;;) {
            while (ends.all == 0) {
                block += 64;
                if (block >= m_end) {
                    Save(pos, block, ends);
                    if (!Refill()) {
                        FinishLastLine(onLine);
                        return;
                    }
                    pos = m_pos;
                    block = m_block;
                    ends = m_ends;
                    continue;
                }
                ends = ScanBlock(block, ends.crlf >> 63);
            }
            const unsigned i = static_cast<unsigned>(std::countr_zero(ends.all));
            ends.all &= ends.all - 1;
            const size_t q = block + i;
            const std::string_view line(buf + pos, std::min(q - pos, kMaxLine));
            if ((ends.eof >> i) & 1) {
                m_ended = true;
                if (q > pos) onLine(line);
                return;
            }
            pos = q + 1 + ((ends.crlf >> i) & 1);  // a CR LF ends the line at its CR
            if (!onLine(line)) {
                Save(pos, block, ends);
                return;
            }
        }
    }

    // Skips up to `count` lines (header lines, empty ones included).
    void Skip(int64_t count) {
        int64_t skipped = 0;
        if (count > 0) ForEachLine([&](std::string_view) { return ++skipped < count; });
    }

    // Back to the start of the file.
    void Rewind();

  private:
    // The line ends of a block not taken yet, and which of them are a CR LF or a Ctrl-Z.
    struct BlockEnds {
        uint64_t all = 0;
        uint64_t crlf = 0;
        uint64_t eof = 0;
    };

    // The line ends of the block at `block`, within the data. lfTaken: its first byte is
    // the LF of a CR LF that ended the line before.
    CORV_FORCE_INLINE BlockEnds ScanBlock(size_t block, uint64_t lfTaken) const {
        LineBreakMasks m = FindLineBreaks(m_buf.get() + block);
        const size_t avail = m_end - block;
        uint64_t lfNext = 0;  // whether the byte after bit 63 is an LF
        if (avail < 64) {
            const uint64_t valid = (uint64_t{1} << avail) - 1;
            m.cr &= valid;
            m.lf &= valid;
            m.eof &= valid;
        } else if (avail > 64 && m_buf[block + 64] == '\n') {
            lfNext = uint64_t{1} << 63;
        }
        BlockEnds e;
        e.crlf = m.cr & ((m.lf >> 1) | lfNext);
        e.eof = m.eof;
        e.all = (m.cr | m.lf | m.eof) & ~(e.crlf << 1) & ~lfTaken;
        return e;
    }
    void Save(size_t pos, size_t block, const BlockEnds& ends) {
        m_pos = pos;
        m_block = block;
        m_ends = ends;
    }
    // The last line of a file without a final line end.
    template <class F>
    void FinishLastLine(F& onLine) {
        m_ended = true;
        if (m_end > m_pos)
            onLine(std::string_view(m_buf.get() + m_pos, std::min(m_end - m_pos, kMaxLine)));
    }
    // Keeps the unfinished line (at most kMaxLine characters of it), reads the next chunk
    // behind it and scans its first block; false at the end of the file.
    bool Refill();

    ReadOnlyFile& m_file;
    size_t m_chunk;
    std::unique_ptr<char[]> m_buf;
    size_t m_pos = 0;    // start of the current line
    size_t m_block = 0;  // start of the block whose line ends are in m_ends
    BlockEnds m_ends;
    size_t m_end = 0;  // end of the data in the buffer
    bool m_eof = false;
    bool m_ended = false;
};

}  // namespace corv
