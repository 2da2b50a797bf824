#pragma once
// Form positions are designed in the pixels of a small 8-point dialog font. The program runs
// with the platform's font, which is usually larger; FormScale stretches the design
// positions so that every caption and edit keeps its room.

#include <QFont>
#include <QRect>

class QWidget;

namespace corv {

class FormScale {
  public:
    explicit FormScale(const QFont& font);
    // The scale of the application's font.
    static FormScale ForApplication();

    int X(int x) const;
    int Y(int y) const;
    QPoint Point(int x, int y) const { return {X(x), Y(y)}; }

    // Places a control at design position (left, top) with design width and height; a
    // height of 0 keeps the control's natural height.
    void Place(QWidget* w, int left, int top, int width, int height = 0) const;

    double Sx() const { return m_sx; }
    double Sy() const { return m_sy; }

  private:
    double m_sx = 1;
    double m_sy = 1;
};

}  // namespace corv
