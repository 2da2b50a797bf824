#pragma once
// Helpers shared by the tests: scratch folders and file contents.

#include <filesystem>
#include <string>

namespace corv::test {

// A fresh empty folder under the system's temporary folder, removed on destruction.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

// Writes bytes to a file, replacing it.
void WriteFile(const std::filesystem::path& p, const std::string& bytes);
// Reads a whole file as bytes; empty when missing.
std::string ReadFile(const std::filesystem::path& p);

// The folder of test fixtures in the source tree.
std::filesystem::path FixturesDir();
// The top folder of the source tree.
std::filesystem::path SourceDir();

}  // namespace corv::test
