#pragma once
// The global settings kept in the setup file, and the other process-wide records that
// start from defaults at start-up.

#include <array>
#include <cstdint>
#include <string>

#include "core/Canvas.h"
#include "core/ChannelRecord.h"

namespace corv {

struct ColourEntry {
    Colour value = 0;
    std::string name;  // at most 20 characters
};

inline constexpr int kColourCount = 17;
inline constexpr int kSubsidLinesPerChannel = 10;

// Named entries of the colour table.
enum ColourIndex {
    kColBackground = 0,
    kColForeground = 1,
    kColCursor = 2,
    kColBorder = 3,
    kColJumpLine = 4,
    kColDashedLines = 5,
    kColCrossCursor = 6,
    kColActiveCurve = 7,
    kColInactiveCurves = 8,
    kColTextBarBack = 9,
    kColTextBarFore = 10,
    kColMarkedSection = 11,
    kColDawn = 12,
    kColDusk = 13,
    kColPcx = 14,
    kColRegression = 15,
    kColTags = 16,
};

// Parameters of the beak analysis, in their declared order.
struct BeakParams {
    int32_t ScanInterval = 8;  // seconds
    double QuietStdDev = 1.0;
    double TypeThreshold = 2.0;
    double BeakThreshold = 0.6;
    double BeakLevel = 0.8;
    double MinDuration = 10.0;  // seconds
    int32_t WindowSize = 300;   // samples
    double BeakSlope = -0.3;
    int32_t Step = 1;
    double DiveThreshold = 5.0;
    double DiveLevel = 0.95;
    double DiveSlope = 0.0;
};

// A horizontal subsidiary line of a strip: its value, and 1 when it is shown.
struct SubsidLine {
    double value = 0;
    double shown = 0;
};

struct Settings {
    std::array<ColourEntry, kColourCount> ColourTable{};
    double StartCoordLon = 0, StartCoordLat = 0;
    double EndCoordLon = 0, EndCoordLat = 0;
    int32_t GraphFont = 0, GraphFontSize = 0;
    double FrequSensibility = 0;
    BeakParams Beak;
    double CommSampInterval = 0;                         // "Comm.SampInterval"
    std::string StatisticsFileName;                      // "name_out_file"
    std::array<std::string, kChannelCount> NameOutFile;  // per-channel output file
    std::string BreathFileName, FeedFileName;            // event analysis outputs (not saved)
    char OutDlmt = '\t';
    char DateSep = '.';
    double AltNullmbar = 0;
    std::array<std::array<SubsidLine, kSubsidLinesPerChannel>, kChannelCount> SubsidLines{};
};

}  // namespace corv
