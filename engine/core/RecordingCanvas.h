#pragma once
// A canvas without pixels: records every pen change and figure as a line of text, so
// drawing rules can be checked in tests. Text is taken as 6 pixels wide per character.

#include <string>
#include <vector>

#include "core/SizedCanvas.h"

namespace corv {

class RecordingCanvas : public SizedCanvas {
  public:
    RecordingCanvas(int width, int height) : SizedCanvas(width, height) {}

    // Each call as text, for example "pen colour 255", "line 0,0-10,5", "text 3,4 JAN".
    const std::vector<std::string>& Calls() const { return m_calls; }
    // Only the calls that begin with prefix.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
    void Clear() { m_calls.clear(); }

    Colour PenColour() const { return m_pen; }
    PenMode Mode() const { return m_mode; }
    PenStyle Style() const { return m_style; }
    Colour FontColour() const { return m_font; }
    int FontHeight() const { return m_fontHeight; }

    void SetPenColour(Colour c) override;
    void SetPenStyle(PenStyle s) override;
    void SetPenMode(PenMode m) override;
    void SetBrushColour(Colour c) override;
    void SetFontColour(Colour c) override;
    void SetFontHeight(int pixels) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextHeight(const std::string& text) override;
    int TextWidth(const std::string& text) override;

  private:
    void Add(std::string s) { m_calls.push_back(std::move(s)); }

    int m_x = 0, m_y = 0;
    Colour m_pen = 0, m_brush = 0xFFFFFF, m_font = 0;
    PenMode m_mode = PenMode::Copy;
    PenStyle m_style = PenStyle::Solid;
    int m_fontHeight = 8;
    std::vector<std::string> m_calls;
};

}  // namespace corv
