#include "settings/Defaults.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include <string>
#include <system_error>

namespace corv {

namespace fs = std::filesystem;

namespace {

fs::path FromSystem() {
#ifdef _WIN32
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return fs::path(buf.substr(0, n));
        buf.resize(buf.size() * 2);  // the name was cut; try a larger buffer
    }
#elif defined(__linux__)
    std::error_code ec;
    fs::path exe = fs::canonical("/proc/self/exe", ec);
    return ec ? fs::path() : exe;
#else
    return {};
#endif
}

}  // namespace

fs::path RunningExecutable(const char* argv0) {
    fs::path exe = FromSystem();
    if (!exe.empty()) return exe;
    if (argv0 == nullptr || *argv0 == '\0') return {};
    std::error_code ec;
    exe = fs::absolute(argv0, ec);
    return ec ? fs::path(argv0) : exe;
}

}  // namespace corv
