#pragma once
// Graph window images on RasterCanvases for the redraw tests: each image records, in a
// shared log, its name whenever drawing moves on to it.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "core/RasterCanvas.h"
#include "graph/GraphSurfaces.h"
#include "graph/StripDrawing.h"
#include "graph/StripLayout.h"

namespace corv::test {

class TaggedCanvas : public RasterCanvas {
  public:
    TaggedCanvas(std::string tag, int w, int h, std::vector<std::string>& log)
        : RasterCanvas(w, h), m_tag(std::move(tag)), m_log(log) {}
    void LineTo(int x, int y) override {
        Note();
        RasterCanvas::LineTo(x, y);
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Note();
        RasterCanvas::Ellipse(x1, y1, x2, y2);
    }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        Note();
        RasterCanvas::Rectangle(x1, y1, x2, y2);
    }
    void FillRect(int x1, int y1, int x2, int y2) override {
        Note();
        RasterCanvas::FillRect(x1, y1, x2, y2);
    }
    void TextOut(int x, int y, const std::string& text) override {
        Note();
        RasterCanvas::TextOut(x, y, text);
    }

  private:
    void Note() {
        if (m_log.empty() || m_log.back() != m_tag) m_log.push_back(m_tag);
    }
    std::string m_tag;
    std::vector<std::string>& m_log;
};

class RasterSurfaces : public GraphSurfaces {
  public:
    // Images at the rectangles of a 1000 x 800 screen for the channels that have a strip.
    explicit RasterSurfaces(AppState& state) {
        GraphLayout g = ScreenLayout(1000, 800);
        (void)StripLayout(state, g, PresentChannelCount(state));
        const auto make = [this](const std::string& tag, const PixelRect& r) {
            auto image = std::make_unique<TaggedCanvas>(tag, r.Width(), r.Height(), log);
            ClearImage(*image);
            return image;
        };
        overview = make("overview", g.overview);
        overviewScale = make("overview time", g.overviewTimeScale);
        mainScale = make("time", g.mainTimeScale);
        for (int c = 0; c < kChannelCount; ++c) {
            if (!HasStrip(state, c)) continue;
            strips[c] = make("strip" + std::to_string(c), g.strips[c]);
            scales[c] = make("scale" + std::to_string(c), g.scales[c]);
        }
        log.clear();
    }

    Canvas& Overview() override { return *overview; }
    Canvas& OverviewTimeScale() override { return *overviewScale; }
    Canvas& MainTimeScale() override { return *mainScale; }
    Canvas* Strip(int c) override { return strips[c].get(); }
    Canvas* YScale(int c) override { return scales[c].get(); }
    void ShowReadouts(const CursorReadouts& texts) override {
        readouts = texts;
        log.push_back("readouts");
    }

    // Every image, for comparing whole windows.
    std::vector<const RasterCanvas*> All() const {
        std::vector<const RasterCanvas*> out{overview.get(), overviewScale.get(), mainScale.get()};
        for (int c = 0; c < kChannelCount; ++c)
            if (strips[c]) {
                out.push_back(strips[c].get());
                out.push_back(scales[c].get());
            }
        return out;
    }

    std::vector<std::string> log;
    CursorReadouts readouts;
    std::unique_ptr<TaggedCanvas> overview, overviewScale, mainScale;
    std::array<std::unique_ptr<TaggedCanvas>, kChannelCount> strips, scales;
};

}  // namespace corv::test
