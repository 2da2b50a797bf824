#pragma once
// A canvas with real pixels and no window system: width x height colours 0x00BBGGRR with a
// 1-pixel pen. Lines are Bresenham lines without their end point, dashed and dotted pens
// carry their pattern along a polyline, NotXor sets pixel = ~(pixel ^ colour). Text is a
// filled box per character. Used to compare drawings pixel by pixel.

#include <cstdint>
#include <string>
#include <vector>

#include "core/SizedCanvas.h"

namespace corv {

class RasterCanvas : public SizedCanvas {
  public:
    RasterCanvas(int width, int height, Colour background = 0xFFFFFF);

    // The pixel at (x, y), which must lie on the canvas.
    Colour Pixel(int x, int y) const;
    // All pixels, row by row.
    const std::vector<Colour>& Pixels() const { return m_pixels; }
    // Pixels that differ from another canvas of the same size.
    int64_t CountDifferences(const RasterCanvas& other) const;

    void SetPenColour(Colour c) override { m_pen = c & kColourMask; }
    void SetPenStyle(PenStyle s) override;
    void SetPenMode(PenMode m) override { m_mode = m; }
    void SetBrushColour(Colour c) override { m_brush = c & kColourMask; }
    void SetFontColour(Colour c) override { m_font = c & kColourMask; }
    void SetFontHeight(int pixels) override { m_fontHeight = pixels; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextHeight(const std::string& text) override;
    int TextWidth(const std::string& text) override;

  private:
    static constexpr Colour kColourMask = 0xFFFFFF;

    // Sets one pixel in the current mode; pixels off the canvas are ignored.
    void Put(int64_t x, int64_t y, Colour c);
    void PutCopy(int64_t x, int64_t y, Colour c);
    // Whether step k of the current line is drawn by the pen pattern.
    void Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1);

    std::vector<Colour> m_pixels;
    int m_x = 0, m_y = 0;
    Colour m_pen = 0, m_brush = 0xFFFFFF, m_font = 0;
    PenStyle m_style = PenStyle::Solid;
    PenMode m_mode = PenMode::Copy;
    int m_fontHeight = 8;
    int64_t m_patternPos = 0;  // pattern steps since the last MoveTo
};

}  // namespace corv
