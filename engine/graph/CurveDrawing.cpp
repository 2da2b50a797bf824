#include "graph/CurveDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "AppState.h"
#include "graph/CurveMapping.h"
#include "graph/DisplayRange.h"
#include "graph/GridLines.h"

namespace corv {

namespace {

// Thinning applies only to windows longer than this (ms).
constexpr double kThinWindow = 6000;

// A sample index from a time quotient, held inside the 32-bit range so that one more
// still fits; indexes that far out read as outside the channel anyway.
int32_t IndexOf(double q) {
    constexpr double kLow = std::numeric_limits<int32_t>::min() + 1.0;
    constexpr double kHigh = std::numeric_limits<int32_t>::max() - 1.0;
    if (!(q > kLow)) return static_cast<int32_t>(kLow);
    if (q >= kHigh) return static_cast<int32_t>(kHigh);
    return static_cast<int32_t>(q);
}

// Feeds the samples first..last of channel c, as (time pixel, value offset), to a sink.
template <class Sink>
void ForEachPoint(const CurveMapping& m, const ChannelStore& store, int c, int32_t first,
                  int32_t last, double dt, Sink& sink) {
    for (int64_t i = first; i <= last; ++i) {
        int32_t err = 0;
        const double v = store.GetValue(static_cast<int32_t>(i), c, err);
        if (err != 0) {
            if (err == -2) break;
            continue;
        }
        sink.Add(m.TimeCoord(static_cast<double>(i) * dt), m.Offset(v));
    }
    sink.Finish();
}

// Draws every point on its own, optionally skipping repeats of the last drawn pixel.
class EachPointSink {
  public:
    EachPointSink(Canvas& c, const CurveMapping& m, bool thin) : m_c(c), m_m(m), m_thin(thin) {}

    void Add(int32_t tc, double p) {
        if (m_thin && m_any && tc <= m_prevTc && p == m_prevP) return;
        m_any = true;
        m_prevTc = tc;
        m_prevP = p;
        const int32_t vc = m_m.ValueCoord(p);
        switch (m_m.Figure()) {
            case CurveFigure::Line:
                m_m.LineTo(m_c, tc, vc);
                break;
            case CurveFigure::Bars:
                m_m.MoveTo(m_c, tc, m_m.ZeroCoord());
                m_m.LineTo(m_c, tc, vc);
                break;
            case CurveFigure::Dots:
                m_m.Dot(m_c, tc, vc);
                break;
            case CurveFigure::None:
                break;
        }
    }
    void Finish() {}

  private:
    Canvas& m_c;
    const CurveMapping& m_m;
    bool m_thin;
    bool m_any = false;
    int32_t m_prevTc = 0;
    double m_prevP = 0;
};

// Solid line, one pixel column at a time. The points of a column join by vertical steps;
// with the end point of each step excluded they cover every row strictly between the
// lowest and highest point, and an extreme row only when it is left again. So the column
// is redrawn as first point -> extremes -> last point, ordered so that an extreme is left
// again exactly when it was left before. The joins between columns stay the same lines.
class LineColumnSink {
  public:
    LineColumnSink(Canvas& c, const CurveMapping& m) : m_c(c), m_m(m) {}

    void Add(int32_t tc, double p) {
        const int32_t y = m_m.ValueCoord(p);
        if (m_open && tc == m_tc) {
            // Without branches on y: noisy data would mispredict them at every sample.
            const bool moved = y != m_last;
            const bool lower = y<m_low, higher = y> m_high;
            m_lowLeft = (m_lowLeft | (moved & (m_last == m_low))) & !lower;
            m_highLeft = (m_highLeft | (moved & (m_last == m_high))) & !higher;
            m_low = lower ? y : m_low;
            m_high = higher ? y : m_high;
            m_last = y;
            return;
        }
        Finish();
        m_m.LineTo(m_c, tc, y);
        m_open = true;
        m_tc = tc;
        m_first = m_last = m_low = m_high = y;
        m_lowLeft = m_highLeft = false;
    }

    void Finish() {
        if (!m_open) return;
        m_open = false;
        if (m_low == m_high) return;
        m_pen = m_first;
        if (m_last == m_high) {
            if (m_highLeft) Step(m_high);
            Step(m_low);
            Step(m_high);
        } else if (m_last == m_low) {
            if (m_lowLeft) Step(m_low);
            Step(m_high);
            Step(m_low);
        } else {
            Step(m_low);
            Step(m_high);
            Step(m_last);
        }
    }

  private:
    void Step(int32_t y) {
        if (y == m_pen) return;
        m_m.LineTo(m_c, m_tc, y);
        m_pen = y;
    }

    Canvas& m_c;
    const CurveMapping& m_m;
    bool m_open = false;
    int32_t m_tc = 0, m_first = 0, m_last = 0, m_low = 0, m_high = 0, m_pen = 0;
    bool m_lowLeft = false, m_highLeft = false;
};

// Bars, one pixel column at a time: every bar starts on the zero line, so the bars of a
// column together cover one run from the lowest to the highest end, ends excluded.
class BarColumnSink {
  public:
    BarColumnSink(Canvas& c, const CurveMapping& m) : m_c(c), m_m(m), m_zero(m.ZeroCoord()) {}

    void Add(int32_t tc, double p) {
        const int32_t y = m_m.ValueCoord(p);
        if (m_open && tc == m_tc) {
            ++m_count;
            m_low = std::min(m_low, y);
            m_high = std::max(m_high, y);
            return;
        }
        Finish();
        m_open = true;
        m_tc = tc;
        m_count = 1;
        m_low = m_high = y;
    }

    void Finish() {
        if (!m_open) return;
        m_open = false;
        if (m_count == 1) {
            Bar(m_zero, m_low);
        } else if (m_low < m_zero && m_high > m_zero) {
            Bar(m_low + 1, m_high);
        } else if (m_high > m_zero) {
            Bar(m_zero, m_high);
        } else if (m_low < m_zero) {
            Bar(m_zero, m_low);
        }
    }

  private:
    void Bar(int32_t from, int32_t to) {
        m_m.MoveTo(m_c, m_tc, from);
        m_m.LineTo(m_c, m_tc, to);
    }

    Canvas& m_c;
    const CurveMapping& m_m;
    int32_t m_zero;
    bool m_open = false;
    int32_t m_tc = 0, m_low = 0, m_high = 0;
    int64_t m_count = 0;
};

// Dots: a dot drawn again at the same pixel in copy mode changes nothing, so each pixel
// of a column gets one dot.
class DotColumnSink {
  public:
    DotColumnSink(Canvas& c, const CurveMapping& m)
        : m_c(c), m_m(m), m_seen(static_cast<size_t>(m.ValueExtent()) + 2 * kMargin + 1, 0) {}

    void Add(int32_t tc, double p) {
        const int32_t y = m_m.ValueCoord(p);
        if (!m_open || tc != m_tc) {
            m_open = true;
            m_tc = tc;
            ++m_column;
        }
        const int64_t k = int64_t{y} + kMargin;
        if (k >= 0 && k < static_cast<int64_t>(m_seen.size())) {
            uint32_t& seen = m_seen[static_cast<size_t>(k)];
            if (seen == m_column) return;
            seen = m_column;
        }
        m_m.Dot(m_c, tc, y);
    }
    void Finish() {}

  private:
    static constexpr int kMargin = 3;

    Canvas& m_c;
    const CurveMapping& m_m;
    std::vector<uint32_t> m_seen;  // column number that last drew a dot at each row
    bool m_open = false;
    int32_t m_tc = 0;
    uint32_t m_column = 0;
};

void DrawPoints(Canvas& canvas, const CurveMapping& m, const ChannelStore& store, int c,
                int32_t first, int32_t last, double dt, bool byColumn, bool thin) {
    if (!byColumn) {
        EachPointSink sink(canvas, m, thin);
        ForEachPoint(m, store, c, first, last, dt, sink);
        return;
    }
    // Skipping repeated pixels changes no pixel, so the column drawing ignores thin.
    switch (m.Figure()) {
        case CurveFigure::Line: {
            LineColumnSink sink(canvas, m);
            ForEachPoint(m, store, c, first, last, dt, sink);
            break;
        }
        case CurveFigure::Bars: {
            BarColumnSink sink(canvas, m);
            ForEachPoint(m, store, c, first, last, dt, sink);
            break;
        }
        case CurveFigure::Dots: {
            DotColumnSink sink(canvas, m);
            ForEachPoint(m, store, c, first, last, dt, sink);
            break;
        }
        case CurveFigure::None:
            break;
    }
}

void SetCurvePen(Canvas& canvas, Colour colour) {
    canvas.SetPenColour(colour);
    canvas.SetPenMode(PenMode::Copy);
    // A dash pattern would make the pixels depend on how the lines are split.
    canvas.SetPenStyle(PenStyle::Solid);
}

void DrawCurveImpl(Canvas& canvas, const ChannelStore& store, int c, Colour colour, int width,
                   int height, double left, double right, double lo, double hi, bool byColumn) {
    const ChannelRecord& r = store.Rec(c);
    const CurveMapping m(r.GrRepr, width, height, left, right, lo, hi);
    if (!m.Valid() || r.SampRate <= 0) return;
    const double dt = r.SampRate;
    int32_t err = 0;
    const double v0 = store.GetValue(IndexOf(RoundHalfEven(left / dt)), c, err);
    if (err == -2) return;
    m.MoveTo(canvas, 0, m.StartCoord(v0));
    SetCurvePen(canvas, colour);
    const int32_t first = IndexOf(std::trunc(left / dt));
    const int32_t last = IndexOf(std::trunc(right / dt)) + 1;
    DrawPoints(canvas, m, store, c, first, last, dt, byColumn, right - left > kThinWindow);
}

}  // namespace

void DrawCurve(Canvas& canvas, const ChannelStore& store, int c, Colour colour, int width,
               int height, double left, double right, double lo, double hi) {
    DrawCurveImpl(canvas, store, c, colour, width, height, left, right, lo, hi, true);
}

void DrawCurveReference(Canvas& canvas, const ChannelStore& store, int c, Colour colour, int width,
                        int height, double left, double right, double lo, double hi) {
    DrawCurveImpl(canvas, store, c, colour, width, height, left, right, lo, hi, false);
}

void DrawCurveStretch(Canvas& strip, const AppState& state, int c, Colour colour, double tA,
                      double tB, bool withLines) {
    const ChannelStore& store = state.store;
    const ChannelRecord& r = store.Rec(c);
    if (!store.ChannelPresent[static_cast<size_t>(c)] || r.WndSze == 0) return;
    const ViewState& view = state.view;
    if (tB < view.LeftBorder || tA > view.RightBorder || tB < tA) return;
    if (colour == state.settings.ColourTable[kColForeground].value) colour += 1;
    const ValueRange range = DisplayRange(store, c);
    const CurveMapping m(r.GrRepr, strip.Width(), strip.Height(), view.LeftBorder, view.RightBorder,
                         range.lo, range.hi);
    if (!m.Valid() || r.SampRate <= 0) return;
    const double dt = r.SampRate;
    const int32_t first = IndexOf(std::trunc(tA / dt));
    const int32_t last = IndexOf(std::trunc(tB / dt)) + 1;
    int32_t err = 0;
    const double v0 = store.GetValue(first, c, err);
    if (err == -2) return;
    m.MoveTo(strip, m.TimeCoord(tA), m.ValueCoord(m.Offset(v0)));
    SetCurvePen(strip, colour);
    DrawPoints(strip, m, store, c, first, last, dt, true, false);
    if (withLines && state.settings.SubsidLines[static_cast<size_t>(c)][0].shown == 1.0)
        DrawSubsidiaryLines(strip, state, c);
}

}  // namespace corv
