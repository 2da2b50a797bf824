#include "MonotoneCurve.h"

namespace corv::demo {

void MonotoneCurve::Add(double t, double y) {
    if (!m_t.empty() && t <= m_t.back()) {
        m_y.back() = y;
        return;
    }
    m_t.push_back(t);
    m_y.push_back(y);
    m_slope.clear();
}

// Fritsch-Butland tangents: a weighted harmonic mean of the two secants, zero at local
// extrema and at the ends, which keeps every segment within its two knots.
void MonotoneCurve::Tangents() const {
    const size_t n = m_t.size();
    m_slope.assign(n, 0.0);
    for (size_t k = 1; k + 1 < n; ++k) {
        const double h0 = m_t[k] - m_t[k - 1];
        const double h1 = m_t[k + 1] - m_t[k];
        const double d0 = (m_y[k] - m_y[k - 1]) / h0;
        const double d1 = (m_y[k + 1] - m_y[k]) / h1;
        if (d0 * d1 <= 0.0) continue;
        const double w0 = 2.0 * h1 + h0;
        const double w1 = h1 + 2.0 * h0;
        m_slope[k] = (w0 + w1) / (w0 / d0 + w1 / d1);
    }
}

double MonotoneCurve::At(double t) const {
    if (m_t.empty()) return 0.0;
    if (t <= m_t.front()) return m_y.front();
    if (t >= m_t.back()) return m_y.back();
    if (m_slope.size() != m_t.size()) Tangents();
    if (m_segment + 1 >= m_t.size() || t < m_t[m_segment]) m_segment = 0;
    while (t > m_t[m_segment + 1]) ++m_segment;

    const size_t k = m_segment;
    const double h = m_t[k + 1] - m_t[k];
    const double x = (t - m_t[k]) / h;
    const double x2 = x * x;
    const double x3 = x2 * x;
    const double h00 = 2.0 * x3 - 3.0 * x2 + 1.0;
    const double h10 = x3 - 2.0 * x2 + x;
    const double h01 = -2.0 * x3 + 3.0 * x2;
    const double h11 = x3 - x2;
    return h00 * m_y[k] + h10 * h * m_slope[k] + h01 * m_y[k + 1] + h11 * h * m_slope[k + 1];
}

}  // namespace corv::demo
