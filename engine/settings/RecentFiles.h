#pragma once
// The setup files the user read or saved last, newest first, kept in a small text file
// beside the automatic setup file (one name a line) for the main dialog's File menu.

#include <filesystem>
#include <string>
#include <vector>

namespace corv {

inline constexpr size_t kRecentFileCount = 8;
// The list's file, in the folder of the automatic setup file.
inline constexpr const char* kRecentFilesName = "corvandell-recent.txt";

// The names in the list file; an unreadable or missing file gives an empty list.
[[nodiscard]] std::vector<std::string> ReadRecentFiles(const std::filesystem::path& file);

// `name` moves to the front; the list keeps kRecentFileCount names without repeats.
void AddRecentFile(std::vector<std::string>& list, const std::string& name);

// Writes the list (CR LF lines), making its folder when missing (the user's settings folder
// of a fresh installation); false when the file cannot be written.
bool WriteRecentFiles(const std::filesystem::path& file, const std::vector<std::string>& list);

}  // namespace corv
