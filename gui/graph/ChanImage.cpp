#include "graph/ChanImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace corv {

namespace {

MouseButton ButtonOf(const QMouseEvent* e) {
    switch (e->button()) {
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

}  // namespace

TChanImage::TChanImage(QWidget* parent, const QString& name, const QRect& geometry, double ratio)
    : QWidget(parent), m_canvas(m_image) {
    setObjectName(name);
    // The picture covers the whole widget; nothing under it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Place(geometry, ratio);
}

void TChanImage::Place(const QRect& geometry, double ratio) {
    m_ratio = ratio > 0 ? ratio : 1;
    const auto device = [this](int n) {
        return std::max(static_cast<int>(std::lround(n * m_ratio)), 1);
    };
    m_image = QImage(device(geometry.width()), device(geometry.height()), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_canvas.SetScale(m_ratio);
    setGeometry(geometry);
}

void TChanImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // At a device pixel ratio above 1 each picture pixel is one pixel of the screen.
    p.drawImage(rect(), m_image);
}

void TChanImage::mousePressEvent(QMouseEvent* e) {
    if (OnMouseDown) {
        const QPoint pos = e->position().toPoint();
        OnMouseDown(this, ButtonOf(e), pos.x(), pos.y());
    }
}

void TChanImage::mouseReleaseEvent(QMouseEvent* e) {
    if (OnMouseUp) {
        const QPoint pos = e->position().toPoint();
        OnMouseUp(this, ButtonOf(e), pos.x(), pos.y());
    }
}

void TChanImage::mouseDoubleClickEvent(QMouseEvent* e) {
    if (OnDblClick)
        OnDblClick(this);
    else
        QWidget::mouseDoubleClickEvent(e);
}

}  // namespace corv

namespace corv {

void TChanImage::mouseMoveEvent(QMouseEvent* e) {
    if (!OnMouseMove) return QWidget::mouseMoveEvent(e);
    const QPoint pos = e->position().toPoint();
    OnMouseMove(this, e->buttons(), pos.x(), pos.y());
}

void TChanImage::wheelEvent(QWheelEvent* e) {
    if (!OnWheel) return QWidget::wheelEvent(e);
    // One notch is 120 eighths of a degree; touchpads send fractions.
    const QPoint delta = e->angleDelta();
    const int units = delta.y() != 0 ? delta.y() : delta.x();
    const QPoint pos = e->position().toPoint();
    OnWheel(this, pos.x(), pos.y(), units / 120.0, e->modifiers());
    e->accept();
}

}  // namespace corv
