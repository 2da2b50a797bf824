#include "processing/Resampling.h"

#include <algorithm>
#include <string>
#include <vector>

#include "AppState.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/EditScope.h"
#include "core/NumberFormat.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"
#include "processing/WorkSection.h"

namespace corv {

namespace {

constexpr const char* kNoCapacity = "Not enough capacity for this operation.";

EditScope WholeScope(int c, int64_t lastAfter) {
    return EditScope().WholeChannel(c, lastAfter).Record(c);
}

// Old samples 1..L spread to the positions k*n and k*n - 1 (downwards, so none is
// overwritten before it is read); DataCnt must already be the new one.
void Spread(ChannelStore& s, int c, int32_t oldCnt, int32_t n) {
    for (int64_t k = oldCnt; k >= 1; --k) {
        const uint16_t r = s.GetRaw(static_cast<int32_t>(k), c);
        s.SetRaw(static_cast<int32_t>(k * n), r, c);
        s.SetRaw(static_cast<int32_t>(k * n - 1), r, c);
    }
}

// The gaps after thinning out: new index j holds old index source(j).
template <class Source>
ChannelGaps ThinnedGaps(const ChannelStore& s, int c, int32_t newCnt, int32_t newDelay,
                        Source source) {
    ChannelGaps gaps;
    if (s.Gaps[size_t(c)].Empty()) return gaps;
    for (int64_t j = std::max(newDelay, 0); j <= newCnt; ++j)
        if (s.InGap(source(j), c)) gaps.Add(static_cast<int32_t>(j - newDelay));
    return gaps;
}

// After Expand or Double points by n, with the record already updated.
void StretchGaps(ChannelStore& s, int c, int32_t n) {
    const ChannelRecord& r = s.Rec(c);
    s.Gaps[size_t(c)].Stretch(n, static_cast<int32_t>(int64_t{r.DataCnt} - r.CorrSmpDelay));
}

}  // namespace

bool Reduce(AppState& state, UiPort& ui, int c, int32_t n) {
    if (n < 2 || !state.store.ChannelPresent[static_cast<size_t>(c)]) return false;
    BusyGuard busy(ui);
    return state.history.RunEdit(state, ui, "Reduce", WholeScope(c, -1), [&] {
        ChannelStore& s = state.store;
        ChannelRecord& r = s.Rec(c);
        const int32_t m = r.DataCnt / n;
        for (int64_t k = 1; k <= m; ++k)
            s.SetRaw(static_cast<int32_t>(k - 1), s.GetRaw(static_cast<int32_t>(k * n - 1), c), c);
        // The new last position gets the next kept old sample, or the old last sample when
        // the recording ends before it, so the channel does not end on a stale word.
        const int64_t next = std::min(int64_t{m + 1} * n - 1, int64_t{r.DataCnt});
        s.SetRaw(m, s.GetRaw(static_cast<int32_t>(next), c), c);
        s.Gaps[size_t(c)] = ThinnedGaps(s, c, m, r.CorrSmpDelay / n, [&](int64_t j) {
            return static_cast<int32_t>(j == m ? next : (j + 1) * n - 1);
        });
        r.SampRate *= n;
        r.DataCnt = m;
        r.CorrSmpDelay /= n;
        return true;
    });
}

bool Expand(AppState& state, UiPort& ui, int c, int32_t n) {
    if (n < 2) return false;
    ui.Message("EXPANDING");
    ChannelStore& s = state.store;
    ChannelRecord& r = s.Rec(c);
    if (r.SampRate < n) {
        ui.Message("Command rejected. Sampl. int. too small.");
        return false;
    }
    const int64_t newCnt = int64_t{r.DataCnt} * n;
    if (newCnt >= s.MaxSamples) {
        ui.Message(kNoCapacity);
        return false;
    }
    BusyGuard busy(ui);
    return state.history.RunEdit(state, ui, "Expand", WholeScope(c, newCnt), [&] {
        const int32_t oldCnt = r.DataCnt;
        r.SampRate = Round<int32_t>(static_cast<double>(r.SampRate) / n);
        r.DataCnt = static_cast<int32_t>(newCnt);
        r.CorrSmpDelay *= n;
        Spread(s, c, oldCnt, n);
        StretchGaps(s, c, n);
        // Linear fill between the spread samples; nothing is written after the new end.
        for (int64_t k = 0; k < oldCnt; ++k) {
            const double a = s.GetRaw(static_cast<int32_t>(k * n), c);
            const double b = s.GetRaw(static_cast<int32_t>((k + 1) * n), c);
            for (int64_t j = 1; j < n; ++j)
                s.SetRaw(static_cast<int32_t>(k * n + j),
                         static_cast<uint16_t>(a + RoundHalfEven((b - a) * j / n)), c);
        }
        return true;
    });
}

bool DoublePoints(AppState& state, UiPort& ui, int c) {
    BusyGuard busy(ui);
    ui.Message("EXPANDING");
    ChannelStore& s = state.store;
    ChannelRecord& r = s.Rec(c);
    const int64_t newCnt = int64_t{r.DataCnt} * 2;
    if (newCnt >= s.MaxSamples) {
        ui.Message(kNoCapacity);
        return false;
    }
    return state.history.RunEdit(state, ui, "Double points", WholeScope(c, newCnt), [&] {
        const int32_t oldCnt = r.DataCnt;
        r.SampRate /= 2;
        r.DataCnt = static_cast<int32_t>(newCnt);
        r.CorrSmpDelay *= 2;
        Spread(s, c, oldCnt, 2);
        StretchGaps(s, c, 2);
        const auto old = [&](int64_t k) {
            return int64_t{s.GetRaw(static_cast<int32_t>(2 * k), c)};
        };
        for (int64_t k = 1; k <= int64_t{oldCnt} - 2; ++k) {
            const int64_t p0 = old(k - 1), p1 = old(k), p2 = old(k + 1), p3 = old(k + 2);
            const int64_t mid = p1 + static_cast<int64_t>(RoundHalfEven((p2 - p1) * 0.5));
            const int64_t corr = ((p0 - 2 * p1 + p2) + (p1 - 2 * p2 + p3)) / 12;
            s.SetRaw(static_cast<int32_t>(2 * k + 1), ClipRaw(static_cast<double>(mid - corr)), c);
        }
        return true;
    });
}

bool ReduceCommand(AppState& state, UiPort& ui) {
    std::string text = "1";
    if (!ui.InputQuery("Thin out data", "Thin-out-factor (each n-th point remain):", text))
        return false;
    if (!Reduce(state, ui, state.ActiveChannel, StrToInt(text))) return false;
    LogEdit(state, "reduce " + LogText(text), false);
    return true;
}

bool ExpandCommand(AppState& state, UiPort& ui) {
    std::string text;
    if (!ui.InputQuery("Expand data", "Expand-factor (insert n-1 points):", text)) return false;
    const int32_t n = StrToInt(text);
    if (n < 2) return false;
    const int32_t rate = state.store.Rec(state.ActiveChannel).SampRate;
    bool asked = false;  // the user let the time scale be rounded
    if (rate % n != 0) {
        const double exact = static_cast<double>(rate) / n;
        ThreeButtonQuestion q;
        q.lines = {"Warning: This expand factor leads to corruption of time. ",
                   "When expanding the data channel by a factor of " + text +
                       " the resulting sampl. interval should be changd to " +
                       FormatShortest(exact),
                   "Since the sampl. interval must be an integer this value will be rounded to " +
                       std::to_string(Round<int64_t>(exact)),
                   "This means that the time scale will be not correct after performing the data "
                   "expansion by this expand factor.",
                   "Do you want to continue although?"};
        q.okCaption = "Yes";
        q.cancelCaption = "No";
        if (ui.AskThree(q) != 1) return false;
        asked = true;
    }
    if (!Expand(state, ui, state.ActiveChannel, n)) return false;
    std::vector<std::string> lines;
    if (asked) lines.emplace_back("answer yes");
    lines.push_back("expand " + LogText(text));
    LogEdit(state, lines, false);
    return true;
}

bool DoublePointsCommand(AppState& state, UiPort& ui) {
    ThreeButtonQuestion q;
    q.lines = {"This operation doubles the amount of data points.",
               "There will inserted an additonal ",
               "point between two points by nonlinear interpolation", "Continue?"};
    q.okCaption = "Yes";
    q.cancelCaption = "No";
    if (ui.AskThree(q) != 1) return false;
    if (!DoublePoints(state, ui, state.ActiveChannel)) return false;
    LogEdit(state, std::vector<std::string>{"answer yes", "double-points"}, false);
    return true;
}

}  // namespace corv
