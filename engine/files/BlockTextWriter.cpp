#include "files/BlockTextWriter.h"

#include "files/SafeFileReplace.h"

namespace corv {

BlockTextWriter::BlockTextWriter(SafeFileReplace& out)
    : m_out(out), m_buf(std::make_unique_for_overwrite<char[]>(kBlockBytes)) {}

bool BlockTextWriter::Flush() {
    if (m_used > 0 && m_ok) m_ok = m_out.Write(std::string_view(m_buf.get(), m_used));
    m_used = 0;
    return m_ok;
}

}  // namespace corv
