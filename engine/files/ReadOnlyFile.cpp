#include "files/ReadOnlyFile.h"

#include "core/Errors.h"

namespace corv {

bool ReadOnlyFile::Open(const std::filesystem::path& file) {
    Close();
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return false;
#if defined(_WIN32)
    m_file = _wfopen(file.c_str(), L"rb");
#else
    m_file = std::fopen(file.c_str(), "rb");
#endif
    if (m_file == nullptr) return false;
    // The callers read in large blocks of their own; a stdio buffer would only copy twice.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_name = file.string();
    return true;
}

size_t ReadOnlyFile::Read(char* buffer, size_t n) {
    if (m_file == nullptr) return 0;
    const size_t got = std::fread(buffer, 1, n, m_file);
    if (got < n && std::ferror(m_file)) throw IoError("Read error on file " + m_name);
    return got;
}

void ReadOnlyFile::Rewind() {
    if (m_file == nullptr || std::fseek(m_file, 0, SEEK_SET) != 0)
        throw IoError("Seek error on file " + m_name);
    std::clearerr(m_file);
}

void ReadOnlyFile::Close() {
    if (m_file != nullptr) std::fclose(m_file);
    m_file = nullptr;
}

}  // namespace corv
