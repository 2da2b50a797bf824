#include "processing/PeakElimination.h"

#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/EditScope.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"
#include "processing/WorkSection.h"

namespace corv {

namespace {

struct Channel {
    ChannelStore& s;
    int c;
    double V(int64_t i) const {
        int32_t err = 0;
        return s.GetValue(static_cast<int32_t>(std::clamp<int64_t>(i, INT32_MIN + 1, INT32_MAX)), c,
                          err);
    }
    uint16_t Raw(int64_t i) const {
        return i < 0 || i > INT32_MAX ? 0 : s.GetRaw(static_cast<int32_t>(i), c);
    }
    // Sample 0 and the words after the channel's end are never written.
    void Set(int64_t i, uint16_t raw) const {
        if (i >= 1 && i <= s.Rec(c).DataCnt) s.SetRaw(static_cast<int32_t>(i), raw, c);
    }
    double Mean(int64_t from, int64_t count) const {
        double sum = 0;
        for (int64_t i = from; i < from + count; ++i) sum += V(i);
        return sum / static_cast<double>(count);
    }
    // The samples strictly between s and e become the straight line from x[s] to x[e].
    bool Line(int64_t from, int64_t to) const {
        const double a = Raw(from);
        const double q = (Raw(to) - a) / static_cast<double>(to - from);
        for (int64_t k = 1; from + k < to; ++k) Set(from + k, ClipRaw(RoundHalfEven(a + k * q)));
        return to - from > 1;
    }
};

// F4 at 0 counts as 1 ms and F5 at the end as 1 ms before it; an empty section when the
// times then leave none.
SectionIndexes InnerSection(const AppState& state, int c) {
    double tLeft = state.view.LeftCursor, tRight = state.view.RightCursor;
    if (tLeft == 0) tLeft = 1.0;
    if (tRight == state.store.TotalSpan) tRight -= 1.0;
    if (!(tLeft < tRight)) return {0, -1};
    return SectionOf(state.store, c, tLeft, tRight);
}

bool HighLow(const Channel& ch, SectionIndexes sec) {
    bool any = false;
    for (int64_t i = sec.first; i <= sec.last; ++i) {
        const uint16_t x = ch.Raw(i);
        if (x == 0 || x == 65535) {
            ch.Set(i, ch.Raw(i - 1));
            any = true;
        }
    }
    return any;
}

bool IsPeak(double v, double left, double right, double a) {
    const double dl = v - left, dr = v - right;
    return (dl > a && dr > a) || (-dl > a && -dr > a);
}

bool SingleSamplePeaks(const Channel& ch, SectionIndexes sec, double a) {
    bool any = false;
    for (int64_t i = sec.first; i <= sec.last; ++i) {
        const double before = ch.V(i - 1), after = ch.V(i + 1);
        if (!IsPeak(ch.V(i), before, after, a)) continue;
        const uint16_t raw = std::fabs(after - before) >= 0.6 * a
                                 ? ch.Raw(i - 1)
                                 : static_cast<uint16_t>(ch.Raw(i + 1) / 2 + ch.Raw(i - 1) / 2);
        ch.Set(i, raw);
        any = true;
    }
    return any;
}

bool LongPeaks(const Channel& ch, SectionIndexes sec, double a, int64_t b) {
    const int64_t h = b / 2;
    bool any = false;
    for (int64_t i = sec.first; i <= sec.last; ++i) {
        const double left = ch.Mean(i - b - h + 1, b), right = ch.Mean(i + h, b);
        if (!IsPeak(ch.V(i), left, right, a)) continue;
        // Walk in from both sides to the last undisturbed sample before the peak and the
        // first after it; the peak itself stops each walk.
        int64_t s = i - 2 * b, e = i + 2 * b;
        while (s < i && std::fabs(ch.V(s) - left) < 0.05 * a) ++s;
        while (e > i && std::fabs(ch.V(e) - right) < 0.05 * a) --e;
        --s;
        ++e;
        if (e - 1 > s) any = ch.Line(s, e) || any;
    }
    return any;
}

bool SmallValues(const Channel& ch, SectionIndexes sec, double a) {
    bool any = false;
    int64_t i = sec.first;
    while (i < sec.last) {
        ++i;
        if (ch.V(i) > a) continue;
        const int64_t l = i - 1;
        int64_t r = i + 1;
        while (r <= sec.last && ch.V(r) <= a) ++r;
        any = ch.Line(l, r) || any;
        i = r;
    }
    return any;
}

// The script line that repeats the dialog's run, with the fields of its mode as typed.
std::string PeaksVerbLine(const PeakInput& in) {
    switch (in.mode) {
        case PeakMode::HighLow:
            return "peaks high-low";
        case PeakMode::ReplSmallValues:
            return "peaks small " + LogText(in.smallVal);
        case PeakMode::UserDefined:
            break;
    }
    return "peaks user " + LogText(in.ampl) + " " + LogText(in.length);
}

}  // namespace

bool EliminatePeaks(AppState& state, UiPort& ui, const PeakInput& input) {
    const int c = state.ActiveChannel;
    double a = 0;
    int32_t b = 0;
    if (input.mode == PeakMode::UserDefined) {
        a = std::fabs(StrToFloat(input.ampl));
        b = StrToInt(input.length);
        if (b < 1) {
            ui.Message(" B [points] must be at least 1.");
            return false;
        }
    } else if (input.mode == PeakMode::ReplSmallValues) {
        a = StrToFloat(input.smallVal);
    }
    SectionIndexes sec = InnerSection(state, c);
    if (input.mode == PeakMode::HighLow) {
        sec = SectionOf(state.store, c, state.view.LeftCursor, state.view.RightCursor);
        sec.first = std::max(sec.first, 1);
    }
    if (sec.first >= sec.last) return false;
    // Long peaks are bridged from up to 2B + 1 samples outside the section.
    const int64_t reach = input.mode == PeakMode::UserDefined ? 2 * int64_t{b} + 1 : 0;
    const EditScope scope = EditScope().Words(c, sec.first - reach, sec.last + reach);
    BusyGuard busy(ui);
    const Channel ch{state.store, c};
    const bool changed = state.history.RunEdit(state, ui, "Eliminate peaks", scope, [&] {
        switch (input.mode) {
            case PeakMode::HighLow:
                return HighLow(ch, sec);
            case PeakMode::ReplSmallValues:
                return SmallValues(ch, sec, a);
            case PeakMode::UserDefined:
                return b == 1 ? SingleSamplePeaks(ch, {std::max(sec.first, 1), sec.last}, a)
                              : LongPeaks(ch, sec, a, b);
        }
        return false;
    });
    if (changed) LogEdit(state, PeaksVerbLine(input), true);
    return changed;
}

}  // namespace corv
