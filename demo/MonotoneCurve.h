#pragma once
// A smooth curve through knots that never overshoots them (monotone cubic Hermite
// interpolation): flat where neighbouring knots are equal, so a surface stays at 0 and a
// descent does not dip below its bottom knot. Plain arithmetic only, so every platform
// computes the same numbers.

#include <cstddef>
#include <vector>

namespace corv::demo {

class MonotoneCurve {
  public:
    // Appends a knot; times must increase. A knot at an equal time replaces the last one.
    void Add(double t, double y);

    // The curve at time t; before the first knot and after the last it is held constant.
    [[nodiscard]] double At(double t) const;

    [[nodiscard]] bool Empty() const { return m_t.empty(); }

  private:
    void Tangents() const;

    std::vector<double> m_t, m_y;
    mutable std::vector<double> m_slope;  // filled on first use
    mutable std::size_t m_segment = 0;    // last segment used: queries mostly run forward
};

}  // namespace corv::demo
