#include "files/BlockTextWriter.h"

#include "files/SafeFileReplace.h"

namespace corv {

BlockTextWriter::BlockTextWriter(SafeFileReplace& out)
    : m_out(&out),
      m_buf(std::make_unique_for_overwrite<char[]>(kBlockBytes)),
      m_text(m_buf.get()),
      m_size(kBlockBytes) {}

BlockTextWriter::BlockTextWriter(char* buffer, size_t size) : m_text(buffer), m_size(size) {}

bool BlockTextWriter::Flush() {
    if (m_out == nullptr) return false;  // a fixed piece of text has no file behind it
    if (m_used > 0 && m_ok) m_ok = m_out->Write(std::string_view(m_text, m_used));
    m_used = 0;
    return m_ok;
}

}  // namespace corv
