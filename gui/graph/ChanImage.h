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
    // A move, with the buttons held (the image sees moves without a button too).
    using MoveHandler = std::function<void(TChanImage*, Qt::MouseButtons, int x, int y)>;
    // The wheel: notches turned (positive away from the user) at (x, y).
    using WheelHandler =
        std::function<void(TChanImage*, int x, int y, double notches, Qt::KeyboardModifiers)>;

    // A white picture of the given size at `geometry` in `parent`, with `ratio` device
    // pixels per window pixel, so that curves and text are drawn at the screen's own
    // resolution.
    TChanImage(QWidget* parent, const QString& name, const QRect& geometry, double ratio = 1);

    // Moves the image to `geometry` with a new white picture of that size.
    void Place(const QRect& geometry, double ratio);
    double PixelRatio() const { return m_ratio; }

    Canvas& canvas() { return m_canvas; }
    QtCanvas& qtCanvas() { return m_canvas; }
    const QImage& image() const { return m_image; }

    PressHandler OnMouseDown;
    PressHandler OnMouseUp;
    ClickHandler OnDblClick;
    MoveHandler OnMouseMove;
    WheelHandler OnWheel;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

  private:
    QImage m_image;
    QtCanvas m_canvas;
    double m_ratio = 1;
};

}  // namespace corv
