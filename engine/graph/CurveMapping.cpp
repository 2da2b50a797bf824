#include "graph/CurveMapping.h"

#include <cmath>
#include <limits>

namespace corv {

CurveMapping::CurveMapping(int code, int width, int height, double left, double right, double lo,
                           double hi) {
    switch (code) {
        case 0:
        case 3:
        case 6:
        case 7:
            m_figure = CurveFigure::Line;
            break;
        case 1:
        case 4:
        case 8:
        case 9:
            m_figure = CurveFigure::Bars;
            break;
        case 2:
        case 5:
            m_figure = CurveFigure::Dots;
            break;
        default:
            return;
    }
    m_downward = code >= 6;
    m_inverted = (code >= 3 && code <= 5) || code == 7;
    if (code == 7) {
        m_valueLow = std::numeric_limits<int32_t>::min();
        m_valueHigh = std::numeric_limits<int32_t>::max();
    }
    const int w = m_downward ? height : width;
    m_h = m_downward ? width : height;
    m_left = left;
    m_lo = lo;
    if (!(right > left) || hi == lo || !std::isfinite(right - left) || !std::isfinite(hi - lo))
        return;
    m_xscale = w / (right - left);
    m_yscale = m_h / (hi - lo);
    m_yoff = RoundHalfEven(lo * m_yscale);
    m_valid = true;
}

int32_t CurveMapping::StartCoord(double v) const {
    const double q = RoundHalfEven((v - m_lo) * m_yscale);
    return Clamp(m_inverted ? q : m_h - q, m_valueLow, m_valueHigh);
}

}  // namespace corv
