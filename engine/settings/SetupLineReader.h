#pragma once
// Line-by-line reading of the setup file: lines end in CR LF, LF or a lone CR, and a line
// longer than the reader's limit is cut to the limit (the rest of it is skipped).

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>

namespace corv {

class SetupLineReader {
  public:
    static constexpr size_t kLineLimit = 1024;

    explicit SetupLineReader(std::istream& in, size_t limit = kLineLimit)
        : m_in(in), m_limit(limit) {}

    // The next line without its line end; false at the end of the input (or when reading
    // failed: the stream's bad() tells which).
    bool Next(std::string& line);

  private:
    std::istream& m_in;
    size_t m_limit;
};

// True when the file can be read and its first line is exactly the setup header.
bool HasSetupHeader(const std::filesystem::path& path);

}  // namespace corv
