#pragma once
// A file opened read-only for large sequential reads. The file is closed when the object
// goes, so every return path of a loader releases it. Only regular files are opened: a
// device or a pipe (/dev/zero, a FIFO) could be read forever.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace corv {

class ReadOnlyFile {
  public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile() { Close(); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False when the file is not a regular file or cannot be opened for reading.
    bool Open(const std::filesystem::path& file);
    // Reads up to n bytes; fewer only at the end of the file. IoError on a read failure.
    size_t Read(char* buffer, size_t n);
    // Back to the first byte; IoError on failure.
    void Rewind();
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
    std::string m_name;
};

// True when something exists under the name but is neither a regular file nor a folder
// (a device, a pipe, a socket): never a channel or setup file.
bool IsSpecialFile(const std::filesystem::path& file);

// The whole of a regular file of at most `limit` bytes. IoError naming the file when it is
// larger, not a regular file, cannot be opened or fails to read.
std::string ReadSmallFile(const std::filesystem::path& file, size_t limit);

}  // namespace corv
