#pragma once
// The build-time variant selector: it picks captions, help files and the event analysis.

#include <string>

namespace corv {

// This build is the beak analysis.
inline constexpr int kAnalysisKind = 13;

// The name of an analysis kind ("beak" for 13); " " for 0 and unknown kinds.
[[nodiscard]] std::string AnalysisKindName(int kind);

// The channel roles of the beak analysis.
inline constexpr int kBeakChannel = 0;
inline constexpr int kTypeChannel = 1;

}  // namespace corv
