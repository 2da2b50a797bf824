#include "files/ReadOnlyFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Errors.h"

#if defined(_WIN32)
#include <io.h>
#define CORV_O_FLAGS (O_RDONLY | O_BINARY)
#else
#define CORV_O_FLAGS (O_RDONLY | O_CLOEXEC)
#endif

namespace corv {

namespace fs = std::filesystem;

namespace {

bool IsRegular(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

}  // namespace

bool ReadOnlyFile::Open(const fs::path& file) {
    Close();
    // Checked before opening: opening a FIFO for reading would wait for a writer.
    if (!IsRegular(file)) return false;
    m_fd = ::open(file.string().c_str(), CORV_O_FLAGS);
    if (m_fd < 0) return false;
    m_name = file.string();
    return true;
}

size_t ReadOnlyFile::Read(char* buffer, size_t n) {
    if (m_fd < 0) return 0;
    size_t got = 0;
    while (got < n) {
        const auto r =
            ::read(m_fd, buffer + got, static_cast<unsigned>(std::min<size_t>(n - got, 1u << 30)));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) throw IoError("Read error on file " + m_name + ": " + std::strerror(errno));
        if (r == 0) break;
        got += static_cast<size_t>(r);
    }
    return got;
}

void ReadOnlyFile::Rewind() {
    if (m_fd < 0 || ::lseek(m_fd, 0, SEEK_SET) != 0) throw IoError("Seek error on file " + m_name);
}

void ReadOnlyFile::Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

bool IsSpecialFile(const fs::path& file) {
    std::error_code ec;
    const fs::file_status s = fs::status(file, ec);
    return !ec && fs::exists(s) && !fs::is_regular_file(s) && !fs::is_directory(s);
}

std::string ReadSmallFile(const fs::path& file, size_t limit) {
    if (IsSpecialFile(file)) throw IoError("Not a regular file: " + file.string());
    ReadOnlyFile f;
    if (!f.Open(file)) throw IoError("Cannot open " + file.string());
    // Read to the end, but never more than one byte beyond the limit; the first read asks
    // for the file's present size and one byte more.
    std::error_code ec;
    const auto size = static_cast<size_t>(fs::file_size(file, ec));
    std::string bytes;
    for (size_t want = std::min(ec ? limit : size, limit) + 1;;) {
        const size_t had = bytes.size();
        bytes.resize(had + want);
        const size_t got = f.Read(bytes.data() + had, want);
        bytes.resize(had + got);
        if (got < want || bytes.size() > limit) break;
        want = std::min(limit + 1 - bytes.size(), std::max<size_t>(want, 4096));
    }
    if (bytes.size() > limit)
        throw IoError("The file " + file.string() + " is larger than " + std::to_string(limit) +
                      " bytes");
    return bytes;
}

}  // namespace corv
