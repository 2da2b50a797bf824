#include "core/RasterCanvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Checked.h"

namespace corv {

namespace {

constexpr int64_t kDashOn = 18, kDashPeriod = 24;
constexpr int64_t kDotOn = 3, kDotPeriod = 6;

// The range [low, high) of line steps k whose major coordinate start + sign * k lies in
// [0, size), cut to [0, n).
void ClipSteps(int64_t start, int sign, int64_t size, int64_t n, int64_t& low, int64_t& high) {
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

}  // namespace

RasterCanvas::RasterCanvas(int width, int height, Colour background)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height),
               background & kColourMask) {}

Colour RasterCanvas::Pixel(int x, int y) const {
    CheckIndex(x, m_width);
    CheckIndex(y, m_height);
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

int64_t RasterCanvas::CountDifferences(const RasterCanvas& other) const {
    if (other.m_width != m_width || other.m_height != m_height)
        return static_cast<int64_t>(m_pixels.size());
    int64_t n = 0;
    for (size_t i = 0; i < m_pixels.size(); ++i) n += m_pixels[i] != other.m_pixels[i];
    return n;
}

void RasterCanvas::SetPenStyle(PenStyle s) {
    m_style = s;
    m_patternPos = 0;
}

void RasterCanvas::PutCopy(int64_t x, int64_t y, Colour c) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_pixels[static_cast<size_t>(y * m_width + x)] = c;
}

void RasterCanvas::Put(int64_t x, int64_t y, Colour c) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    Colour& p = m_pixels[static_cast<size_t>(y * m_width + x)];
    p = m_mode == PenMode::Copy ? c : ~(p ^ c) & kColourMask;
}

bool RasterCanvas::PatternOn(int64_t k) const {
    switch (m_style) {
        case PenStyle::Solid:
            return true;
        case PenStyle::Dash:
            return (m_patternPos + k) % kDashPeriod < kDashOn;
        case PenStyle::Dot:
            return (m_patternPos + k) % kDotPeriod < kDotOn;
    }
    return true;
}

void RasterCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
    m_patternPos = 0;
}

void RasterCanvas::LineTo(int x, int y) {
    Line(m_x, m_y, x, y);
    m_x = x;
    m_y = y;
}

// Step k of a line with n = max(|dx|, |dy|) steps moves k along the major axis and
// floor((2 k minor + major) / (2 major)) along the minor one. Only the steps on the canvas
// are walked, so lines reaching far off it cost no more than their visible part.
void RasterCanvas::Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
    if (!xMajor) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    // From here "a" is the major axis and "b" the minor one.
    const int64_t da = std::llabs(x1 - x0), db = std::llabs(y1 - y0);
    const int sa = x1 >= x0 ? 1 : -1, sb = y1 >= y0 ? 1 : -1;
    const int64_t n = da;
    if (n == 0) return;
    int64_t kLow = 0, kHigh = 0;
    ClipSteps(x0, sa, xMajor ? m_width : m_height, n, kLow, kHigh);
    if (kLow < kHigh) {
        // q = floor((2 k db + da) / (2 da)) at kLow: estimated in floating point, then made
        // exact with the remainder, which is small and so exact in wrapping arithmetic.
        const uint64_t den = 2 * static_cast<uint64_t>(da);
        const double estimate = std::floor(
            (2.0 * static_cast<double>(kLow) * static_cast<double>(db) + static_cast<double>(da)) /
            static_cast<double>(den));
        int64_t q = static_cast<int64_t>(estimate);
        int64_t r =
            static_cast<int64_t>(2 * static_cast<uint64_t>(kLow) * static_cast<uint64_t>(db) +
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
            if (PatternOn(k)) {
                const int64_t a = x0 + sa * k, b = y0 + sb * q;
                xMajor ? Put(a, b, m_pen) : Put(b, a, m_pen);
            }
            r += 2 * db;
            if (r >= static_cast<int64_t>(den)) {
                r -= static_cast<int64_t>(den);
                ++q;
            }
        }
    }
    m_patternPos += n;
}

void RasterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
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
    const int64_t xa = std::max<int64_t>(x1, 0), xb = std::min<int64_t>(x2, m_width);
    const int64_t ya = std::max<int64_t>(y1, 0), yb = std::min<int64_t>(y2, m_height);
    for (int64_t y = ya; y < yb; ++y)
        for (int64_t x = xa; x < xb; ++x) {
            if (!inside(x, y)) continue;
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            Put(x, y, edge ? m_pen : m_brush);
        }
}

void RasterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const int64_t xa = std::max<int64_t>(x1, 0), xb = std::min<int64_t>(x2, m_width);
    const int64_t ya = std::max<int64_t>(y1, 0), yb = std::min<int64_t>(y2, m_height);
    for (int64_t y = ya; y < yb; ++y)
        for (int64_t x = xa; x < xb; ++x) {
            const bool edge = x == x1 || x == int64_t{x2} - 1 || y == y1 || y == int64_t{y2} - 1;
            Put(x, y, edge ? m_pen : m_brush);
        }
}

void RasterCanvas::FillRect(int x1, int y1, int x2, int y2) {
    const int64_t xa = std::max<int64_t>(std::min(x1, x2), 0);
    const int64_t xb = std::min<int64_t>(std::max(x1, x2), m_width);
    const int64_t ya = std::max<int64_t>(std::min(y1, y2), 0);
    const int64_t yb = std::min<int64_t>(std::max(y1, y2), m_height);
    for (int64_t y = ya; y < yb; ++y)
        for (int64_t x = xa; x < xb; ++x) PutCopy(x, y, m_brush);
}

void RasterCanvas::TextOut(int x, int y, const std::string& text) {
    const int64_t charWidth = 6;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        const int64_t left = int64_t{x} + static_cast<int64_t>(i) * charWidth;
        for (int64_t py = y; py < int64_t{y} + m_fontHeight; ++py)
            for (int64_t px = left; px < left + charWidth - 1; ++px) PutCopy(px, py, m_font);
    }
}

int RasterCanvas::TextHeight(const std::string&) {
    return m_fontHeight;
}

int RasterCanvas::TextWidth(const std::string& text) {
    return 6 * static_cast<int>(text.size());
}

}  // namespace corv
