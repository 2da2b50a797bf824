#pragma once
// TChanImage, the image control of the graph window: a widget that owns a picture of its
// own size, shows it, and hands its mouse presses, releases and double clicks to the
// handlers the window assigns. Drawing goes through Canvas(); update() shows the result.

#include <QImage>
#include <QWidget>
#include <functional>

#include "graph/MouseHandling.h"
#include "graph/QtCanvas.h"

namespace corv {

class TChanImage : public QWidget {
    Q_OBJECT
  public:
    using PressHandler = std::function<void(TChanImage*, MouseButton, int x, int y)>;
    using ClickHandler = std::function<void(TChanImage*)>;

    // A white picture of the given size at `geometry` in `parent`.
    TChanImage(QWidget* parent, const QString& name, const QRect& geometry);

    Canvas& canvas() { return m_canvas; }
    QtCanvas& qtCanvas() { return m_canvas; }
    const QImage& image() const { return m_image; }

    PressHandler OnMouseDown;
    PressHandler OnMouseUp;
    ClickHandler OnDblClick;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    QImage m_image;
    QtCanvas m_canvas;
};

}  // namespace corv
