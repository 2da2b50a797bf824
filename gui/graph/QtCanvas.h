#pragma once
// The Canvas on a QImage (32-bit RGB), the drawing surface of the graph window's images.
// Lines, rectangles, ellipses and fills are set pixel by pixel with the rules of the
// engine's RasterCanvas (Bresenham lines without their end point, the dash and dot
// patterns of a 1-pixel pen, NotXor as pixel = not (pixel xor pen)), so a figure drawn
// twice in NotXor mode leaves every pixel as it was. Text goes through QPainter on a
// background of the brush colour, in a font whose digits are as many pixels high as asked.

#include <QFont>
#include <QImage>
#include <cstdint>

#include "core/Canvas.h"

namespace corv {

class QtCanvas : public Canvas {
  public:
    // Draws on `image`, which must outlive the canvas and be of Format_RGB32.
    explicit QtCanvas(QImage& image);

    // The pixel at (x, y) as 0x00BBGGRR; (x, y) must lie on the image.
    Colour Pixel(int x, int y) const;
    static QRgb ToQRgb(Colour c);
    static Colour FromQRgb(QRgb q);

    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    void SetPenColour(Colour c) override { m_pen = ToQRgb(c); }
    void SetPenStyle(PenStyle s) override;
    void SetPenMode(PenMode m) override { m_mode = m; }
    void SetBrushColour(Colour c) override { m_brush = ToQRgb(c); }
    void SetFontColour(Colour c) override { m_fontColour = ToQRgb(c); }
    void SetFontHeight(int pixels) override;
    // Device pixels per window pixel: the text is that much larger, so that a picture drawn
    // at the screen's resolution shows it at the size asked for.
    void SetScale(double scale);
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextHeight(const std::string& text) override;
    int TextWidth(const std::string& text) override;

    // The digit height of the images' font before any height is asked for.
    static constexpr int kDefaultFontHeight = 8;

  private:
    // Sets one pixel in the current mode; pixels off the image are ignored.
    void Put(int64_t x, int64_t y, QRgb c);
    void PutCopy(int64_t x, int64_t y, QRgb c);
    // Whether step k of the current line is drawn by the pen pattern.
    void Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1);

    QImage& m_image;
    QRgb* m_bits = nullptr;  // refreshed before every figure: the image may have detached
    int64_t m_stride = 0;    // pixels per row
    int m_x = 0, m_y = 0;
    QRgb m_pen, m_brush, m_fontColour;
    PenStyle m_style = PenStyle::Solid;
    PenMode m_mode = PenMode::Copy;
    QFont m_font;
    double m_scale = 1;
    int m_fontHeight = kDefaultFontHeight;  // as asked, in window pixels
    int64_t m_patternPos = 0;               // pattern steps since the last MoveTo
};

}  // namespace corv
