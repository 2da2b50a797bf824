#pragma once
// The part the canvases without a window share: a size fixed when they are made.

#include "core/Canvas.h"

namespace corv {

class SizedCanvas : public Canvas {
  public:
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

  protected:
    SizedCanvas(int width, int height) : m_width(width), m_height(height) {}

    int m_width;
    int m_height;
};

}  // namespace corv
