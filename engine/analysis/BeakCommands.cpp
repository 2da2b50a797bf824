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
#include "core/ProcessingLog.h"
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

// The parameters as the script's beak-params line sets them all.
std::string ParamsLine(const BeakParams& p) {
    return "beak-params ScanInterval=" + std::to_string(p.ScanInterval) +
           " QuietStdDev=" + LogNumber(p.QuietStdDev) +
           " TypeThreshold=" + LogNumber(p.TypeThreshold) +
           " BeakThreshold=" + LogNumber(p.BeakThreshold) + " BeakLevel=" + LogNumber(p.BeakLevel) +
           " MinDuration=" + LogNumber(p.MinDuration) +
           " WindowSize=" + std::to_string(p.WindowSize) + " BeakSlope=" + LogNumber(p.BeakSlope) +
           " Step=" + std::to_string(p.Step) + " DiveThreshold=" + LogNumber(p.DiveThreshold) +
           " DiveLevel=" + LogNumber(p.DiveLevel) + " DiveSlope=" + LogNumber(p.DiveSlope);
}

// "-" stands for a file that is not wanted.
std::string FileWord(const std::string& name) {
    return name.empty() ? "-" : name;
}

std::string FilesLine(const Settings& s) {
    return "beak-files " + FileWord(s.NameOutFile[kBeakChannel]) + " " +
           FileWord(s.BreathFileName) + " " + FileWord(s.FeedFileName);
}

// Logs a command that searches from the cursors t4, t5 (where they stood before it ran)
// with the parameters and, when it writes, the results files it uses.
void LogAnalysis(AppState& state, const std::string& verb, bool writes, double t4, double t5) {
    LogSetting(state, ParamsLine(state.settings.Beak));
    if (writes) LogSetting(state, FilesLine(state.settings));
    LogCommandAt(state, {verb}, t4, t5);
}

}  // namespace

bool SearchNext(AppState& state, UiPort& ui) {
    return state.history.RunEdit(state, ui, "Search next", SearchScope(), [&] {
        // Logged first, with the cursors the search starts from; the lines go with the step
        // when nothing is found.
        LogAnalysis(state, "beak-search", false, state.view.LeftCursor, state.view.RightCursor);
        if (!SearchEvent(state, ui).found) return false;
        if (state.analysis.event.type == 'B') SearchDive(state, ui);
        return true;
    });
}

WriteOutcome WriteResults(AppState& state, UiPort& ui,
                          const std::function<void(const AppState&, bool)>& analysed) {
    WriteOutcome out;
    const double t4 = state.view.LeftCursor, t5 = state.view.RightCursor;
    // The file write and its search are one line: undoing the search keeps the line, as the
    // file keeps the event.
    LogPause pause(state);
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
    pause.End();
    if (out.analysed || out.found) LogAnalysis(state, "beak-write", true, t4, t5);
    return out;
}

AnalyseAllOutcome AnalyseAll(AppState& state, UiPort& ui,
                             const std::function<bool(int64_t, int64_t)>& progress) {
    AnalyseAllOutcome out;
    const double t4 = state.view.LeftCursor, t5 = state.view.RightCursor;
    const uint64_t kept = state.history.KeptSteps();
    LogPause pause(state);
    // Logged once, whatever it wrote or moved; stopping early logs what ran.
    const auto log = [&] {
        pause.End();
        if (out.breath + out.feed > 0 || state.history.KeptSteps() != kept)
            LogAnalysis(state, "analyse-all", true, t4, t5);
    };
    const int32_t last = state.store.Rec(kBeakChannel).DataCnt;
    // Without a current event the first one is searched before anything is written.
    if (state.analysis.dimList.count == 0 && !SearchNext(state, ui)) {
        log();
        return out;
    }
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
    log();
    return out;
}

void ChangeBeakType(AppState& state, UiPort& ui) {
    EditScope scope;
    state.history.RunEdit(state, ui, "Change beak type", WithAnalysis(scope), [&] {
        char& type = state.analysis.event.type;
        type = type != 'F' ? 'F' : 'B';
        LogCommand(state, "beak-type", false);
        return true;
    });
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
