#pragma once
// The marker test of the program's binary channel files: a file whose first line holds
// "CV file info" anywhere has a 720-byte header.

#include <filesystem>

namespace corv {

class UiPort;

inline constexpr const char* kHeaderMarker = "CV file info";
inline constexpr int kHeaderBytes = 720;
// The message for a file that cannot be opened; the file name follows.
inline constexpr const char* kCantOpenPrefix = "   Can't open : ";

struct HeaderMarkerResult {
    bool opened = false;     // false: "   Can't open : <file>" was shown
    bool hasMarker = false;  // the first line holds the marker
};

// Opens the file, reads its first line (to the first line break) and closes it.
HeaderMarkerResult HasHeaderMarker(UiPort& ui, const std::filesystem::path& file);

}  // namespace corv
