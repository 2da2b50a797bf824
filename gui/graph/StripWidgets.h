#pragma once
// The image controls of the graph window: the overview strip, the two time scales and the
// strip and y-scale of every channel that has one ("image0".."image2",
// "imageSc0".."imageSc2"). They are the surfaces the redraw jobs draw on.

#include <QString>
#include <array>
#include <functional>

#include "core/ChannelRecord.h"
#include "graph/GraphSurfaces.h"
#include "graph/StripLayout.h"

class QWidget;

namespace corv {

struct AppState;
class TChanImage;

class StripWidgets : public GraphSurfaces {
  public:
    // Creates the overview strip and the two time scales in `client`, each cleared, with
    // `ratio` device pixels per window pixel.
    StripWidgets(QWidget* client, const GraphLayout& layout, double ratio);

    // Creates, clears and shows the strip and y-scale images of every present channel with
    // a height weight at the layout's rectangles.
    void CreateStrips(const AppState& state, const GraphLayout& layout);
    // Moves every image to its rectangle in a new layout, with a new cleared picture.
    void Place(const GraphLayout& layout, double ratio);
    double PixelRatio() const { return m_ratio; }
    // Frees the strip and y-scale images.
    void FreeStrips();

    TChanImage* TotalImage() const { return m_overview; }
    TChanImage* TotalimgTimeScale() const { return m_overviewScale; }
    TChanImage* imgTime() const { return m_mainScale; }
    TChanImage* StripImage(int c) const;
    TChanImage* ScaleImage(int c) const;
    // Shows what was drawn on every image.
    void UpdateAll();

    // GraphSurfaces.
    Canvas& Overview() override;
    Canvas& OverviewTimeScale() override;
    Canvas& MainTimeScale() override;
    Canvas* Strip(int c) override;
    Canvas* YScale(int c) override;
    void ShowReadouts(const CursorReadouts& texts) override;

    // Where ShowReadouts sends the texts.
    std::function<void(const CursorReadouts&)> OnReadouts;

  private:
    QWidget* m_client;
    double m_ratio;
    TChanImage* m_overview;
    TChanImage* m_overviewScale;
    TChanImage* m_mainScale;
    std::array<TChanImage*, kChannelCount> m_strips{};
    std::array<TChanImage*, kChannelCount> m_scales{};
};

}  // namespace corv
