#pragma once
// Loading a channel from the program's binary channel file (little-endian 16-bit raw
// samples, optionally after the 720-byte header) and writing a stretch of a channel's
// samples into such a file.

#include <cstdint>
#include <filesystem>

namespace corv {

struct AppState;
class SafeFileReplace;
class UiPort;

// Loads channel c from NameIn into its banks; returns the failure count 0 or 1. Loading
// stops 1024 samples short of the capacity (" Cannot load entire bin. file. "); DataCnt
// becomes CorrSmpDelay + the number of samples loaded.
int LoadBinaryChannel(AppState& state, UiPort& ui, int c);

// Writes the raw samples of channel c at bank positions first .. end - 1 as little-endian
// words; mode 'A' appends to the file (creating it when missing), 'O' overwrites it.
// Returns false when the file cannot be opened or written.
bool WriteBinaryBody(const AppState& state, const std::filesystem::path& file, int32_t first,
                     int32_t end, char mode, int c);
// The same words into a file being replaced; false when a write failed.
bool WriteBinaryBody(const AppState& state, SafeFileReplace& out, int32_t first, int32_t end,
                     int c);

}  // namespace corv
