#include "files/TextLineReader.h"

#include <cstring>

namespace corv {

TextLineReader::TextLineReader(ReadOnlyFile& file, size_t chunk)
    : m_file(file), m_chunk(chunk < 1 ? 1 : chunk) {
    // Zeroed: the block reads past the data never see indeterminate bytes.
    m_buf = std::make_unique<char[]>(kMaxLine + m_chunk + kPadding);
}

void TextLineReader::Rewind() {
    m_file.Rewind();
    m_pos = m_block = m_end = 0;
    m_ends = BlockEnds{};
    m_eof = m_ended = false;
}

bool TextLineReader::Refill() {
    if (m_eof) return false;
    // A CR that ended the data may be the first half of a CR LF whose LF comes next.
    const bool crAtEnd = m_end > 0 && m_pos == m_end && m_buf[m_end - 1] == '\r';
    const size_t keep = std::min(m_end - m_pos, kMaxLine);
    std::memmove(m_buf.get(), m_buf.get() + m_pos, keep);
    m_pos = 0;
    m_end = keep;
    m_ends = BlockEnds{};
    const size_t got = m_file.Read(m_buf.get() + keep, m_chunk);
    if (got == 0) {
        m_eof = true;
        return false;
    }
    m_end += got;
    // The kept part holds no line end; the search goes on behind it.
    const bool lfTaken = crAtEnd && m_buf[0] == '\n';
    m_pos = lfTaken ? 1 : 0;
    m_block = keep;
    m_ends = ScanBlock(keep, lfTaken ? 1 : 0);
    return true;
}

}  // namespace corv
