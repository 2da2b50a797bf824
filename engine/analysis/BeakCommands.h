#pragma once
// The commands of the Analysis menu: Search next, Write results, Analyse all, Change Beak
// Type and the parameters. Search next and the Analyse steps run through the undo history
// (the baseline they set and the dims they find can be taken back).

#include <cstdint>
#include <functional>
#include <string>

#include "analysis/BeakEvent.h"

namespace corv {

struct AppState;
class UiPort;

// Search next: the next event, and for a breath event the dive before it. Returns whether
// an event was found; with none, nothing changed.
bool SearchNext(AppState& state, UiPort& ui);

struct WriteOutcome {
    bool analysed = false;  // AnalyseEvent ran (the beak channel was the active one)
    bool written = false;   // the event went into the results files
    bool failed = false;    // a results file refused it (reported to the user)
    bool found = false;     // the search that follows found an event
};

// Write results: analyses the current event, appends it to the breath or feed file and to
// the all-events file, then searches the next event. analysed (when given) sees the
// analysed event before the search replaces it, with whether it was written.
WriteOutcome WriteResults(AppState& state, UiPort& ui,
                          const std::function<void(const AppState&, bool)>& analysed = {});

struct AnalyseAllOutcome {
    int breath = 0;
    int feed = 0;
    bool cancelled = false;
};

// Writes results from the current position to the end of the beak channel. progress gets
// the F5 index and the beak channel's last index after each event and returns false to
// cancel.
AnalyseAllOutcome AnalyseAll(AppState& state, UiPort& ui,
                             const std::function<bool(int64_t, int64_t)>& progress = {});

// Change Beak Type: 'F' becomes 'B', anything else 'F'; one undo step.
void ChangeBeakType(AppState& state, UiPort& ui);

// The parameter texts in the order the dialog stores them. Each is converted as the
// dialog converts it and stored at once, so a conversion error (ConversionError) leaves
// the earlier ones stored.
struct BeakParamTexts {
    std::string ScanInterval, BeakLevel, BeakSlope, TypeThreshold, BeakThreshold, DiveLevel,
        DiveThreshold, DiveSlope, MinDuration, WindowSize;
    std::string breathFile, feedFile, allFile;
};
[[nodiscard]] BeakParamTexts CurrentParamTexts(const AppState& state);
void StoreParamTexts(AppState& state, const BeakParamTexts& texts);

// One BeakParams field by its name ("ScanInterval", "Step", ...), converted as the dialog
// converts it. False for an unknown name; a text that is no number raises ConversionError.
bool SetBeakParam(AppState& state, const std::string& name, const std::string& text);

}  // namespace corv
