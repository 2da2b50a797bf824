#pragma once
// How a curve sample becomes a pixel: the time runs along the canvas width (for the
// downward styles 6..9 along its height), the value across it. Time coordinates are cut
// toward zero, value offsets rounded half to even. Coordinates too large for the canvas are
// held at its integer limits, value coordinates below -2147483646 are raised to it (style 7
// keeps the full integer range), so a far zoom never overflows.

#include <cmath>
#include <cstdint>

#include "core/Canvas.h"
#include "core/Checked.h"

namespace corv {

// The figure a chart style draws per sample.
enum class CurveFigure { Line, Bars, Dots, None };

class CurveMapping {
  public:
    // width and height are the canvas's; left..right the time window; lo..hi the values.
    CurveMapping(int code, int width, int height, double left, double right, double lo, double hi);

    // False for an empty window or range and for unknown style codes: nothing is drawn.
    bool Valid() const { return m_valid; }
    CurveFigure Figure() const { return m_figure; }
    // Canvas pixels across the value axis (the canvas height, or width when downward).
    int ValueExtent() const { return m_h; }
    // Whether time runs down the canvas (styles 6..9).
    bool Downward() const { return m_downward; }

    // Pixel along the time axis of time t.
    int32_t TimeCoord(double t) const {
        return Clamp((t - m_left) * m_xscale, kTimeLow, kTimeHigh);
    }
    // The rounded value offset p of a value; equal p means equal pixels. rint rounds half
    // to even like RoundHalfEven (the rounding mode is never changed) but is much cheaper,
    // which counts at millions of samples per strip.
    double Offset(double v) const { return std::rint(v * m_yscale); }
    // Pixel across the value axis of a value offset.
    int32_t ValueCoord(double p) const {
        return Clamp(m_inverted ? p - m_yoff : m_h - p + m_yoff, m_valueLow, m_valueHigh);
    }
    // ValueCoord(Offset(v)), without a branch on v, so that long runs of samples pipeline
    // well: the same operations in the same order, rint by adding and subtracting 2^52.
    int32_t RowOf(double v) const {
        const double x = v * m_yscale;
        const double magic = std::copysign(0x1p52, x);
        const double rounded = (x + magic) - magic;
        // From 2^52 on (and for infinities and NaN) x is whole already.
        const double p = std::fabs(x) < 0x1p52 ? rounded : x;
        double c = m_inverted ? p - m_yoff : m_h - p + m_yoff;
        c = c > m_valueLow ? c : m_valueLow;  // NaN goes low
        c = c < m_valueHigh ? c : m_valueHigh;
        return static_cast<int32_t>(c);
    }
    // Pixel of the zero line, the foot of the bars.
    int32_t ZeroCoord() const {
        return Clamp(m_inverted ? -m_yoff : m_h + m_yoff, m_valueLow, m_valueHigh);
    }
    // Pixel of the curve's start point, measured from the low end of the range.
    int32_t StartCoord(double v) const;

    // Canvas operations at (time pixel, value pixel), swapped for the downward styles.
    void MoveTo(Canvas& c, int32_t tc, int32_t vc) const {
        m_downward ? c.MoveTo(vc, tc) : c.MoveTo(tc, vc);
    }
    void LineTo(Canvas& c, int32_t tc, int32_t vc) const {
        m_downward ? c.LineTo(vc, tc) : c.LineTo(tc, vc);
    }
    // The dot of styles 2 and 5: a 2 x 2 ellipse around the point.
    void Dot(Canvas& c, int32_t tc, int32_t vc) const { c.Ellipse(tc - 1, vc - 1, tc + 1, vc + 1); }

  private:
    static constexpr double kTimeLow = -2147483646.0;
    static constexpr double kTimeHigh = 2147483646.0;

    // NaN goes to the low limit; in-range values are cut toward zero.
    static int32_t Clamp(double c, double low, double high) {
        if (!(c > low)) return static_cast<int32_t>(low);
        if (c >= high) return static_cast<int32_t>(high);
        return static_cast<int32_t>(c);
    }

    bool m_valid = false;
    bool m_downward = false;
    bool m_inverted = false;
    CurveFigure m_figure = CurveFigure::None;
    int m_h = 0;
    double m_left = 0, m_lo = 0;
    double m_xscale = 0, m_yscale = 0, m_yoff = 0;
    double m_valueLow = -2147483646.0, m_valueHigh = 2147483646.0;
};

}  // namespace corv
