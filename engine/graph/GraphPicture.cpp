#include "graph/GraphPicture.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "AppState.h"
#include "core/SvgCanvas.h"
#include "graph/GraphSurfaces.h"
#include "graph/RedrawPlan.h"
#include "graph/StripLayout.h"

namespace corv {

namespace {

std::unique_ptr<SvgCanvas> RegionOf(const PixelRect& r) {
    return r.Height() > 0 && r.Width() > 0 ? std::make_unique<SvgCanvas>(r.Width(), r.Height())
                                           : nullptr;
}

// The window's surfaces as SVG regions of the layout's sizes.
class PictureSurfaces : public GraphSurfaces {
  public:
    PictureSurfaces(const AppState& state, const GraphLayout& g)
        : m_overview(g.overview.Width(), g.overview.Height()),
          m_overviewScale(g.overviewTimeScale.Width(), g.overviewTimeScale.Height()),
          m_mainScale(g.mainTimeScale.Width(), g.mainTimeScale.Height()) {
        for (size_t c = 0; c < kChannelCount; ++c) {
            if (!HasStrip(state, static_cast<int>(c))) continue;
            m_strips[c] = RegionOf(g.strips[c]);
            m_scales[c] = RegionOf(g.scales[c]);
        }
    }

    Canvas& Overview() override { return m_overview; }
    Canvas& OverviewTimeScale() override { return m_overviewScale; }
    Canvas& MainTimeScale() override { return m_mainScale; }
    Canvas* Strip(int c) override { return m_strips[static_cast<size_t>(c)].get(); }
    Canvas* YScale(int c) override { return m_scales[static_cast<size_t>(c)].get(); }
    void ShowReadouts(const CursorReadouts&) override {}

    // The regions of the picture, `top` being its first row.
    std::vector<SvgPart> Parts(const GraphLayout& g, int top) {
        std::vector<SvgPart> parts;
        for (size_t c = 0; c < kChannelCount; ++c) {
            if (m_strips[c])
                parts.push_back({g.strips[c].left, g.strips[c].top - top, m_strips[c]->Body()});
            if (m_scales[c])
                parts.push_back({g.scales[c].left, g.scales[c].top - top, m_scales[c]->Body()});
        }
        parts.push_back({g.mainTimeScale.left, g.mainTimeScale.top - top, m_mainScale.Body()});
        return parts;
    }

  private:
    SvgCanvas m_overview, m_overviewScale, m_mainScale;
    std::array<std::unique_ptr<SvgCanvas>, kChannelCount> m_strips;
    std::array<std::unique_ptr<SvgCanvas>, kChannelCount> m_scales;
};

}  // namespace

int PictureTop(const GraphLayout& layout) {
    int top = layout.mainTimeScale.top;
    for (size_t c = 0; c < kChannelCount; ++c)
        if (layout.strips[c].Height() > 0) top = std::min(top, layout.strips[c].top);
    return std::max(top - 2, 0);
}

std::string GraphPictureSvg(AppState& state, UiPort& ui, const GraphLayout& layout) {
    PictureSurfaces surfaces(state, layout);
    // The drawing may not leave jobs behind for the window.
    const uint32_t pending = state.RedrawFlags;
    InitialDraw(state, ui, surfaces);
    state.RedrawFlags = pending;
    // The picture runs from the first strip to the main time scale.
    const int top = PictureTop(layout);
    return SvgDocument(layout.screenWidth, layout.mainTimeScale.bottom + 2 - top,
                       surfaces.Parts(layout, top));
}

}  // namespace corv
