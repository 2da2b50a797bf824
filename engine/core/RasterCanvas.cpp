#include "core/RasterCanvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Checked.h"
#include "core/PixelRaster.h"

namespace corv {

RasterCanvas::RasterCanvas(int width, int height, Colour background)
    : SizedCanvas(std::max(width, 0), std::max(height, 0)),
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

void RasterCanvas::Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    m_patternPos +=
        raster::Line(x0, y0, x1, y1, m_width, m_height, [&](int64_t x, int64_t y, int64_t k) {
            if (raster::PatternOn(m_style, m_patternPos, k)) Put(x, y, m_pen);
        });
}

void RasterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    raster::Ellipse(x1, y1, x2, y2, m_width, m_height,
                    [&](int64_t x, int64_t y, bool edge) { Put(x, y, edge ? m_pen : m_brush); });
}

void RasterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    raster::Rectangle(x1, y1, x2, y2, m_width, m_height,
                      [&](int64_t x, int64_t y, bool edge) { Put(x, y, edge ? m_pen : m_brush); });
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
