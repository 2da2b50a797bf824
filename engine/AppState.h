#pragma once
// The one state object of a run: every process-wide record lives here and is passed by
// reference, so each test and each CLI run starts fresh.

#include <array>
#include <cstdint>
#include <string>

#include "core/ChannelStore.h"
#include "core/StartRef.h"
#include "settings/Settings.h"

namespace corv {

// The histogram of one channel.
struct HistogramRecord {
    double minBin = 0;
    double binSize = 1;
    double mean = 0;
    double sd = 0;
    double median = 0;
    std::string fileName = "c:\\";
};

// A stored section of a channel.
struct SectionBuffer {
    double startTime = 0;
    double endTime = 0;
    int32_t channel = 0;
    bool shown = false;
    bool used = false;
};

struct Folders {
    std::string ProgramFolder;  // the executable's folder, no trailing separator
    std::string HelpFolder;     // ProgramFolder + separator + "help" + separator
    std::string SetupPath = "C:\\";  // the setup file named in the main dialog
};

struct AppState {
    ChannelStore store;
    Settings settings;
    Folders folders;
    StartRef startRef;
    std::array<bool, kChannelCount> ChannelModified{};
    std::array<HistogramRecord, kChannelCount> histograms{};
    std::array<std::array<uint32_t, 256>, kChannelCount> histogramCounts{};
    std::array<SectionBuffer, 10> sectionBuffers{};
    int32_t selectedSectionBuffer = -1;
    bool logarithmicDisplay = false;
    std::string PendingComment;
};

}  // namespace corv
