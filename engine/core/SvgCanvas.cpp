#include "core/SvgCanvas.h"

#include <algorithm>
#include <cstdio>

namespace corv {

namespace {

std::string Rgb(Colour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", static_cast<unsigned>(c & 0xFF),
                  static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>((c >> 16) & 0xFF));
    return buf;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                // Control characters are not allowed in XML text.
                if (static_cast<unsigned char>(ch) >= 0x20) out += ch;
        }
    }
    return out;
}

std::string Point(char command, int x, int y) {
    return std::string(1, command) + std::to_string(x) + ' ' + std::to_string(y);
}

// The average advance of a digit relative to the text height, for the text widths the
// scales use to place their labels.
constexpr double kAdvance = 0.62;
// The text height asked for is that of digits and capitals; the em is larger.
constexpr double kEmPerCap = 1.0 / 0.72;

}  // namespace

SvgCanvas::SvgCanvas(int width, int height) : SizedCanvas(width, height) {}

void SvgCanvas::SetPenColour(Colour c) {
    FlushPath();
    m_pen = c;
}

void SvgCanvas::SetPenStyle(PenStyle s) {
    FlushPath();
    m_style = s;
}

std::string SvgCanvas::Stroke() const {
    std::string s = "stroke=\"" + Rgb(m_pen) + "\" stroke-width=\"1\"";
    if (m_style == PenStyle::Dash) s += " stroke-dasharray=\"6 2\"";
    if (m_style == PenStyle::Dot) s += " stroke-dasharray=\"1 1\"";
    return s;
}

void SvgCanvas::FlushPath() {
    m_atPathEnd = false;
    if (m_path.empty()) return;
    const std::string element = "<path fill=\"none\" " + Stroke() + " d=\"" + m_path + "\"/>";
    m_path.clear();
    m_elements.push_back(element);
}

void SvgCanvas::MoveTo(int x, int y) {
    m_atPathEnd = m_atPathEnd && x == m_x && y == m_y;
    m_x = x;
    m_y = y;
}

void SvgCanvas::LineTo(int x, int y) {
    // Pixel centres: a line from (x0, y0) runs through the middle of its pixels.
    // A run of lines is one path; a move starts a new piece of it.
    if (m_path.empty() || !m_atPathEnd)
        m_path += (m_path.empty() ? "" : " ") + Point('M', m_x, m_y);
    m_path += ' ' + Point('L', x, y);
    m_x = x;
    m_y = y;
    m_atPathEnd = true;
}

void SvgCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    FlushPath();
    char buf[160];
    std::snprintf(buf, sizeof buf, "<ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\" fill=\"%s\" ",
                  (x1 + x2) / 2.0, (y1 + y2) / 2.0, (x2 - x1) / 2.0, (y2 - y1) / 2.0,
                  Rgb(m_brush).c_str());
    m_elements.push_back(std::string(buf) + Stroke() + "/>");
}

void SvgCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    FlushPath();
    const std::string e = "<rect x=\"" + std::to_string(x1) + "\" y=\"" + std::to_string(y1) +
                          "\" width=\"" + std::to_string(std::max(x2 - x1 - 1, 0)) +
                          "\" height=\"" + std::to_string(std::max(y2 - y1 - 1, 0)) + "\" fill=\"" +
                          Rgb(m_brush) + "\" " + Stroke() + "/>";
    m_elements.push_back(e);
}

void SvgCanvas::FillRect(int x1, int y1, int x2, int y2) {
    FlushPath();
    const std::string e = "<rect x=\"" + std::to_string(x1) + "\" y=\"" + std::to_string(y1) +
                          "\" width=\"" + std::to_string(std::max(x2 - x1, 0)) + "\" height=\"" +
                          std::to_string(std::max(y2 - y1, 0)) + "\" fill=\"" + Rgb(m_brush) +
                          "\"/>";
    m_elements.push_back(e);
}

void SvgCanvas::TextOut(int x, int y, const std::string& text) {
    FlushPath();
    const int em = static_cast<int>(m_fontHeight * kEmPerCap + 0.5);
    const std::string e = "<text x=\"" + std::to_string(x) + "\" y=\"" +
                          std::to_string(y + m_fontHeight + 1) +
                          "\" font-family=\"sans-serif\" "
                          "font-size=\"" +
                          std::to_string(em) + "\" fill=\"" + Rgb(m_font) +
                          "\" xml:space=\"preserve\">" + Escaped(text) + "</text>";
    m_elements.push_back(e);
}

int SvgCanvas::TextHeight(const std::string&) {
    return static_cast<int>(m_fontHeight * kEmPerCap * 1.2 + 0.5);
}

int SvgCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(static_cast<double>(text.size()) * m_fontHeight * kEmPerCap * kAdvance +
                            0.5);
}

std::string SvgCanvas::Body() {
    FlushPath();
    std::string body;
    for (const std::string& e : m_elements) body += e + "\n";
    return body;
}

std::string SvgDocument(int width, int height, const std::vector<SvgPart>& parts) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    std::string doc =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h +
        "\">\n"
        "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const SvgPart& part : parts)
        doc += "<g transform=\"translate(" + std::to_string(part.left) + ' ' +
               std::to_string(part.top) + ")\">\n" + part.body + "</g>\n";
    return doc + "</svg>\n";
}

}  // namespace corv
