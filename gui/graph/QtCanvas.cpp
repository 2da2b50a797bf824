#include "graph/QtCanvas.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Checked.h"
#include "core/PixelRaster.h"
#include "core/QtText.h"

namespace corv {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbMask = 0x00FFFFFFu;

}  // namespace

QtCanvas::QtCanvas(QImage& image)
    : m_image(image), m_pen(ToQRgb(0)), m_brush(ToQRgb(0xFFFFFF)), m_fontColour(ToQRgb(0)) {
    m_font = QApplication::font();
    SetFontHeight(kDefaultFontHeight);
}

QRgb QtCanvas::ToQRgb(Colour c) {
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

Colour QtCanvas::FromQRgb(QRgb q) {
    return static_cast<Colour>(qRed(q)) | static_cast<Colour>(qGreen(q)) << 8 |
           static_cast<Colour>(qBlue(q)) << 16;
}

Colour QtCanvas::Pixel(int x, int y) const {
    CheckIndex(x, m_image.width());
    CheckIndex(y, m_image.height());
    return FromQRgb(m_image.pixel(x, y));
}

void QtCanvas::SetPenStyle(PenStyle s) {
    m_style = s;
    m_patternPos = 0;
}

void QtCanvas::SetScale(double scale) {
    m_scale = scale > 0 ? scale : 1;
    SetFontHeight(m_fontHeight);
}

void QtCanvas::SetFontHeight(int pixels) {
    m_fontHeight = pixels;
    // The height asked for is that of the digits and capitals, which the labels show;
    // the font's em is larger by the family's proportion.
    QFont probe = m_font;
    probe.setPixelSize(100);
    const double cap = QFontMetricsF(probe).capHeight() / 100;
    const double em = pixels * m_scale / (cap > 0.3 && cap < 1.0 ? cap : 0.72);
    m_font.setPixelSize(std::max(static_cast<int>(std::lround(em)), 1));
}

void QtCanvas::PutCopy(int64_t x, int64_t y, QRgb c) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return;
    m_bits[y * m_stride + x] = c;
}

void QtCanvas::Put(int64_t x, int64_t y, QRgb c) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return;
    QRgb& p = m_bits[y * m_stride + x];
    p = m_mode == PenMode::Copy ? c : (~(p ^ c) & kRgbMask) | kOpaque;
}

void QtCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
    m_patternPos = 0;
}

void QtCanvas::LineTo(int x, int y) {
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / 4;
    Line(m_x, m_y, x, y);
    m_x = x;
    m_y = y;
}

void QtCanvas::Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    m_patternPos +=
        raster::Line(x0, y0, x1, y1, Width(), Height(), [&](int64_t x, int64_t y, int64_t k) {
            if (raster::PatternOn(m_style, m_patternPos, k)) Put(x, y, m_pen);
        });
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / 4;
    raster::Ellipse(x1, y1, x2, y2, Width(), Height(),
                    [&](int64_t x, int64_t y, bool edge) { Put(x, y, edge ? m_pen : m_brush); });
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / 4;
    raster::Rectangle(x1, y1, x2, y2, Width(), Height(),
                      [&](int64_t x, int64_t y, bool edge) { Put(x, y, edge ? m_pen : m_brush); });
}

void QtCanvas::FillRect(int x1, int y1, int x2, int y2) {
    const int xa = std::max(std::min(x1, x2), 0), xb = std::min(std::max(x1, x2), Width());
    const int ya = std::max(std::min(y1, y2), 0), yb = std::min(std::max(y1, y2), Height());
    if (xa >= xb || ya >= yb) return;
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / 4;
    for (int64_t y = ya; y < yb; ++y)
        std::fill(m_bits + y * m_stride + xa, m_bits + y * m_stride + xb, m_brush);
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const QString s = ToQ(text);
    const QFontMetrics fm(m_font);
    const QRect box(x, y, fm.horizontalAdvance(s), fm.height());
    QPainter p(&m_image);
    p.fillRect(box, QColor(m_brush));
    p.setFont(m_font);
    p.setPen(QColor(m_fontColour));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
}

int QtCanvas::TextHeight(const std::string&) {
    return QFontMetrics(m_font).height();
}

int QtCanvas::TextWidth(const std::string& text) {
    return QFontMetrics(m_font).horizontalAdvance(ToQ(text));
}

}  // namespace corv
