#pragma once
// One block of memory for all sample banks, aligned to 2 MiB with huge pages requested
// where the kernel offers them: the first load touches every page of the banks.

#include <cstddef>
#include <cstdint>

namespace corv {

class BankMemory {
  public:
    BankMemory() = default;
    ~BankMemory() { Release(); }
    BankMemory(const BankMemory&) = delete;
    BankMemory& operator=(const BankMemory&) = delete;

    // Obtains `bytes` bytes (rounded up to 2 MiB); false when the memory cannot be had.
    bool Obtain(size_t bytes);
    void Release();
    uint16_t* Words() const { return m_words; }
    bool Held() const { return m_words != nullptr; }

  private:
    uint16_t* m_words = nullptr;
};

}  // namespace corv
