#include "graph/CurveDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
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

    // The rows ys[0..n) of points in column tc, whose lowest row is low and highest high.
    // An extreme row counts as left when any point after its first one lies elsewhere.
    void AddRun(int32_t tc, const int32_t* ys, int n, int32_t low, int32_t high) {
        if (n == 0) return;
        if (!m_open || tc != m_tc) {
            Finish();
            m_m.LineTo(m_c, tc, ys[0]);
            m_open = true;
            m_tc = tc;
            m_first = m_low = m_high = ys[0];
            m_lowLeft = m_highLeft = false;
        }
        if (low < m_low) {
            m_low = low;
            m_lowLeft = LeftAfterFirst(ys, n, low);
        } else if (!m_lowLeft) {
            m_lowLeft = AnyOther(ys, n, m_low);
        }
        if (high > m_high) {
            m_high = high;
            m_highLeft = LeftAfterFirst(ys, n, high);
        } else if (!m_highLeft) {
            m_highLeft = AnyOther(ys, n, m_high);
        }
        m_last = ys[n - 1];
    }

    // A whole column at once: its first and last row, its extremes and whether each
    // extreme row is left again after the extreme is first reached.
    void AddColumn(int32_t tc, int32_t first, int32_t last, int32_t low, int32_t high, bool lowLeft,
                   bool highLeft) {
        Finish();
        m_m.LineTo(m_c, tc, first);
        m_open = true;
        m_tc = tc;
        m_first = first;
        m_last = last;
        m_low = low;
        m_high = high;
        m_lowLeft = lowLeft;
        m_highLeft = highLeft;
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
    // Whether a row after the first `row` among ys[0..n) differs from it.
    static bool LeftAfterFirst(const int32_t* ys, int n, int32_t row) {
        int k = 0;
        while (ys[k] != row) ++k;
        return AnyOther(ys + k + 1, n - k - 1, row);
    }
    static bool AnyOther(const int32_t* ys, int n, int32_t row) {
        for (int k = 0; k < n; ++k)
            if (ys[k] != row) return true;
        return false;
    }

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

    void AddRun(int32_t tc, const int32_t*, int n, int32_t low, int32_t high) {
        if (n == 0) return;
        if (!m_open || tc != m_tc) {
            Finish();
            m_open = true;
            m_tc = tc;
            m_count = 0;
            m_low = low;
            m_high = high;
        }
        m_count += n;
        m_low = std::min(m_low, low);
        m_high = std::max(m_high, high);
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

    void AddRun(int32_t tc, const int32_t* ys, int n, int32_t, int32_t) {
        for (int k = 0; k < n; ++k) Add(tc, ys[k]);
    }

    void Add(int32_t tc, int32_t y) {
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

// The last index from i on (at most `last`) whose sample falls on the same pixel column as
// sample i. Columns are runs of indexes, as the column grows with the index; the run's end
// is found by doubling steps, then halving.
int64_t ColumnEnd(const CurveMapping& m, int64_t i, int64_t last, double dt) {
    const int32_t tc = m.TimeCoord(static_cast<double>(i) * dt);
    const auto same = [&](int64_t j) { return m.TimeCoord(static_cast<double>(j) * dt) == tc; };
    int64_t in = i, out = last + 1;
    for (int64_t step = 1;; step *= 2) {
        const int64_t probe = in + step;
        if (probe > last) break;
        if (!same(probe)) {
            out = probe;
            break;
        }
        in = probe;
    }
    while (out - in > 1) {
        const int64_t mid = in + (out - in) / 2;
        (same(mid) ? in : out) = mid;
    }
    return in;
}

// As ForEachPoint, for sinks that gather a column's points: the column of each run of
// samples is computed once.
template <class Sink>
void ForEachColumnPoint(const CurveMapping& m, const ChannelStore& store, int c, int32_t first,
                        int32_t last, double dt, Sink& sink) {
    for (int64_t i = first; i <= last;) {
        const int32_t tc = m.TimeCoord(static_cast<double>(i) * dt);
        const int64_t end = ColumnEnd(m, i, last, dt);
        // In chunks: first the rows with their extremes, then the sink, so that reading a
        // sample never waits on the sink's work for the one before.
        while (i <= end) {
            constexpr int64_t kChunk = 1024;
            int32_t rows[kChunk];
            const int64_t stop = std::min(end + 1, i + kChunk);
            int n = 0;
            bool outside = false;
            int32_t low = std::numeric_limits<int32_t>::max();
            int32_t high = std::numeric_limits<int32_t>::min();
            for (; i < stop; ++i) {
                int32_t err = 0;
                const double v = store.GetValue(static_cast<int32_t>(i), c, err);
                if (err != 0) {
                    if (err == -2) {
                        outside = true;
                        break;
                    }
                    continue;
                }
                const int32_t y = m.RowOf(v);
                rows[n++] = y;
                low = std::min(low, y);
                high = std::max(high, y);
            }
            sink.AddRun(tc, rows, n, low, high);
            if (outside) {
                sink.Finish();
                return;
            }
        }
    }
    sink.Finish();
}

// The rows of a channel's samples read from its raw words and their block extremes. Only
// for samples whose row is a monotone function of the raw word: no first difference, no
// polynomial, a finite slope other than zero (rising or falling, in any chart style), so
// that the rows of a block lie between those of its smallest and largest word. Samples
// before the channel's delay read as the word 0.
class WordRows {
  public:
    WordRows(const ChannelStore& store, int c, const CurveMapping& m)
        : m_r(store.Rec(c)), m_m(m), m_pyramid(store.Pyramid(c)), m_delay(m_r.CorrSmpDelay) {}

    // Whether the samples first..last can be read this way; last is cut to the end of the
    // data, where the curve ends.
    static bool Apply(const ChannelStore& store, int c, int32_t first, int32_t& last) {
        const ChannelRecord& r = store.Rec(c);
        if (r.Derivation == 1 || r.bApplyPolynom == 1 || r.CoeffA == 0 ||
            !std::isfinite(r.CoeffA) || !std::isfinite(r.CoeffB) || !std::isfinite(r.yOffset))
            return false;
        if (first < 0 || first > r.DataCnt) return false;  // the curve ends at once
        last = std::min(last, r.DataCnt);
        const int64_t pLast = int64_t{last} - r.CorrSmpDelay;
        if (pLast < 0) return true;  // all before the delay
        const int64_t pFirst = std::max<int64_t>(int64_t{first} - r.CorrSmpDelay, 0);
        const int64_t lastBlock = (pLast >> ChannelStore::kBlockShift) * kChannelCount + c;
        return lastBlock < store.BlockCount && store.Pyramid(c).Covers(pFirst, pLast);
    }

    int32_t Row(uint16_t w) const { return m_m.RowOf(ChannelStore::ScaleWord(m_r, w)); }
    int32_t RowAt(int64_t i) const {
        const int64_t p = i - m_delay;
        return Row(p < 0 ? uint16_t{0} : m_pyramid.Word(p));
    }

    // The lowest and highest row among samples first..last (first <= last).
    void Rows(int64_t first, int64_t last, int32_t& low, int32_t& high) const {
        uint16_t lo = std::numeric_limits<uint16_t>::max(), hi = 0;
        if (first < m_delay) {
            lo = hi = 0;
            first = m_delay;
        }
        if (first <= last) {
            uint16_t a = 0, b = 0;
            m_pyramid.Extremes(first - m_delay, last - m_delay, a, b);
            lo = std::min(lo, a);
            hi = std::max(hi, b);
        }
        const int32_t ra = Row(lo), rb = Row(hi);
        low = std::min(ra, rb);
        high = std::max(ra, rb);
    }

    // Whether, in samples first..last that end on the extreme row `row` of theirs and do
    // not all lie on it, some sample leaves it after it is first reached: the row is reached
    // before the last sample off it.
    bool LeftAgain(int64_t first, int64_t last, int32_t row) const {
        const auto all = [&](uint16_t lo, uint16_t hi) { return Row(lo) == row && Row(hi) == row; };
        int64_t off = first - 1;
        const int64_t pFirst = std::max(first - m_delay, int64_t{0});
        if (last - m_delay >= pFirst) {
            const int64_t p = m_pyramid.LastFailing(pFirst, last - m_delay, all);
            if (p >= pFirst) off = p + m_delay;
        }
        if (off < first && first < m_delay && Row(0) != row) off = std::min(last, m_delay - 1);
        if (off <= first) return false;
        int32_t low = 0, high = 0;
        Rows(first, off - 1, low, high);
        return low == row || high == row;
    }

  private:
    const ChannelRecord& m_r;
    const CurveMapping& m_m;
    const MinMaxPyramid& m_pyramid;
    int64_t m_delay;
};

// The line or bar columns of samples first..last from the raw words' block extremes: a
// column costs about the number of blocks and edge words it spans, not its samples.
template <class Sink>
void ForEachColumnOfWords(const CurveMapping& m, const ChannelStore& store, int c, int32_t first,
                          int32_t last, double dt, Sink& sink) {
    const WordRows rows(store, c, m);
    for (int64_t i = first; i <= last;) {
        const int32_t tc = m.TimeCoord(static_cast<double>(i) * dt);
        const int64_t end = ColumnEnd(m, i, last, dt);
        int32_t low = 0, high = 0;
        rows.Rows(i, end, low, high);
        if constexpr (std::is_same_v<Sink, LineColumnSink>) {
            const int32_t lastRow = rows.RowAt(end);
            bool lowLeft = true, highLeft = true;
            if (low != high && lastRow == high) highLeft = rows.LeftAgain(i, end, high);
            if (low != high && lastRow == low) lowLeft = rows.LeftAgain(i, end, low);
            sink.AddColumn(tc, rows.RowAt(i), lastRow, low, high, lowLeft, highLeft);
        } else {
            sink.AddRun(tc, nullptr, static_cast<int>(end - i + 1), low, high);
        }
        i = end + 1;
    }
    sink.Finish();
}

// Lines and bars read block extremes where the rows follow the raw words; dots and every
// other case read each sample.
template <class Sink>
void ForEachColumn(const CurveMapping& m, const ChannelStore& store, int c, int32_t first,
                   int32_t last, double dt, Sink& sink) {
    int32_t end = last;
    if (WordRows::Apply(store, c, first, end))
        ForEachColumnOfWords(m, store, c, first, end, dt, sink);
    else
        ForEachColumnPoint(m, store, c, first, last, dt, sink);
}

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
            ForEachColumn(m, store, c, first, last, dt, sink);
            break;
        }
        case CurveFigure::Bars: {
            BarColumnSink sink(canvas, m);
            ForEachColumn(m, store, c, first, last, dt, sink);
            break;
        }
        case CurveFigure::Dots: {
            DotColumnSink sink(canvas, m);
            ForEachColumnPoint(m, store, c, first, last, dt, sink);
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
    // A window that begins before the recording starts its curve at the first sample, so
    // the samples inside the window are drawn whatever the borders.
    const bool beforeStart = left < 0;
    const int32_t startIndex = beforeStart ? 0 : IndexOf(RoundHalfEven(left / dt));
    const double v0 = store.GetValue(startIndex, c, err);
    if (err == -2) return;
    m.MoveTo(canvas, beforeStart ? m.TimeCoord(0.0) : 0, m.StartCoord(v0));
    SetCurvePen(canvas, colour);
    const int32_t first = beforeStart ? 0 : IndexOf(std::trunc(left / dt));
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
