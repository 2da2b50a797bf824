#include "graph/QtCanvas.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Checked.h"
#include "core/QtText.h"

namespace corv {

namespace {

// The patterns of a 1-pixel pen: dashes of 18 pixels with gaps of 6, dots of 3 with gaps of 3.
constexpr int64_t kDashOn = 18, kDashPeriod = 24;
constexpr int64_t kDotOn = 3, kDotPeriod = 6;
constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbMask = 0x00FFFFFFu;

// The steps k in [0, n) of a line whose major coordinate start + sign * k lies in
// [0, size), as [low, high).
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

void QtCanvas::SetFontHeight(int pixels) {
    // The height asked for is that of the digits and capitals, which the labels show;
    // the font's em is larger by the family's proportion.
    QFont probe = m_font;
    probe.setPixelSize(100);
    const double cap = QFontMetricsF(probe).capHeight() / 100;
    const double em = pixels / (cap > 0.3 && cap < 1.0 ? cap : 0.72);
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

bool QtCanvas::PatternOn(int64_t k) const {
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

// Step k of a line of n = max(|dx|, |dy|) steps moves k along the major axis and
// floor((2 k minor + major) / (2 major)) along the minor one. Only the steps on the image
// are walked, so a line reaching far off it costs no more than its visible part.
void QtCanvas::Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
    if (!xMajor) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    const int64_t da = std::llabs(x1 - x0), db = std::llabs(y1 - y0);
    const int sa = x1 >= x0 ? 1 : -1, sb = y1 >= y0 ? 1 : -1;
    const int64_t n = da;
    if (n == 0) return;
    int64_t kLow = 0, kHigh = 0;
    ClipSteps(x0, sa, xMajor ? m_image.width() : m_image.height(), n, kLow, kHigh);
    if (kLow < kHigh) {
        // The minor offset q and its remainder r at kLow; the product of two spans of int
        // coordinates can pass 64 bits.
        const int64_t den = 2 * da;
        const __int128 num = static_cast<__int128>(2) * kLow * db + da;
        int64_t q = static_cast<int64_t>(num / den);
        int64_t r = static_cast<int64_t>(num % den);
        for (int64_t k = kLow; k < kHigh; ++k) {
            if (PatternOn(k)) {
                const int64_t a = x0 + sa * k, b = y0 + sb * q;
                xMajor ? Put(a, b, m_pen) : Put(b, a, m_pen);
            }
            r += 2 * db;
            if (r >= den) {
                r -= den;
                ++q;
            }
        }
    }
    m_patternPos += n;
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const double cx = (static_cast<double>(x1) + x2) / 2, cy = (static_cast<double>(y1) + y2) / 2;
    const double rx = (static_cast<double>(x2) - x1) / 2, ry = (static_cast<double>(y2) - y1) / 2;
    if (rx <= 0 || ry <= 0) return;
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / 4;
    const auto inside = [&](int64_t x, int64_t y) {
        if (x < x1 || x >= x2 || y < y1 || y >= y2) return false;
        const double u = (static_cast<double>(x) + 0.5 - cx) / rx;
        const double v = (static_cast<double>(y) + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    const int64_t xa = std::max<int64_t>(x1, 0), xb = std::min<int64_t>(x2, m_image.width());
    const int64_t ya = std::max<int64_t>(y1, 0), yb = std::min<int64_t>(y2, m_image.height());
    for (int64_t y = ya; y < yb; ++y)
        for (int64_t x = xa; x < xb; ++x) {
            if (!inside(x, y)) continue;
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            Put(x, y, edge ? m_pen : m_brush);
        }
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / 4;
    const int64_t xa = std::max<int64_t>(x1, 0), xb = std::min<int64_t>(x2, m_image.width());
    const int64_t ya = std::max<int64_t>(y1, 0), yb = std::min<int64_t>(y2, m_image.height());
    for (int64_t y = ya; y < yb; ++y)
        for (int64_t x = xa; x < xb; ++x) {
            const bool edge = x == x1 || x == int64_t{x2} - 1 || y == y1 || y == int64_t{y2} - 1;
            Put(x, y, edge ? m_pen : m_brush);
        }
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
