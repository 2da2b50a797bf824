// A preloaded library that makes one file operation fail, for the fault-injection tests:
//   CORV_FAULT_OP     open, read, write, fsync or rename
//   CORV_FAULT_PATH   the call's file name must contain this text (rename: the new name)
//   CORV_FAULT_NTH    which matching call fails, counting from 1 (default 1)
//   CORV_FAULT_ERRNO  the error it fails with (default EIO)
// Every other call goes to the C library unchanged.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sys/uio.h>
#include <unistd.h>

namespace {

constexpr int kMaxFds = 4096;
char* fdPaths[kMaxFds];
int matches;

#define REAL(name) (reinterpret_cast<decltype(&name)>(dlsym(RTLD_NEXT, #name)))

int path_matches(const char* path) {
    const char* want = std::getenv("CORV_FAULT_PATH");
    return path != nullptr && want != nullptr && std::strstr(path, want) != nullptr;
}

/* True when this call is the one to fail; errno is then set. */
int should_fail(const char* op, const char* path) {
    const char* want = std::getenv("CORV_FAULT_OP");
    if (want == nullptr || std::strcmp(want, op) != 0 || !path_matches(path)) return 0;
    const char* nth = std::getenv("CORV_FAULT_NTH");
    if (++matches != (nth ? std::atoi(nth) : 1)) return 0;
    const char* err = std::getenv("CORV_FAULT_ERRNO");
    // Told on stderr, so a test knows the fault was reached.
    std::fprintf(stderr, "corv-fault: %s %s fails\n", op, path);
    errno = err ? std::atoi(err) : EIO;
    return 1;
}

const char* fd_path(int fd) {
    return fd >= 0 && fd < kMaxFds ? fdPaths[fd] : nullptr;
}

int remember(int fd, const char* path) {
    if (fd >= 0 && fd < kMaxFds) {
        std::free(fdPaths[fd]);
        fdPaths[fd] = path ? strdup(path) : nullptr;
    }
    return fd;
}

int open_common(int dirfd, const char* path, int flags, mode_t mode, int use_at) {
    if (should_fail("open", path)) return -1;
    int fd = use_at ? REAL(openat)(dirfd, path, flags, mode) : REAL(open)(path, flags, mode);
    return remember(fd, path);
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & O_CREAT) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return open_common(AT_FDCWD, path, flags, mode, 0);
}
int open64(const char* path, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & O_CREAT) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return open_common(AT_FDCWD, path, flags, mode, 0);
}
int openat(int dirfd, const char* path, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & O_CREAT) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return open_common(dirfd, path, flags, mode, 1);
}

FILE* fopen(const char* path, const char* mode) {
    if (should_fail("open", path)) return nullptr;
    FILE* f = REAL(fopen)(path, mode);
    if (f) remember(fileno(f), path);
    return f;
}
FILE* fopen64(const char* path, const char* mode) {
    if (should_fail("open", path)) return nullptr;
    FILE* f = REAL(fopen64)(path, mode);
    if (f) remember(fileno(f), path);
    return f;
}

int close(int fd) {
    remember(fd, nullptr);
    return REAL(close)(fd);
}
int fclose(FILE* f) {
    if (f) remember(fileno(f), nullptr);
    return REAL(fclose)(f);
}

ssize_t read(int fd, void* buf, size_t n) {
    if (should_fail("read", fd_path(fd))) return -1;
    return REAL(read)(fd, buf, n);
}
ssize_t readv(int fd, const struct iovec* iov, int count) {
    if (should_fail("read", fd_path(fd))) return -1;
    return REAL(readv)(fd, iov, count);
}
ssize_t write(int fd, const void* buf, size_t n) {
    if (should_fail("write", fd_path(fd))) return -1;
    return REAL(write)(fd, buf, n);
}
ssize_t writev(int fd, const struct iovec* iov, int count) {
    if (should_fail("write", fd_path(fd))) return -1;
    return REAL(writev)(fd, iov, count);
}
int fsync(int fd) {
    if (should_fail("fsync", fd_path(fd))) return -1;
    return REAL(fsync)(fd);
}
int rename(const char* from, const char* to) {
    if (should_fail("rename", to)) return -1;
    return REAL(rename)(from, to);
}

}  // extern "C"
