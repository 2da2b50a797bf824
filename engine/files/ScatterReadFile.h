#pragma once
// A file opened read-only whose consecutive bytes are read into several separate buffers
// with as few system calls as the platform allows (one per batch of buffers on POSIX).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace corv {

// One destination of a scattered read.
struct ReadPiece {
    char* data = nullptr;
    size_t bytes = 0;
};

class ScatterReadFile {
  public:
    ScatterReadFile() = default;
    ~ScatterReadFile() { Close(); }
    ScatterReadFile(const ScatterReadFile&) = delete;
    ScatterReadFile& operator=(const ScatterReadFile&) = delete;

    // False when the file cannot be opened for reading.
    bool Open(const std::filesystem::path& file);
    void Close();
    // The length of the file in bytes; IoError when it cannot be found.
    int64_t Size();
    // Moves to a byte position; IoError on failure.
    void Seek(int64_t offset);
    // Fills the pieces in order from the current position. Returns the bytes read, fewer
    // than asked only at the end of the file; IoError on a read failure.
    int64_t Read(std::span<const ReadPiece> pieces);

  private:
    std::filesystem::path m_name;
#if defined(_WIN32)
    std::ifstream m_in;
#else
    int m_fd = -1;
#endif
};

}  // namespace corv
