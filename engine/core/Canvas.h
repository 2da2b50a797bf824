#pragma once
// A drawing surface: the strip bitmaps of the graph window and the dialog charts. The GUI
// draws with QPainter on a QImage; tests record every call.

#include <cstdint>
#include <string>

namespace corv {

// Colours are 0x00BBGGRR, as in the colour table.
using Colour = uint32_t;

enum class PenStyle { Solid, Dash, Dot };
// Copy paints the pen colour; NotXor combines it so that drawing a figure twice restores
// the pixels under it.
enum class PenMode { Copy, NotXor };

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual void SetPenColour(Colour c) = 0;
    virtual void SetPenStyle(PenStyle s) = 0;
    virtual void SetPenMode(PenMode m) = 0;
    virtual void SetBrushColour(Colour c) = 0;
    virtual void SetFontColour(Colour c) = 0;
    virtual void SetFontHeight(int pixels) = 0;

    virtual void MoveTo(int x, int y) = 0;
    // Draws from the pen position to (x, y), excluding the end point, and moves there.
    virtual void LineTo(int x, int y) = 0;
    // Outline with the pen, interior with the brush; the right and bottom edges excluded.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Fills with the brush, no outline; the right and bottom edges excluded.
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
};

}  // namespace corv
