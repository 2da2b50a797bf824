#include "processing/ChannelOps.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "AppState.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/EditScope.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"
#include "processing/TimingCheck.h"

namespace corv {

namespace {

bool IsBiChannel(int kind) {
    return kind == kOpSubtract || kind == kOpAdd || kind == kOpAbsSum;
}

// Channel a's samples from index 0: the common axis up to the recording's end, at most
// DataCnt.
int32_t LastIndex(const AppState& state, int a) {
    const ChannelRecord& r = state.store.Rec(a);
    if (r.SampRate <= 0) return r.DataCnt;
    const double span = std::trunc(state.store.TotalSpan / r.SampRate);
    return span < r.DataCnt ? static_cast<int32_t>(span) : r.DataCnt;
}

double Wrapped(double d) {
    if (d > 180) return d - 360;
    if (d < -180) return d + 360;
    return d;
}

// y(i) of every sample, read through the scaling the channels have before the step. The
// first sample has no predecessor: its difference is its value, unwrapped.
std::vector<double> ComputeCurve(const AppState& state, int kind, int a, int b, int32_t last) {
    const ChannelStore& store = state.store;
    std::vector<double> y(static_cast<size_t>(last) + 1);
    int32_t err = 0;
    double previous = 0;
    double sum = 0;
    for (int32_t i = 0; i <= last; ++i) {
        const double va = store.GetValue(i, a, err);
        double v = 0;
        switch (kind) {
            case kOpSubtract:
                v = va - store.GetValue(i, b, err);
                break;
            case kOpAdd:
                v = va + store.GetValue(i, b, err);
                break;
            case kOpAbsSum:
                v = std::fabs(va + store.GetValue(i, b, err));
                break;
            case kOpIntegrate:
                sum += va;
                v = sum;
                break;
            case kOpDifferentiate:
                v = i == 0 ? va : va - previous;
                break;
            case kOpDiffCompass:
                v = i == 0 ? va : Wrapped(va - previous);
                break;
            default:
                throw RangeError("Unknown channel operation " + std::to_string(kind));
        }
        previous = va;
        y[static_cast<size_t>(i)] = v;
    }
    return y;
}

uint16_t RawOf(double q) {
    if (!(q > 0)) return 0;  // NaN too
    if (q >= 65535) return 65535;
    return static_cast<uint16_t>(RoundHalfEven(q));
}

// Stores y over raw 0..65535 into channel r with matching scaling. A constant curve is
// stored as raw 0 with CoeffA 0 and CoeffB the constant, so it reads back exactly.
// Values that are not finite take no part in the range and are stored as raw 0.
bool StoreCurve(AppState& state, const std::vector<double>& y, int r) {
    double lo = 1e33;
    double hi = -1e33;
    for (double v : y)
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    if (lo > hi) return false;
    const double scale = (hi - lo) / 65535;
    for (size_t i = 0; i < y.size(); ++i) {
        const double q = scale > 0 && std::isfinite(y[i]) ? (y[i] - lo) / scale : 0;
        state.store.SetRaw(static_cast<int32_t>(i), RawOf(q), r);
    }
    ChannelRecord& rec = state.store.Rec(r);
    rec.CoeffA = scale;
    rec.CoeffB = lo;
    rec.CoeffC = 0;
    rec.yOffset = 0;
    return true;
}

// A sum or difference is not measured where either operand was missing: the result's gaps
// over indexes 0..last are those of a and b together.
void CombineGaps(ChannelStore& store, int a, int b, int r, int32_t last) {
    if (store.Gaps[size_t(a)].Empty() && store.Gaps[size_t(b)].Empty() &&
        store.Gaps[size_t(r)].Empty())
        return;
    const int32_t delay = store.Rec(r).CorrSmpDelay;
    ChannelGaps both;
    for (int32_t i = std::max(delay, 0); i <= last; ++i)
        if (store.InGap(i, a) || store.InGap(i, b)) both.Add(i - delay);
    ChannelGaps& gaps = store.Gaps[size_t(r)];
    gaps.Erase(0, last - delay);
    for (const GapRange& g : both.Ranges()) gaps.Mark(g.first, g.last);
}

bool Run(AppState& state, UiPort& ui, int kind, int a, int b, int r) {
    const int32_t last = LastIndex(state, a);
    if (last < 0) return false;
    return state.history.RunEdit(
        state, ui, ChannelOpName(kind), EditScope().Words(r, 0, last).Record(r), [&] {
            const std::vector<double> y = ComputeCurve(state, kind, a, b, last);
            if (!StoreCurve(state, y, r)) return false;
            if (IsBiChannel(kind)) CombineGaps(state.store, a, b, r, last);
            return true;
        });
}

bool Present(const AppState& state, int c) {
    return c >= 0 && c < kChannelCount && state.store.ChannelPresent[static_cast<size_t>(c)];
}

}  // namespace

std::string ChannelOpName(int kind) {
    switch (kind) {
        case kOpSubtract:
            return "Bi-channel subtract";
        case kOpAdd:
            return "Bi-channel add";
        case kOpAbsSum:
            return "Bi-channel abs";
        case kOpIntegrate:
            return "Integrate";
        case kOpDifferentiate:
            return "Differentiate";
        case kOpDiffCompass:
            return "Diff. compass";
        default:
            return "Channel operation";
    }
}

bool BiChannel(AppState& state, UiPort& ui, int kind, int a, int b, int r) {
    if (!IsBiChannel(kind)) throw RangeError("Not a bi-channel operation");
    if (!Present(state, a) || !Present(state, b) || !Present(state, r)) {
        ui.Message("Error. One of the channels does not exist");
        return false;
    }
    ChannelStore& store = state.store;
    if (store.Rec(a).bApplyPolynom == 1 && store.Rec(b).bApplyPolynom == 1) {
        // Both flags are brought up to date, as the test reads them.
        const bool polyA = store.UpdatePolynomFlag(a);
        const bool polyB = store.UpdatePolynomFlag(b);
        if (polyA || polyB) {
            ui.ShowHelpFile(std::filesystem::path(state.folders.HelpFolder) / "ErrPoly.rtf");
            return false;
        }
    }
    if (!SameTiming(state, ui, a, b, true)) return false;
    return Run(state, ui, kind, a, b, r);
}

bool BiChannelFromTexts(AppState& state, UiPort& ui, int kind, const std::string& a,
                        const std::string& b, const std::string& r) {
    const int32_t na = StrToInt(a);
    const int32_t nb = StrToInt(b);
    const int32_t nr = StrToInt(r);
    for (int32_t n : {na, nb, nr})
        if (n < 1 || n > kChannelCount) {
            ui.Message("Invalid channel number");
            return false;
        }
    if (!BiChannel(state, ui, kind, na - 1, nb - 1, nr - 1)) return false;
    const char* const word = kind == kOpAdd ? "add" : kind == kOpSubtract ? "subtract" : "abs";
    LogEdit(
        state,
        std::string("bichannel ") + word + " " + LogText(a) + " " + LogText(b) + " " + LogText(r),
        false);
    return true;
}

bool ChannelOp(AppState& state, UiPort& ui, int kind, int a, int r) {
    if (kind != kOpIntegrate && kind != kOpDifferentiate && kind != kOpDiffCompass)
        throw RangeError("Not a channel operation");
    if (!Present(state, a) || !Present(state, r)) {
        ui.Message("Error. One of the channels does not exist");
        return false;
    }
    if (!Run(state, ui, kind, a, a, r)) return false;
    // The menu commands work in place; the script's verbs do the same on the active channel.
    if (a == r)
        LogEdit(state,
                kind == kOpIntegrate       ? "integrate"
                : kind == kOpDifferentiate ? "differentiate"
                                           : "diff-compass",
                false, a);
    return true;
}

}  // namespace corv
