#pragma once
// The setup file: a CR LF text file of TAB-separated key lines holding every setting.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "AppState.h"

namespace corv {

inline constexpr const char* kSetupHeader = "Corvandell Setup File";
inline constexpr const char* kSetupRelease = "Release 4.0";

// Writes the whole file. Declines silently (returns false) when an existing file is not a
// setup file (or not a regular file) or the file cannot be created; the old file survives
// a failure half-way, and of two processes saving at once one wins with its whole file.
// Raises IoError when writing fails after the file was created.
bool WriteSetupFile(const AppState& state, const std::filesystem::path& path);

// The bytes WriteSetupFile writes, onto a stream.
void WriteSetupText(const AppState& state, std::ostream& out);

// Setup files are small; anything larger is not one and is not read into memory.
inline constexpr size_t kSetupFileLimit = size_t{1} << 20;

enum class SetupReadStatus { Read, Missing, NotRegular, Unreadable, NotSetupFile, ReadFailed };

struct SetupReadResult {
    SetupReadStatus status = SetupReadStatus::Read;
    std::string reason;              // why the file was not read, naming it
    std::vector<std::string> notes;  // values that were refused and kept as they were
    bool Ok() const { return status == SetupReadStatus::Read; }
};

// Reads the file over the current settings; changes nothing unless the whole file was read
// and is a setup file. Never throws for a file that cannot be read: the result says why.
// Malformed lines are skipped silently; an invalid date separator is kept as it was, with
// a note.
SetupReadResult ReadSetupFileChecked(AppState& state, const std::filesystem::path& path);

// As above; false when the file is missing, not a regular file, cannot be opened or is not
// a setup file, and
// IoError when it failed to read or is larger than kSetupFileLimit.
bool ReadSetupFile(AppState& state, const std::filesystem::path& path);

}  // namespace corv
