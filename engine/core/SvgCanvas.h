#pragma once
// A Canvas that writes SVG: lines become paths, so curves stay vectors at any size (for
// papers). Each canvas is one region of a picture (a strip, a scale); SvgDocument places
// the regions. Marks that the screen draws in NotXor mode are drawn once, in their pen
// colour.

#include <string>
#include <vector>

#include "core/SizedCanvas.h"

namespace corv {

class SvgCanvas : public SizedCanvas {
  public:
    // A region of width x height pixels.
    SvgCanvas(int width, int height);

    // The SVG elements drawn so far.
    [[nodiscard]] std::string Body();

    void SetPenColour(Colour c) override;
    void SetPenStyle(PenStyle s) override;
    void SetPenMode(PenMode) override {}
    void SetBrushColour(Colour c) override { m_brush = c; }
    void SetFontColour(Colour c) override { m_font = c; }
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
    // Ends the path being built, if any.
    void FlushPath();
    std::string Stroke() const;

    Colour m_pen = 0, m_brush = 0xFFFFFF, m_font = 0;
    PenStyle m_style = PenStyle::Solid;
    int m_fontHeight = 8;
    int m_x = 0, m_y = 0;
    std::string m_path;        // "M x y L x y ..." of the current pen run
    bool m_atPathEnd = false;  // the pen stands at the end of m_path
    std::vector<std::string> m_elements;
};

// A region of a picture: its top-left corner and the elements drawn on it.
struct SvgPart {
    int left = 0;
    int top = 0;
    std::string body;
};

// An SVG document of width x height pixels on white with the parts at their places.
[[nodiscard]] std::string SvgDocument(int width, int height, const std::vector<SvgPart>& parts);

}  // namespace corv
