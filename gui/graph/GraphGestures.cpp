// The graph window's gestures from other signal viewers (wheel, middle-button pan, marks
// that follow a drag), its status bar and the panel of cursor differences.

#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "graph/DisplayRange.h"
#include "graph/GraphWindow.h"
#include "graph/MouseHandling.h"
#include "graph/StatusTexts.h"
#include "graph/StripDrawing.h"
#include "graph/StripWidgets.h"
#include "graph/ViewerGestures.h"

namespace corv {

namespace {

// One notch of the wheel pans a tenth of the window.
constexpr double kPanPerNotch = 0.1;

QLabel* StatusLabel(QStatusBar* bar, const char* name, int stretch) {
    auto* l = new QLabel(bar);
    l->setObjectName(QString::fromLatin1(name));
    bar->addWidget(l, stretch);
    return l;
}

}  // namespace

void GraphWindow::BuildPanels() {
    QStatusBar* bar = statusBar();
    m_statusMode = StatusLabel(bar, "lblStatusMode", 2);
    m_statusStep = StatusLabel(bar, "lblStatusStep", 1);
    m_statusPointer = StatusLabel(bar, "lblStatusPointer", 3);

    auto* dock = new QDockWidget(QStringLiteral("F4..F5 differences"), this);
    dock->setObjectName(QStringLiteral("dockDeltas"));
    m_deltas = new QTableWidget(0, 4, dock);
    m_deltas->setObjectName(QStringLiteral("tblDeltas"));
    m_deltas->setHorizontalHeaderLabels({QStringLiteral("Channel"), QStringLiteral("Δt"),
                                         QStringLiteral("Δy"), QStringLiteral("Slope")});
    m_deltas->verticalHeader()->hide();
    m_deltas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_deltas->setFocusPolicy(Qt::NoFocus);
    m_deltas->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    dock->setWidget(m_deltas);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    // Opened from the View menu; the strips keep the whole window until then.
    dock->hide();
}

void GraphWindow::ShowStatus() {
    if (m_statusMode == nullptr) return;
    m_statusMode->setText(ToQ(KeyModeText(m_state)));
    m_statusStep->setText(ToQ(StepText(m_state)));
    const std::vector<DeltaRow> rows = CursorDeltas(m_state);
    m_deltas->setRowCount(static_cast<int>(rows.size()));
    for (int k = 0; k < static_cast<int>(rows.size()); ++k) {
        const DeltaRow& r = rows[static_cast<size_t>(k)];
        const QString texts[4] = {QStringLiteral("%1 %2").arg(r.channel + 1).arg(ToQ(r.caption)),
                                  ToQ(r.dt), ToQ(r.dy), ToQ(r.slope)};
        for (int col = 0; col < 4; ++col) {
            QTableWidgetItem* item = m_deltas->item(k, col);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                m_deltas->setItem(k, col, item);
            }
            item->setText(texts[col]);
        }
    }
}

void GraphWindow::ImgMouseMove(TChanImage* image, Qt::MouseButtons buttons, int x, int y) {
    const int c = ImageIndex(image);
    const bool strip = c >= 0 && image == m_images->StripImage(c);
    if (strip && m_statusPointer)
        m_statusPointer->setText(ToQ(PointerText(m_state, c, x, image->width())));
    if (m_panLastX >= 0 && buttons.testFlag(Qt::MiddleButton)) {
        const ViewState& v = m_state.view;
        const double width =
            c == kOverviewImage ? m_state.store.TotalSpan : v.RightBorder - v.LeftBorder;
        // The overview pans the other way: its window follows the pointer.
        const double sign = c == kOverviewImage ? 1 : -1;
        const double dt = sign * (x - m_panLastX) * width / std::max(image->width(), 1);
        m_panLastX = x;
        Redraw(PanWindow(m_state, dt));
        return;
    }
    if (!buttons.testFlag(Qt::LeftButton) && !buttons.testFlag(Qt::RightButton)) return;
    const MouseEvent move{c, x, y, image->width(), image->height(), MouseButton::Left, 0};
    uint32_t flags = 0;
    RunGuarded(m_ui, [&] { flags = corv::ImgMouseMove(m_state, move); });
    Redraw(flags);
}

void GraphWindow::ImgWheel(TChanImage* image, int x, int y, double notches,
                           Qt::KeyboardModifiers mods) {
    const int c = ImageIndex(image);
    const bool strip = c >= 0 && image == m_images->StripImage(c);
    if (c == kNoImage || notches == 0) return;
    const BusyGuard busy(m_ui);
    const ViewState& v = m_state.view;
    if (mods.testFlag(Qt::ShiftModifier)) {
        if (!strip) return;
        const TimeValue tv = PixelToTimeValue(m_state, c, x, y, image->width(), image->height());
        const ValueZoomResult r = ZoomValueAround(m_state, c, tv.value, WheelZoomFactor(notches));
        if (r.yScaleChannel >= 0)
            if (Canvas* scale = m_images->YScale(r.yScaleChannel))
                DrawStripYScale(*scale, m_state, r.yScaleChannel);
        Redraw(r.redraw);
        return;
    }
    if (mods.testFlag(Qt::ControlModifier)) {
        const double t =
            c == kOverviewImage
                ? m_state.store.TotalSpan * x / std::max(image->width(), 1)
                : v.LeftBorder + (v.RightBorder - v.LeftBorder) * x / std::max(image->width(), 1);
        Redraw(ZoomTimeAround(m_state, t, WheelZoomFactor(notches)));
        return;
    }
    // Turning away from the user goes back in time, as a page scrolls up.
    Redraw(PanWindow(m_state, -notches * kPanPerNotch * (v.RightBorder - v.LeftBorder)));
}

}  // namespace corv
