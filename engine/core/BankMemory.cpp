#include "core/BankMemory.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(_WIN32)
#include <malloc.h>
#endif

namespace corv {

namespace {
constexpr size_t kHugePage = size_t{2} << 20;
}

bool BankMemory::Obtain(size_t bytes) {
    Release();
    const size_t size = (bytes + kHugePage - 1) / kHugePage * kHugePage;
#if defined(_WIN32)
    void* p = _aligned_malloc(size, kHugePage);
#else
    void* p = std::aligned_alloc(kHugePage, size);
#endif
    if (p == nullptr) return false;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(p, size, MADV_HUGEPAGE);  // a hint only: without huge pages it still works
#endif
    m_words = static_cast<uint16_t*>(p);
    return true;
}

void BankMemory::Release() {
    if (m_words == nullptr) return;
#if defined(_WIN32)
    _aligned_free(m_words);
#else
    std::free(m_words);
#endif
    m_words = nullptr;
}

}  // namespace corv
