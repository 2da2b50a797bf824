#include "graph/StatusTexts.h"

#include <cmath>
#include <cstdio>

#include "AppState.h"
#include "core/NumberFormat.h"
#include "core/Times.h"
#include "graph/CursorReadouts.h"

namespace corv {

namespace {

bool BorderMode(int mode) {
    return (mode >= kModeLeftBorder && mode <= kModeBothBorders) || mode == kModeBordersAndCursors;
}

const char* ModeName(int mode) {
    switch (mode) {
        case kModeLeftBorder:
            return "left border (F1)";
        case kModeRightBorder:
            return "right border (F2)";
        case kModeBothBorders:
            return "both borders (F3)";
        case kModeLeftCursor:
            return "left cursor (F4)";
        case kModeBothCursors:
            return "both cursors (F6)";
        case kModeRightCursor:
            return "right cursor (F5)";
        case kModeLeftBCursor:
            return "left B. cursor (F8)";
        case kModeBothBCursors:
            return "both B. cursors (F10)";
        case kModeRightBCursor:
            return "right B. cursor (F9)";
        case kModeLeftShCursor:
            return "left Sh cursor (Shift+F8)";
        case kModeRightShCursor:
            return "right Sh cursor (Shift+F9)";
        case kModeBordersAndCursors:
            return "borders and cursors (Shift+F3)";
        case kModeBothShCursors:
            return "both Sh cursors (Shift+F10)";
        default:
            return nullptr;
    }
}

// The sample of channel c at time t: its index and value; false outside the data.
bool SampleAtTime(const AppState& state, int c, double t, double& value) {
    const ChannelRecord& r = state.store.Rec(c);
    if (r.SampRate <= 0 || !std::isfinite(t)) return false;
    const double i = std::round(t / r.SampRate);
    if (i < 0 || i > r.DataCnt) return false;
    int32_t err = 0;
    value = state.store.GetValue(static_cast<int32_t>(i), c, err);
    return err == 0;
}

std::string Number(double v) {
    return FormatShortest(std::fabs(v) < 1e-12 ? 0.0 : v);
}

}  // namespace

std::string KeyModeText(const AppState& state) {
    const char* name = ModeName(state.MouseMode);
    return std::string("Keys move: ") + (name ? name : "nothing (choose a mark with F1..F6)");
}

std::string StepText(const AppState& state) {
    const ViewState& v = state.view;
    const int mode = state.MouseMode;
    if (ModeName(mode) == nullptr) return std::string();
    return "Step: " + SpanText(BorderMode(mode) ? v.CoarseStep : v.FineStep);
}

std::string SpanText(double ms) {
    char buf[64];
    const double a = std::fabs(ms);
    const char* sign = ms < 0 ? "-" : "";
    if (a < 1000) {
        std::snprintf(buf, sizeof buf, "%s%g ms", sign, std::round(a * 1000) / 1000);
    } else if (a < 60000) {
        std::snprintf(buf, sizeof buf, "%s%g s", sign, std::round(a) / 1000);
    } else if (a < 3600000) {
        const auto s = static_cast<int64_t>(std::round(a / 1000));
        std::snprintf(buf, sizeof buf, "%s%lld min %02lld s", sign, static_cast<long long>(s / 60),
                      static_cast<long long>(s % 60));
    } else {
        const auto m = static_cast<int64_t>(std::round(a / 60000));
        std::snprintf(buf, sizeof buf, "%s%lld h %02lld min", sign, static_cast<long long>(m / 60),
                      static_cast<long long>(m % 60));
    }
    return buf;
}

std::string PointerText(const AppState& state, int c, int x, int width) {
    if (c < 0 || c >= kChannelCount || width <= 0) return std::string();
    const ViewState& v = state.view;
    const double t = v.LeftBorder + (v.RightBorder - v.LeftBorder) * x / width;
    double value = 0;
    if (!SampleAtTime(state, c, t, value)) return std::string();
    const ChannelRecord& r = state.store.Rec(c);
    const double sampleTime = std::round(t / r.SampRate) * r.SampRate;
    std::string date, time;
    ReadoutDateTime(state.store.OriginTime + sampleTime, state.settings.DateSep, r.SampRate < 1000,
                    date, time);
    return r.Caption + "  " + date + " " + time + "  " + Number(value);
}

std::vector<DeltaRow> CursorDeltas(const AppState& state) {
    std::vector<DeltaRow> rows;
    const ViewState& v = state.view;
    for (int c = 0; c < kChannelCount; ++c) {
        if (!state.store.ChannelPresent[static_cast<size_t>(c)]) continue;
        DeltaRow row;
        row.channel = c;
        row.caption = state.store.Rec(c).Caption;
        const double dt = v.RightCursor - v.LeftCursor;
        row.dt = SpanText(dt);
        // The samples the F4 and F5 read-outs show.
        const IndexRange range = TimeRangeToIndexes(state.store, c, v.LeftCursor, v.RightCursor);
        int32_t errLeft = 0, errRight = 0;
        const double left = state.store.GetValue(range.first, c, errLeft);
        const double right = state.store.GetValue(range.last, c, errRight);
        if (errLeft == 0 && errRight == 0) {
            row.dy = Number(right - left);
            row.slope = dt > 0 ? Number((right - left) / (dt / 1000)) + " /s" : std::string();
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace corv
