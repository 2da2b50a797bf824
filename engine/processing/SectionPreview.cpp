#include "processing/SectionPreview.h"

#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "graph/CurveMapping.h"
#include "graph/DisplayRange.h"
#include "graph/GraphSurfaces.h"
#include "processing/SectionBuffers.h"

namespace corv {

namespace {

// Keeps the runs a CurveMapping would draw (it swaps the axes of the downward styles).
class RunCollector : public Canvas {
  public:
    RunCollector(int width, int height) : m_width(width), m_height(height) {}
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetPenColour(Colour) override {}
    void SetPenStyle(PenStyle) override {}
    void SetPenMode(PenMode) override {}
    void SetBrushColour(Colour) override {}
    void SetFontColour(Colour) override {}
    void SetFontHeight(int) override {}
    void MoveTo(int x, int y) override {
        m_x = x;
        m_y = y;
    }
    void LineTo(int x, int y) override { runs.push_back({m_x, m_y, x, y}); }
    void Ellipse(int, int, int, int) override {}
    void Rectangle(int, int, int, int) override {}
    void FillRect(int, int, int, int) override {}
    void TextOut(int, int, const std::string&) override {}
    int TextHeight(const std::string&) override { return 0; }
    int TextWidth(const std::string&) override { return 0; }

    std::vector<PreviewRun> runs;

  private:
    int m_width, m_height;
    int m_x = 0, m_y = 0;
};

}  // namespace

std::vector<PreviewRun> SectionPreviewRuns(const Canvas& strip, const AppState& state, int b, int c,
                                           double at) {
    const SectionBuffer& buffer = state.sectionBuffers.at(static_cast<size_t>(b));
    const ChannelStore& store = state.store;
    const ChannelRecord& src = store.Rec(buffer.channel);
    RunCollector out(strip.Width(), strip.Height());
    if (src.SampRate <= 0) return {};
    const ViewState& view = state.view;
    const ValueRange range = DisplayRange(store, c);
    const CurveMapping m(store.Rec(c).GrRepr, strip.Width(), strip.Height(), view.LeftBorder,
                         view.RightBorder, range.lo, range.hi);
    if (!m.Valid()) return {};
    const double dt = src.SampRate;
    const double first = std::max(0.0, std::trunc(buffer.startTime / dt));
    const double last = std::min<double>(std::trunc(buffer.endTime / dt), src.DataCnt);
    bool open = false;
    int32_t column = 0, low = 0, high = 0, lastRow = 0;
    const auto flush = [&] {
        if (!open) return;
        m.MoveTo(out, column, low);
        m.LineTo(out, column, high + 1);
    };
    int32_t err = 0;
    for (double i = first; i <= last; ++i) {
        const double t = at + (i - first) * dt;
        if (t < view.LeftBorder) continue;
        if (t > view.RightBorder) break;
        const double v = store.GetValue(static_cast<int32_t>(i), buffer.channel, err);
        if (err == -2) break;
        const int32_t x = m.TimeCoord(t);
        const int32_t row = m.RowOf(v);
        if (open && x == column) {
            low = std::min(low, row);
            high = std::max(high, row);
        } else {
            flush();
            low = open ? std::min(row, lastRow) : row;
            high = open ? std::max(row, lastRow) : row;
            column = x;
            open = true;
        }
        lastRow = row;
    }
    flush();
    return out.runs;
}

void DrawPreviewRuns(Canvas& strip, const std::vector<PreviewRun>& runs, Colour colour) {
    strip.SetPenMode(PenMode::NotXor);
    strip.SetPenStyle(PenStyle::Solid);
    strip.SetPenColour(colour);
    for (const PreviewRun& r : runs) {
        strip.MoveTo(r.x1, r.y1);
        strip.LineTo(r.x2, r.y2);
    }
    strip.SetPenMode(PenMode::Copy);
}

void SectionPreview::Show(const AppState& state, GraphSurfaces& surfaces) {
    if (m_drawn) return;
    const int b = ShownSectionBuffer(state);
    Canvas* strip = b >= 0 ? surfaces.Strip(state.ActiveChannel) : nullptr;
    if (strip == nullptr) return;
    m_channel = state.ActiveChannel;
    m_colour = state.settings.ColourTable[kColMarkedSection].value;
    m_runs = SectionPreviewRuns(*strip, state, b, m_channel, state.view.LeftCursor);
    DrawPreviewRuns(*strip, m_runs, m_colour);
    m_drawn = true;
}

void SectionPreview::Hide(const AppState&, GraphSurfaces& surfaces) {
    if (!m_drawn) return;
    m_drawn = false;
    if (Canvas* strip = surfaces.Strip(m_channel)) DrawPreviewRuns(*strip, m_runs, m_colour);
}

}  // namespace corv
