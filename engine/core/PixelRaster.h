#pragma once
// The pixel rules shared by the program's raster canvases (the engine's RasterCanvas and the
// GUI's QtCanvas): 1-pixel lines without their end point, the dash and dot patterns, and
// ellipses and rectangles with a 1-pixel outline. Each routine walks only the pixels inside
// width × height and hands them to a plot function, so the canvases differ only in how they
// store a pixel.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "core/Canvas.h"

namespace corv::raster {

// Whether step k of a line is drawn, `pos` steps after the pattern began (at MoveTo).
// Dashes are 18 pixels with gaps of 6, dots 3 with gaps of 3.
inline bool PatternOn(PenStyle style, int64_t pos, int64_t k) {
    switch (style) {
        case PenStyle::Solid:
            return true;
        case PenStyle::Dash:
            return (pos + k) % 24 < 18;
        case PenStyle::Dot:
            return (pos + k) % 6 < 3;
    }
    return true;
}

// The range [low, high) of line steps k whose major coordinate start + sign * k lies in
// [0, size), cut to [0, n).
inline void ClipSteps(int64_t start, int sign, int64_t size, int64_t n, int64_t& low,
                      int64_t& high) {
    if (sign > 0) {
        low = -start;
        high = size - start;
    } else {
        low = start - size + 1;
        high = start + 1;
    }
    low = std::max<int64_t>(low, 0);
    high = std::min(high, n);
}

// Calls plot(x, y, k) for the steps k of the line from (x0, y0) towards (x1, y1), end point
// excluded, that fall inside the canvas; returns the line's step count n. Step k moves k
// along the major axis and floor((2 k minor + major) / (2 major)) along the minor one, so a
// line reaching far off the canvas costs no more than its visible part.
template <class Plot>
int64_t Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height,
             Plot&& plot) {
    const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
    if (!xMajor) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    // From here "a" is the major axis and "b" the minor one.
    const int64_t da = std::llabs(x1 - x0), db = std::llabs(y1 - y0);
    const int sa = x1 >= x0 ? 1 : -1, sb = y1 >= y0 ? 1 : -1;
    const int64_t n = da;
    if (n == 0) return 0;
    int64_t kLow = 0, kHigh = 0;
    ClipSteps(x0, sa, xMajor ? width : height, n, kLow, kHigh);
    if (kLow >= kHigh) return n;
    // q at kLow: estimated in floating point, then made exact with the remainder, which is
    // small and so exact in wrapping arithmetic.
    const uint64_t den = 2 * static_cast<uint64_t>(da);
    const double estimate = std::floor(
        (2.0 * static_cast<double>(kLow) * static_cast<double>(db) + static_cast<double>(da)) /
        static_cast<double>(den));
    int64_t q = static_cast<int64_t>(estimate);
    int64_t r = static_cast<int64_t>(2 * static_cast<uint64_t>(kLow) * static_cast<uint64_t>(db) +
                                     static_cast<uint64_t>(da) - static_cast<uint64_t>(q) * den);
    while (r < 0) {
        --q;
        r += static_cast<int64_t>(den);
    }
    while (r >= static_cast<int64_t>(den)) {
        ++q;
        r -= static_cast<int64_t>(den);
    }
    for (int64_t k = kLow; k < kHigh; ++k) {
        const int64_t a = x0 + sa * k, b = y0 + sb * q;
        xMajor ? plot(a, b, k) : plot(b, a, k);
        r += 2 * db;
        if (r >= static_cast<int64_t>(den)) {
            r -= static_cast<int64_t>(den);
            ++q;
        }
    }
    return n;
}

// Calls plot(x, y, edge) for the pixels of the ellipse inscribed in [x1, x2) × [y1, y2)
// that lie inside the canvas; edge marks the 1-pixel outline.
template <class Plot>
void Ellipse(int x1, int y1, int x2, int y2, int64_t width, int64_t height, Plot&& plot) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const double cx = (static_cast<double>(x1) + x2) / 2, cy = (static_cast<double>(y1) + y2) / 2;
    const double rx = (static_cast<double>(x2) - x1) / 2, ry = (static_cast<double>(y2) - y1) / 2;
    if (rx <= 0 || ry <= 0) return;
    const auto inside = [&](int64_t x, int64_t y) {
        if (x < x1 || x >= x2 || y < y1 || y >= y2) return false;
        const double u = (static_cast<double>(x) + 0.5 - cx) / rx;
        const double v = (static_cast<double>(y) + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    const int64_t xa = std::max<int64_t>(x1, 0), xb = std::min<int64_t>(x2, width);
    const int64_t ya = std::max<int64_t>(y1, 0), yb = std::min<int64_t>(y2, height);
    for (int64_t y = ya; y < yb; ++y)
        for (int64_t x = xa; x < xb; ++x) {
            if (!inside(x, y)) continue;
            plot(x, y,
                 !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1));
        }
}

// Calls plot(x, y, edge) for the pixels of [x1, x2) × [y1, y2) inside the canvas; edge
// marks the 1-pixel outline.
template <class Plot>
void Rectangle(int x1, int y1, int x2, int y2, int64_t width, int64_t height, Plot&& plot) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const int64_t xa = std::max<int64_t>(x1, 0), xb = std::min<int64_t>(x2, width);
    const int64_t ya = std::max<int64_t>(y1, 0), yb = std::min<int64_t>(y2, height);
    for (int64_t y = ya; y < yb; ++y)
        for (int64_t x = xa; x < xb; ++x)
            plot(x, y, x == x1 || x == int64_t{x2} - 1 || y == y1 || y == int64_t{y2} - 1);
}

}  // namespace corv::raster
