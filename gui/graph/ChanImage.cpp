#include "graph/ChanImage.h"

#include <QMouseEvent>
#include <QPainter>

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

TChanImage::TChanImage(QWidget* parent, const QString& name, const QRect& geometry)
    : QWidget(parent),
      m_image(std::max(geometry.width(), 1), std::max(geometry.height(), 1), QImage::Format_RGB32),
      m_canvas(m_image) {
    setObjectName(name);
    setGeometry(geometry);
    m_image.fill(Qt::white);
    // The picture covers the whole widget; nothing under it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TChanImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_image);
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
