#include "core/RecordingCanvas.h"

namespace corv {

namespace {
std::string Pt(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}
}  // namespace

std::vector<std::string> RecordingCanvas::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : m_calls)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}

void RecordingCanvas::SetPenColour(Colour c) {
    m_pen = c;
    Add("pen colour " + std::to_string(c));
}

void RecordingCanvas::SetPenStyle(PenStyle s) {
    m_style = s;
    Add(std::string("pen style ") + (s == PenStyle::Solid  ? "solid"
                                     : s == PenStyle::Dash ? "dash"
                                                           : "dot"));
}

void RecordingCanvas::SetPenMode(PenMode m) {
    m_mode = m;
    Add(std::string("pen mode ") + (m == PenMode::Copy ? "copy" : "notxor"));
}

void RecordingCanvas::SetBrushColour(Colour c) {
    m_brush = c;
    Add("brush colour " + std::to_string(c));
}

void RecordingCanvas::SetFontColour(Colour c) {
    m_font = c;
    Add("font colour " + std::to_string(c));
}

void RecordingCanvas::SetFontHeight(int pixels) {
    m_fontHeight = pixels;
    Add("font height " + std::to_string(pixels));
}

void RecordingCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void RecordingCanvas::LineTo(int x, int y) {
    Add("line " + Pt(m_x, m_y) + "-" + Pt(x, y));
    m_x = x;
    m_y = y;
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Add("ellipse " + Pt(x1, y1) + "-" + Pt(x2, y2));
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Add("rectangle " + Pt(x1, y1) + "-" + Pt(x2, y2));
}

void RecordingCanvas::FillRect(int x1, int y1, int x2, int y2) {
    Add("fill " + Pt(x1, y1) + "-" + Pt(x2, y2));
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    Add("text " + Pt(x, y) + " " + text);
}

int RecordingCanvas::TextHeight(const std::string&) {
    return m_fontHeight + 5;
}

int RecordingCanvas::TextWidth(const std::string& text) {
    return 6 * static_cast<int>(text.size());
}

}  // namespace corv
