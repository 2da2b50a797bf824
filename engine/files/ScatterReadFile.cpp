#include "files/ScatterReadFile.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include "core/Errors.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#endif

namespace corv {

namespace {

[[noreturn]] void Fail(const char* what, const std::filesystem::path& name) {
    throw IoError(std::string(what) + " " + name.string());
}

}  // namespace

#if defined(_WIN32)

bool ScatterReadFile::Open(const std::filesystem::path& file) {
    Close();
    m_name = file;
    m_in.rdbuf()->pubsetbuf(nullptr, 0);  // large reads go straight to the destination
    m_in.open(file, std::ios::binary);
    return m_in.is_open();
}

void ScatterReadFile::Close() {
    if (m_in.is_open()) m_in.close();
}

int64_t ScatterReadFile::Size() {
    const auto here = m_in.tellg();
    m_in.seekg(0, std::ios::end);
    const auto end = m_in.tellg();
    m_in.seekg(here);
    if (end < 0 || !m_in) Fail("Cannot find the size of", m_name);
    return static_cast<int64_t>(end);
}

void ScatterReadFile::Seek(int64_t offset) {
    m_in.clear();
    m_in.seekg(offset);
    if (!m_in) Fail("Cannot seek in", m_name);
}

int64_t ScatterReadFile::Read(std::span<const ReadPiece> pieces) {
    int64_t total = 0;
    for (const ReadPiece& piece : pieces) {
        m_in.read(piece.data, static_cast<std::streamsize>(piece.bytes));
        const auto got = m_in.gcount();
        total += got;
        if (static_cast<size_t>(got) < piece.bytes) {
            if (m_in.bad()) Fail("Cannot read", m_name);
            break;
        }
    }
    return total;
}

#else

bool ScatterReadFile::Open(const std::filesystem::path& file) {
    Close();
    m_name = file;
    m_fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    return m_fd >= 0;
}

void ScatterReadFile::Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

int64_t ScatterReadFile::Size() {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) Fail("Cannot find the size of", m_name);
    return static_cast<int64_t>(st.st_size);
}

void ScatterReadFile::Seek(int64_t offset) {
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0) Fail("Cannot seek in", m_name);
}

int64_t ScatterReadFile::Read(std::span<const ReadPiece> pieces) {
    // POSIX guarantees at least 16 buffers per call; Linux takes 1024.
    constexpr size_t kBatch = std::min<size_t>(64, IOV_MAX);
    std::array<iovec, kBatch> iov;
    int64_t total = 0;
    size_t next = 0;      // first piece not yet handed to the kernel whole
    size_t consumed = 0;  // bytes of that piece already filled
    while (next < pieces.size()) {
        size_t count = 0;
        for (size_t k = next; k < pieces.size() && count < kBatch; ++k, ++count) {
            const size_t skip = k == next ? consumed : 0;
            iov[count].iov_base = pieces[k].data + skip;
            iov[count].iov_len = pieces[k].bytes - skip;
        }
        const ssize_t got = ::readv(m_fd, iov.data(), static_cast<int>(count));
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot read", m_name);
        }
        if (got == 0) break;  // end of file
        total += got;
        // Advance over the pieces the kernel filled.
        size_t left = static_cast<size_t>(got);
        while (left > 0) {
            const size_t room = pieces[next].bytes - consumed;
            const size_t used = std::min(room, left);
            consumed += used;
            left -= used;
            if (consumed == pieces[next].bytes) {
                ++next;
                consumed = 0;
            }
        }
    }
    return total;
}

#endif

}  // namespace corv
