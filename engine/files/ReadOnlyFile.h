#pragma once
// A file opened read-only for large sequential reads. The file is closed when the object
// goes, so every return path of a loader releases it.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

namespace corv {

class ReadOnlyFile {
  public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile() { Close(); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False when the file cannot be opened for reading (a folder cannot either).
    bool Open(const std::filesystem::path& file);
    // Reads up to n bytes; fewer only at the end of the file. IoError on a read failure.
    size_t Read(char* buffer, size_t n);
    // Back to the first byte; IoError on failure.
    void Rewind();
    void Close();
    bool IsOpen() const { return m_file != nullptr; }

  private:
    std::FILE* m_file = nullptr;
    std::string m_name;
};

}  // namespace corv
