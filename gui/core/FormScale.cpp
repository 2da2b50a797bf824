#include "core/FormScale.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace corv {

namespace {

// The design font: the alphabet is about 300 pixels wide and a line 13 pixels high.
constexpr double kDesignAlphabetWidth = 300.0;
constexpr double kDesignLineHeight = 13.0;

}  // namespace

FormScale::FormScale(const QFont& font) {
    const QFontMetricsF fm(font);
    const double alphabet = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_sx = std::max(1.0, alphabet / kDesignAlphabetWidth);
    m_sy = std::max(1.0, fm.height() / kDesignLineHeight);
}

FormScale FormScale::ForApplication() {
    return FormScale(QApplication::font());
}

int FormScale::X(int x) const {
    return static_cast<int>(std::lround(x * m_sx));
}
int FormScale::Y(int y) const {
    return static_cast<int>(std::lround(y * m_sy));
}

void FormScale::Place(QWidget* w, int left, int top, int width, int height) const {
    const int h = height > 0 ? Y(height) : w->sizeHint().height();
    w->setGeometry(X(left), Y(top), X(width), h);
}

}  // namespace corv
