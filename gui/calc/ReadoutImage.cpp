#include "calc/ReadoutImage.h"

#include <QMouseEvent>

namespace corv {

ReadoutImage::ReadoutImage(QWidget* parent, const QString& name, const QRect& geometry)
    : TChanImage(parent, name, geometry) {
    setMouseTracking(true);
}

void ReadoutImage::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove) {
        const QPoint pos = e->position().toPoint();
        OnMouseMove(pos.x(), pos.y());
    }
}

}  // namespace corv
