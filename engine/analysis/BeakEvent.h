#pragma once
// The state of the beak analysis: the current event with its results and the list of its
// dims (single beak openings). It lives in AppState for the whole run.

#include <array>
#include <cstdint>

namespace corv {

// One beak opening of the current event.
struct Dim {
    int32_t start = 0;       // first sample index
    int32_t end = 0;         // last sample index
    int32_t gap = 0;         // ms from the previous dim's start; 0 for the first
    double maximum = 0;      // largest beak value in start..end
    double typeValue = 0;    // type-channel value at the time of start
    double positiveSum = 0;  // sum of the beak values above 0 in start..end
    int32_t duration = 0;    // ms from start to end
};

inline constexpr int32_t kMaxDims = 50;

// The dims of the current event, in ascending order of start. One slot more than the
// count can reach, so a division never writes past the array.
struct DimList {
    std::array<Dim, kMaxDims + 1> dims{};
    int32_t count = 0;
};

struct BeakEvent {
    char type = 'B';  // 'B' breath, 'F' feed
    int32_t startIndex = 0;
    int32_t dimCount = 0;
    double positiveSum = 0;
    int32_t startTime = 0;     // ms after OriginTime
    int32_t duration = 0;      // ms, F4..F5
    int32_t diveDuration = 0;  // ms, between the B cursors
    double diveMaximum = 0;    // largest type-channel value between the B cursors
    bool valid = false;        // the results belong to the current event
    bool tooLong = false;      // more than 65000 samples: no results
};

struct AnalysisState {
    BeakEvent event;
    DimList dimList;
};

}  // namespace corv
