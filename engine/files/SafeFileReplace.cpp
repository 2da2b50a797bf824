#include "files/SafeFileReplace.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr int kCreateAttempts = 100;
constexpr size_t kLongName = 200;

// A name no other writer uses: process id, a per-process counter and random bits; the
// file is created exclusively, so a clash only means another attempt.
fs::path TemporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string suffix = ".corvtmp-" + std::to_string(::getpid()) + "-" +
                               std::to_string(counter++) + "-" + std::to_string(random() % 1000000);
    // Beside the target (a rename never crosses file systems); a name near the length limit
    // gets a short one.
    if (target.filename().string().size() > kLongName) return target.parent_path() / suffix;
    fs::path name = target;
    name += suffix;
    return name;
}

}  // namespace

SafeFileReplace::SafeFileReplace(fs::path target) : m_target(std::move(target)) {}

SafeFileReplace::~SafeFileReplace() {
    Discard();
}

bool SafeFileReplace::Fail(const std::string& what, int err) {
    if (m_error.empty())
        m_error = what + " " + m_target.string() +
                  (err != 0 ? ": " + std::string(std::strerror(err)) : "");
    Discard();
    return false;
}

void SafeFileReplace::Discard() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty() && !m_committed) ::unlink(m_temp.c_str());
    m_temp.clear();
}

bool SafeFileReplace::Open() {
    struct stat st {};
    const bool exists = ::stat(m_target.c_str(), &st) == 0;
    // A device or pipe is never replaced by a plain file (and never read to its end).
    if (exists && !S_ISREG(st.st_mode)) return Fail("Not a regular file:", 0);
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const fs::path temp = TemporaryName(m_target);
        m_fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_temp = temp;
            // The replacement keeps the permissions of the file it replaces.
            if (exists) (void)::fchmod(m_fd, st.st_mode & 07777);
            return true;
        }
        if (errno != EEXIST) return Fail("Cannot create a file beside", errno);
    }
    return Fail("Cannot create a file beside", EEXIST);
}

bool SafeFileReplace::Write(std::string_view bytes) {
    if (m_fd < 0) return m_error.empty() ? Fail("Not open:", 0) : false;
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail("Cannot write", n < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool SafeFileReplace::Commit() {
    if (m_fd < 0) return m_error.empty() ? Fail("Not open:", 0) : false;
    if (::fsync(m_fd) != 0) return Fail("Cannot write", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) return Fail("Cannot write", errno);
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) return Fail("Cannot replace", errno);
    m_committed = true;
    return true;
}

bool ReplaceFileContents(const fs::path& target, std::string_view bytes, std::string* error) {
    SafeFileReplace out(target);
    const bool ok = out.Open() && out.Write(bytes) && out.Commit();
    if (!ok && error != nullptr) *error = out.Error();
    return ok;
}

}  // namespace corv
