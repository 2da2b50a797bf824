#pragma once
// The channel settings of the two demo setup files: the text recording (beak and depth
// as text files) and its variant that reads the beak channel from the binary copy.

#include <string>

#include "AppState.h"

namespace corv::demo {

inline constexpr const char* kBeakText = "beak.txt";
inline constexpr const char* kDepthText = "depth.txt";
inline constexpr const char* kBeakBinary = "beak.bin";
// Channel 3 names no file (the dialog's empty default), so it takes no part in a run and
// Start does not ask about it.
inline constexpr const char* kAbsentChannel = "c:\\";
inline constexpr int32_t kSampleMs = 100;

// The start of the recording: 14 June 2026 06:00:00.
[[nodiscard]] double DemoStartTime();

// Over the defaults: channel 1 the beak opening and channel 2 the depth, both column 2 of
// a TAB-separated text file with one header line, automatic scaling, 100 ms; channel 3
// absent. File names are relative to the setup file's folder.
void DescribeTextRecording(AppState& state);

// Turns channel 1 into the binary copy with its 720-byte header. The scaling range of the
// loaded text channel is kept as well, so the mapping is the same whether or not a reader
// takes the header's own scaling.
void DescribeBinaryBeak(AppState& state, const ChannelRecord& loadedBeak);

}  // namespace corv::demo
