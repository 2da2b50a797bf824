#pragma once
// Writing a file so that a failure never costs the old one: the new bytes go to a unique
// temporary file created beside the target, which is flushed to disk, closed and renamed
// over the target only when everything was written. Two writers of the same target each
// have their own temporary file, so the result is always one writer's complete file.

#include <filesystem>
#include <string>
#include <string_view>

namespace corv {

class SafeFileReplace {
  public:
    explicit SafeFileReplace(std::filesystem::path target);
    // Removes the temporary file unless Commit succeeded.
    ~SafeFileReplace();
    SafeFileReplace(const SafeFileReplace&) = delete;
    SafeFileReplace& operator=(const SafeFileReplace&) = delete;

    // Creates the temporary file. False (with Error()) when the target exists but is not a
    // regular file, or the temporary file cannot be created.
    bool Open();
    // Appends bytes; false once any write has failed (the failure is kept for Commit).
    bool Write(std::string_view bytes);
    // Flushes, closes and renames the temporary file over the target; false (with Error(),
    // the target untouched) when any step failed.
    bool Commit();

    // What went wrong, naming the file; empty while all is well.
    const std::string& Error() const { return m_error; }

  private:
    bool Fail(const std::string& what, int err);
    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    int m_fd = -1;
    bool m_committed = false;
    std::string m_error;
};

// Replaces `target` with `bytes` through SafeFileReplace; false with the reason in *error.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error = nullptr);

}  // namespace corv
