#pragma once
// The one state object of a run: every process-wide record lives here and is passed by
// reference, so each test and each CLI run starts fresh.

#include <array>
#include <cstdint>
#include <string>

#include "analysis/BeakEvent.h"
#include "calc/FrequencyTags.h"
#include "calc/HistogramRecord.h"
#include "core/ChannelStore.h"
#include "core/StartRef.h"
#include "core/UndoHistory.h"
#include "graph/MouseDownState.h"
#include "graph/ViewState.h"
#include "processing/SectionPreview.h"
#include "settings/Settings.h"

namespace corv {

// A stored section of a channel.
struct SectionBuffer {
    double startTime = 0;
    double endTime = 0;
    int32_t channel = 0;
    bool shown = false;
    bool used = false;
};

// The choices the export dialogs showed last; section 0 is the F4..F5 section, 1 the entire
// channel; channel 0 the active channel, 1 all channels into one file, 2 all channels into
// separate files.
struct ExportChoices {
    int32_t section = 0;
    int32_t channel = 0;
    bool saveLog = false;  // the processing log is written beside each exported file
};

// Where the strips write their captions.
enum CaptionPosition : int32_t { kCaptionInvisible = 0, kCaptionAtTop = 1, kCaptionAtBottom = 2 };

struct Folders {
    std::string ProgramFolder;       // the executable's folder, no trailing separator
    std::string HelpFolder;          // ProgramFolder + separator + "help" + separator
    std::string AutoSetupFolder;     // where the automatic setup file lives
    std::string SetupPath = "C:\\";  // the setup file named in the main dialog
};

struct AppState {
    ChannelStore store;
    Settings settings;
    Folders folders;
    StartRef startRef;
    std::array<bool, kChannelCount> ChannelModified{};
    std::array<HistogramRecord, kChannelCount> histograms{};
    std::array<HistogramCounts, kChannelCount> histogramCounts{};
    FrequencyTags frequencyTags;
    std::array<SectionBuffer, 10> sectionBuffers{};
    int32_t selectedSectionBuffer = -1;
    SectionPreview sectionPreview;  // the shown buffer's preview on the active strip
    bool logarithmicDisplay = false;
    std::string PendingComment;
    ViewState view;
    int32_t MouseMode = kModeNone;  // a MouseModeValue
    int ActiveChannel = 0;
    uint32_t RedrawFlags = 0;            // pending jobs, graph/RedrawFlags.h
    MouseDownState mouseDown;            // the last press on a strip, for its release
    int32_t CaptionPos = kCaptionAtTop;  // a CaptionPosition, for all strips
    ExportChoices exportChoices;
    UndoHistory history;     // every data-changing command runs through it
    AnalysisState analysis;  // the beak analysis: current event and its dims
};

}  // namespace corv
