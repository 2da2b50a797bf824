#pragma once
// An image of a calculation dialog that reports the pointer's position while it moves
// over it (for the value read-outs).

#include <functional>

#include "graph/ChanImage.h"

namespace corv {

class ReadoutImage : public TChanImage {
    Q_OBJECT
  public:
    ReadoutImage(QWidget* parent, const QString& name, const QRect& geometry);

    std::function<void(int x, int y)> OnMouseMove;

  protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};

}  // namespace corv
