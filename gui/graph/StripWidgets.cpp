#include "graph/StripWidgets.h"

#include <QWidget>

#include "AppState.h"
#include "core/Checked.h"
#include "graph/ChanImage.h"
#include "graph/StripDrawing.h"

namespace corv {

namespace {

QRect ToQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

TChanImage* MakeImage(QWidget* client, const QString& name, const PixelRect& r, double ratio) {
    auto* image = new TChanImage(client, name, ToQRect(r), ratio);
    ClearImage(image->canvas());
    image->show();
    return image;
}

void PlaceImage(TChanImage* image, const PixelRect& r, double ratio) {
    if (image == nullptr) return;
    image->Place(ToQRect(r), ratio);
    ClearImage(image->canvas());
}

}  // namespace

StripWidgets::StripWidgets(QWidget* client, const GraphLayout& layout, double ratio)
    : m_client(client),
      m_ratio(ratio),
      m_overview(MakeImage(client, QStringLiteral("TotalImage"), layout.overview, ratio)),
      m_overviewScale(
          MakeImage(client, QStringLiteral("TotalimgTimeScale"), layout.overviewTimeScale, ratio)),
      m_mainScale(MakeImage(client, QStringLiteral("imgTime"), layout.mainTimeScale, ratio)) {}

void StripWidgets::CreateStrips(const AppState& state, const GraphLayout& layout) {
    for (int c = 0; c < kChannelCount; ++c) {
        const size_t k = static_cast<size_t>(c);
        if (!HasStrip(state, c) || layout.strips[k].Height() <= 0) continue;
        m_strips[k] =
            MakeImage(m_client, QStringLiteral("image%1").arg(c), layout.strips[k], m_ratio);
        m_scales[k] =
            MakeImage(m_client, QStringLiteral("imageSc%1").arg(c), layout.scales[k], m_ratio);
    }
}

void StripWidgets::Place(const GraphLayout& layout, double ratio) {
    m_ratio = ratio;
    PlaceImage(m_overview, layout.overview, ratio);
    PlaceImage(m_overviewScale, layout.overviewTimeScale, ratio);
    PlaceImage(m_mainScale, layout.mainTimeScale, ratio);
    for (size_t k = 0; k < kChannelCount; ++k) {
        PlaceImage(m_strips[k], layout.strips[k], ratio);
        PlaceImage(m_scales[k], layout.scales[k], ratio);
    }
}

void StripWidgets::FreeStrips() {
    for (auto* images : {&m_strips, &m_scales})
        for (TChanImage*& image : *images) {
            delete image;
            image = nullptr;
        }
}

TChanImage* StripWidgets::StripImage(int c) const {
    CheckIndex(c, kChannelCount);
    return m_strips[static_cast<size_t>(c)];
}

TChanImage* StripWidgets::ScaleImage(int c) const {
    CheckIndex(c, kChannelCount);
    return m_scales[static_cast<size_t>(c)];
}

void StripWidgets::UpdateAll() {
    for (TChanImage* image : {m_overview, m_overviewScale, m_mainScale}) image->update();
    for (auto* images : {&m_strips, &m_scales})
        for (TChanImage* image : *images)
            if (image) image->update();
}

Canvas& StripWidgets::Overview() {
    return m_overview->canvas();
}

Canvas& StripWidgets::OverviewTimeScale() {
    return m_overviewScale->canvas();
}

Canvas& StripWidgets::MainTimeScale() {
    return m_mainScale->canvas();
}

Canvas* StripWidgets::Strip(int c) {
    TChanImage* image = StripImage(c);
    return image ? &image->canvas() : nullptr;
}

Canvas* StripWidgets::YScale(int c) {
    TChanImage* image = ScaleImage(c);
    return image ? &image->canvas() : nullptr;
}

void StripWidgets::ShowReadouts(const CursorReadouts& texts) {
    if (OnReadouts) OnReadouts(texts);
}

}  // namespace corv
