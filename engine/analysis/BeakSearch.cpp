#include "analysis/BeakSearch.h"

#include <algorithm>

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/UiPort.h"

namespace corv {

namespace {

constexpr int64_t kMaxRounds = 50001;

double FloorOf(double threshold) {
    return threshold < 3.0 ? 0.1 : 1.0;
}

// The scan interval in samples, at least 6.
int32_t ScanSamples(const BeakSignal& s, const BeakParams& p) {
    return std::max(s.Samples(p.ScanInterval * 1000.0), 6);
}

// The first sample that rises clearly above the quiet stretch before it, searching from
// i; -1 when there is none.
int64_t FindStart(const BeakSignal& s, int64_t i, int32_t w) {
    for (int64_t round = 0; round < kMaxRounds; ++round) {
        const double m = s.Mean(i - w, i);
        const double sd = s.StdDev(i - w, i, m);
        ++i;
        for (int64_t k = 1; k <= w / 3; ++k)
            if (s.Value(i + k) > 2.5 * sd + 0.1 + m) return i + k - 2;
        if (i >= s.Last()) break;
    }
    return -1;
}

// The end of the event: the first quiet stretch from i; -1 when there is none.
int64_t FindQuietEnd(const BeakSignal& s, const BeakParams& p, int64_t i, int32_t w) {
    const double quiet = 1.5 * p.QuietStdDev + 0.1;
    for (int64_t round = 0; round < kMaxRounds; ++round) {
        const double m = s.Mean(i, i + w);
        bool found = s.StdDev(i, i + w, m) < quiet;
        for (int64_t k = 1; found && k <= w; ++k)
            if (s.Value(i + k) > m + quiet) found = false;
        ++i;
        if (found) return i;
        if (i >= s.Last()) break;
    }
    return -1;
}

// The end of the event: where the type channel falls back to its threshold; -1 when it
// does not.
int64_t FindTypeEnd(const BeakSignal& b, const BeakSignal& t, const BeakParams& p, int64_t i) {
    for (int64_t round = 0; round < kMaxRounds; ++round) {
        ++i;
        if (t.Value(MapIndex(b, t, i)) <= p.TypeThreshold) return i;
        if (i >= b.Last()) break;
    }
    return -1;
}

// The histogram level of the event becomes the beak channel's zero. The bins are set by
// the value range between the cursors as they were before the search.
void SetEventBaseline(AppState& state, const BeakSignal& b, int32_t oldLeft, int32_t oldRight,
                      int32_t start, int32_t end) {
    double lo = b.Value(oldLeft), hi = lo;
    for (int64_t i = oldLeft; i <= oldRight; ++i) {
        lo = std::min(lo, b.Value(i));
        hi = std::max(hi, b.Value(i));
    }
    const double level = hi - lo <= 1e-06 ? b.Value(start) : b.HistogramLevel(start, end, lo, hi);
    state.store.Rec(kBeakChannel).yOffset += level;
}

// Divides start..end into dims; a dim found after the 50th is not stored.
void FindDims(AppState& state, UiPort& ui, const BeakSignal& b, int32_t start, int32_t end) {
    DimList& list = state.analysis.dimList;
    list.count = 0;
    int32_t j = start;
    Dim d;
    while (FindNextDim(b, ui, state.settings.Beak, j, end, d) == DimSearch::Found) {
        if (list.count < kMaxDims) {
            if (list.count > 0) {
                Dim& prev = list.dims[static_cast<size_t>(list.count - 1)];
                // Two dims never share a sample.
                if (d.start == prev.end) {
                    --prev.end;
                    ++d.start;
                }
            }
            list.dims[static_cast<size_t>(list.count++)] = d;
        }
        j = d.end;
        if (j > end) break;
    }
}

// Feed events end with their last deep dim: trailing dims taken while the type channel was
// shallow are dropped and F5 moves back.
void TrimFeedEvent(AppState& state, const BeakSignal& b, const BeakSignal& t, int32_t left,
                   int32_t& right) {
    DimList& list = state.analysis.dimList;
    const double threshold = state.settings.Beak.TypeThreshold;
    double deepest = -22.0;
    for (int k = 0; k < list.count; ++k) {
        Dim& d = list.dims[static_cast<size_t>(k)];
        d.typeValue = t.Value(MapIndex(b, t, d.start));
        deepest = std::max(deepest, d.typeValue);
    }
    for (int k = list.count - 1; k >= 1; --k) {
        const double v = list.dims[static_cast<size_t>(k)].typeValue;
        if (v >= threshold && v >= 0.3 * deepest) break;
        --list.count;
        right = list.dims[static_cast<size_t>(k - 1)].end - 1;
    }
    if (right <= left) right = left + 2;
}

}  // namespace

EdgeParams DimEdgeParams(const BeakParams& p) {
    return {p.BeakSlope, p.BeakLevel, FloorOf(p.BeakThreshold)};
}

EdgeParams DiveEdgeParams(const BeakParams& p) {
    return {p.DiveSlope, p.DiveLevel, FloorOf(p.DiveThreshold)};
}

bool IsEdge(const BeakSignal& s, int64_t i, int dir, double peak, int32_t step,
            const EdgeParams& e) {
    const double v = s.Value(i);
    double sum = 0;
    for (int n = 1; n <= 3; ++n) sum += (s.Value(i + int64_t{n} * step * dir) - v) / n;
    const double slope = (1000.0 / s.SampRate()) * (1.0 / (3.0 * step)) * sum;
    return (v <= (1 - e.level) * peak && slope > e.slope) || v < e.floor;
}

int32_t FindEdge(const BeakSignal& s, int32_t k, int dir, int32_t limit, double& peak, int32_t step,
                 const EdgeParams& e) {
    if (dir < 0) {
        int64_t i = int64_t{k} - 1;
        for (int64_t n = 0; i >= 1 && n < 30001; ++n, --i)
            if (IsEdge(s, i, -1, peak, step, e)) break;
        return static_cast<int32_t>(std::max<int64_t>(i, 0));
    }
    // First up to the top of the peak, then down to its edge.
    peak = s.Value(k);
    int64_t i = k, n = 0;
    for (;; ++i, ++n) {
        const double v = s.Value(i);
        peak = std::max(peak, v);
        if ((s.Value(i + 3) < v && s.Value(i + 4) < v) || v < 0.1 || n > 1000 || i >= limit) break;
    }
    for (; n < 20001; ++i, ++n) {
        peak = std::max(peak, s.Value(i));
        if (IsEdge(s, i, +1, peak, step, e) || i >= limit || i < 1) break;
    }
    return static_cast<int32_t>(i);
}

DimSearch FindNextDim(const BeakSignal& s, UiPort& ui, const BeakParams& p, int32_t j,
                      int32_t limit, Dim& out) {
    if (p.Step <= 0) {
        ui.Message(" Illegal parameter ");
        return DimSearch::Illegal;
    }
    if (j >= s.Last()) {
        ui.Beep();
        return DimSearch::NotFound;
    }
    int64_t k = j;
    while (!(s.Value(k) > p.BeakThreshold) && k < limit) k += p.Step;
    if (k >= s.Last()) {
        ui.Beep();
        return DimSearch::NotFound;
    }
    if (k >= limit) return DimSearch::NotFound;
    const EdgeParams e = DimEdgeParams(p);
    double peak = 0;
    const int32_t end = FindEdge(s, static_cast<int32_t>(k), +1, limit, peak, p.Step, e);
    int32_t start = FindEdge(s, static_cast<int32_t>(k), -1, limit, peak, p.Step, e);
    if (start < j) start = j + 1;
    if (start >= end) return DimSearch::NotFound;
    out = Dim{};
    out.start = start;
    out.end = end;
    return DimSearch::Found;
}

void ShowEvent(AppState& state, int32_t left, int32_t right) {
    const ChannelRecord& r = state.store.Rec(kBeakChannel);
    const int32_t size = state.settings.Beak.WindowSize;
    const int64_t margin = std::max<int64_t>((int64_t{size} - (right - left)) / 2, size / 10);
    const double l = std::max(RoundHalfEven(left - 0.5 * static_cast<double>(margin)), 0.0);
    const double rt = std::min(RoundHalfEven(right + 0.5 * static_cast<double>(margin)),
                               static_cast<double>(r.DataCnt));
    state.view.LeftBorder = l * r.SampRate;
    state.view.RightBorder = rt * r.SampRate;
}

SearchResult SearchEvent(AppState& state, UiPort& ui) {
    const BeakParams p = state.settings.Beak;
    const BeakSignal b(state, kBeakChannel), t(state, kTypeChannel);
    ViewState& v = state.view;
    const int32_t oldLeft = b.Samples(v.LeftCursor), oldRight = b.Samples(v.RightCursor);
    const int32_t w = ScanSamples(b, p);

    const int64_t start = FindStart(b, oldRight, w);
    if (start < 0) return {};
    int64_t i = start;
    const int64_t d = b.Samples(1000.0 * p.MinDuration);
    if (start + d < b.Last()) i = start + d;
    const bool quiet = t.Value(MapIndex(b, t, i)) <= p.TypeThreshold;
    const int64_t end = quiet ? FindQuietEnd(b, p, i, w) : FindTypeEnd(b, t, p, i);
    if (end < 0) return {};

    SearchResult r{true, static_cast<int32_t>(start), static_cast<int32_t>(end)};
    const bool breath = t.Value(MapIndex(b, t, (start + end) / 2)) <= p.TypeThreshold;
    state.analysis.event.type = breath ? 'B' : 'F';
    SetEventBaseline(state, b, oldLeft, oldRight, r.start, r.end);
    FindDims(state, ui, b, r.start, r.end);

    const DimList& list = state.analysis.dimList;
    int32_t left = r.start;
    int32_t right = list.count > 0 ? list.dims[static_cast<size_t>(list.count - 1)].end - 1 : r.end;
    ShowEvent(state, left, right);
    if (!breath) TrimFeedEvent(state, b, t, left, right);
    v.LeftCursor = static_cast<double>(left) * b.SampRate();
    v.RightCursor = static_cast<double>(right) * b.SampRate();
    return r;
}

void SearchDive(AppState& state, UiPort& ui) {
    const BeakParams p = state.settings.Beak;
    if (p.Step <= 0) {
        ui.Message("Illegal LenRest-Parameter");
        return;
    }
    const BeakSignal b(state, kBeakChannel), t(state, kTypeChannel);
    ViewState& v = state.view;
    int64_t k = t.Samples(v.LeftCursor);
    if (k >= t.Last()) {
        ui.Beep();
        return;
    }
    // Back into the dive before the event.
    while (t.Value(k) <= p.DiveThreshold && k > 0) k -= p.Step;
    k = std::max<int64_t>(k, 0);
    const EdgeParams e = DiveEdgeParams(p);
    const int32_t limit = b.Samples(v.LeftCursor) + 500;
    double peak = 0;
    const int32_t right = FindEdge(t, static_cast<int32_t>(k), +1, limit, peak, p.Step, e);
    const int32_t left = FindEdge(t, static_cast<int32_t>(k), -1, limit, peak, p.Step, e);
    const double f = static_cast<double>(t.SampRate()) * state.settings.CommSampInterval;
    v.LeftBCursor = RoundHalfEven(left * f);
    v.RightBCursor = RoundHalfEven(right * f);
}

}  // namespace corv
