#include "analysis/BeakCommands.h"

#include <algorithm>

#include "AppState.h"
#include "analysis/AnalyseEvent.h"
#include "analysis/AnalysisSnapshot.h"
#include "analysis/BeakSearch.h"
#include "analysis/ResultsFile.h"
#include "core/AnalysisKind.h"
#include "core/Convert.h"
#include "core/NumberFormat.h"
#include "core/UiPort.h"
#include "graph/ViewState.h"

namespace corv {

namespace {

// The search may set the beak channel's baseline and replaces the event and its dims.
EditScope SearchScope() {
    EditScope scope;
    WithAnalysis(scope.Record(kBeakChannel).KeepModifiedFlags());
    return scope;
}

constexpr int32_t kSearchReach = 50000;

int32_t RightIndex(const AppState& state) {
    const int32_t rate = std::max<int32_t>(state.store.Rec(kBeakChannel).SampRate, 1);
    return static_cast<int32_t>(state.view.RightCursor / rate);
}

}  // namespace

bool SearchNext(AppState& state, UiPort& ui) {
    return state.history.RunEdit(state, ui, "Search next", SearchScope(), [&] {
        if (!SearchEvent(state, ui).found) return false;
        if (state.analysis.event.type == 'B') SearchDive(state, ui);
        return true;
    });
}

WriteOutcome WriteResults(AppState& state, UiPort& ui,
                          const std::function<void(const AppState&, bool)>& analysed) {
    WriteOutcome out;
    RememberPositions(state.view);
    if (state.ActiveChannel == kBeakChannel) {
        out.analysed = true;
        AnalyseEvent(state);
        const Settings& s = state.settings;
        const std::string& typeFile =
            state.analysis.event.type == 'B' ? s.BreathFileName : s.FeedFileName;
        const std::string& allFile = s.NameOutFile[kBeakChannel];
        // Both files get the same event number: the one of the all-events file.
        const int number = allFile.empty() ? 1 : NextEventNumber(allFile);
        // A file without a name is not wanted.
        const BeakEvent& e = state.analysis.event;
        const bool results = e.valid || e.tooLong;
        const bool typed = typeFile.empty() || WriteEventResults(state, ui, typeFile, number);
        const bool all = allFile.empty() || WriteEventResults(state, ui, allFile, number);
        out.failed = results && !(typed && all);
        out.written = results && !out.failed && !(typeFile.empty() && allFile.empty());
        if (analysed) analysed(state, out.written);
    } else {
        ui.Message(
            " Write results analyses the beak channel: make channel 1 the active "
            "channel first. Nothing was written.");
    }
    out.found = SearchNext(state, ui);
    return out;
}

AnalyseAllOutcome AnalyseAll(AppState& state, UiPort& ui,
                             const std::function<bool(int64_t, int64_t)>& progress) {
    AnalyseAllOutcome out;
    const int32_t last = state.store.Rec(kBeakChannel).DataCnt;
    // Without a current event the first one is searched before anything is written.
    if (state.analysis.dimList.count == 0 && !SearchNext(state, ui)) return out;
    for (;;) {
        const int32_t before = RightIndex(state);
        const char type = state.analysis.event.type;
        const WriteOutcome w = WriteResults(state, ui);
        // A refused file would refuse every further event too.
        if (!w.analysed || w.failed) break;
        if (w.written) ++(type == 'B' ? out.breath : out.feed);
        if (progress && !progress(RightIndex(state), last)) {
            out.cancelled = true;
            break;
        }
        // One search looks 50001 samples ahead; a longer quiet stretch (a night) is
        // skipped by moving the cursors on and searching again.
        bool found = w.found;
        while (!found && RightIndex(state) + kSearchReach < last) {
            const double step = double{kSearchReach} * state.store.Rec(kBeakChannel).SampRate;
            state.view.LeftCursor += step;
            state.view.RightCursor += step;
            found = SearchNext(state, ui);
        }
        // The end of the channel, or a search that no longer moves on.
        if (!found || RightIndex(state) <= before) break;
    }
    return out;
}

void ChangeBeakType(AppState& state) {
    char& type = state.analysis.event.type;
    type = type != 'F' ? 'F' : 'B';
}

BeakParamTexts CurrentParamTexts(const AppState& state) {
    const BeakParams& p = state.settings.Beak;
    BeakParamTexts t;
    t.ScanInterval = std::to_string(p.ScanInterval);
    t.BeakLevel = FormatShortest(p.BeakLevel);
    t.BeakSlope = FormatShortest(p.BeakSlope);
    t.TypeThreshold = FormatShortest(p.TypeThreshold);
    t.BeakThreshold = FormatShortest(p.BeakThreshold);
    t.DiveLevel = FormatShortest(p.DiveLevel);
    t.DiveThreshold = FormatShortest(p.DiveThreshold);
    t.DiveSlope = FormatShortest(p.DiveSlope);
    t.MinDuration = FormatShortest(p.MinDuration);
    t.WindowSize = std::to_string(p.WindowSize);
    t.breathFile = state.settings.BreathFileName;
    t.feedFile = state.settings.FeedFileName;
    t.allFile = state.settings.NameOutFile[kBeakChannel];
    return t;
}

void StoreParamTexts(AppState& state, const BeakParamTexts& t) {
    BeakParams& p = state.settings.Beak;
    p.ScanInterval = StrToInt(t.ScanInterval);
    p.BeakLevel = StrToFloat(t.BeakLevel);
    p.BeakSlope = StrToFloat(t.BeakSlope);
    p.TypeThreshold = StrToFloat(t.TypeThreshold);
    p.BeakThreshold = StrToFloat(t.BeakThreshold);
    p.DiveLevel = StrToFloat(t.DiveLevel);
    p.DiveThreshold = StrToFloat(t.DiveThreshold);
    p.DiveSlope = StrToFloat(t.DiveSlope);
    p.MinDuration = StrToFloat(t.MinDuration);
    p.WindowSize = StrToInt(t.WindowSize);
    state.settings.BreathFileName = t.breathFile;
    state.settings.FeedFileName = t.feedFile;
    state.settings.NameOutFile[kBeakChannel] = t.allFile;
}

bool SetBeakParam(AppState& state, const std::string& name, const std::string& text) {
    BeakParams& p = state.settings.Beak;
    int32_t* const ints[] = {&p.ScanInterval, &p.WindowSize, &p.Step};
    const char* const intNames[] = {"ScanInterval", "WindowSize", "Step"};
    for (size_t k = 0; k < std::size(ints); ++k)
        if (name == intNames[k]) return *ints[k] = StrToInt(text), true;
    double* const floats[] = {&p.QuietStdDev,   &p.TypeThreshold, &p.BeakThreshold,
                              &p.BeakLevel,     &p.MinDuration,   &p.BeakSlope,
                              &p.DiveThreshold, &p.DiveLevel,     &p.DiveSlope};
    const char* const floatNames[] = {"QuietStdDev",   "TypeThreshold", "BeakThreshold",
                                      "BeakLevel",     "MinDuration",   "BeakSlope",
                                      "DiveThreshold", "DiveLevel",     "DiveSlope"};
    for (size_t k = 0; k < std::size(floats); ++k)
        if (name == floatNames[k]) return *floats[k] = StrToFloat(text), true;
    return false;
}

}  // namespace corv
