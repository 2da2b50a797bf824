#pragma once
// The setup file: a CR LF text file of TAB-separated key lines holding every setting.

#include <filesystem>
#include <iosfwd>

#include "AppState.h"

namespace corv {

inline constexpr const char* kSetupHeader = "Corvandell Setup File";
inline constexpr const char* kSetupRelease = "Release 4.0";

// Writes the whole file. Declines silently (returns false) when an existing file is not a
// setup file or the file cannot be created; the old file survives a failure half-way.
// Raises IoError when writing fails after the file was created.
bool WriteSetupFile(const AppState& state, const std::filesystem::path& path);

// The bytes WriteSetupFile writes, onto a stream.
void WriteSetupText(const AppState& state, std::ostream& out);

// Reads the file over the current settings; returns false (and changes nothing) when the
// file is missing, unreadable or not a setup file. Malformed lines are skipped silently.
bool ReadSetupFile(AppState& state, const std::filesystem::path& path);

}  // namespace corv
