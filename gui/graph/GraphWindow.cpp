#include "graph/GraphWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/UiPort.h"
#include "files/ExportDialogs.h"
#include "graph/CloseQuery.h"
#include "graph/DisplayRange.h"
#include "graph/GraphMenus.h"
#include "graph/GraphReadouts.h"
#include "graph/RedrawFlags.h"
#include "graph/RedrawPlan.h"
#include "graph/StripDrawing.h"
#include "graph/StripWidgets.h"
#include "graph/ViewState.h"

namespace corv {

GraphWindow* GraphWindow::Open(AppState& state, UiPort& ui, QSize screen, QWidget* parent) {
    // Until the window shows its real client area, the layout assumes the whole screen.
    GraphLayout layout = ClientLayout(screen.width(), screen.height());
    if (!StripLayout(state, layout, PresentChannelCount(state))) {
        ui.Message(" No channel to show: every loaded channel has the window height 0.",
                   BoxKind::Error);
        return nullptr;
    }
    return new GraphWindow(state, ui, layout, parent);
}

GraphWindow::GraphWindow(AppState& state, UiPort& ui, const GraphLayout& layout, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_ui(ui), m_layout(layout) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Corvandell - graph window"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::CrossCursor);
    // The strips are laid out for the whole screen; where nothing maximises the window
    // (a desktop without a window manager) it still shows them all.
    resize(m_layout.screenWidth, m_layout.screenHeight);
    m_state.view = InitialViewState(m_state.store.TotalSpan);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_images = std::make_unique<StripWidgets>(m_client, m_layout, PixelRatio());
    m_readouts = std::make_unique<GraphReadouts>(m_client, m_layout);
    m_images->OnReadouts = [this](const CursorReadouts& t) { m_readouts->ShowCursorTexts(t); };
    m_menus = std::make_unique<GraphMenus>(menuBar());
    WireMenus();

    m_dimsPopup = new QMenu(this);
    m_dimsPopup->setObjectName(QStringLiteral("DimsPopup"));
    for (const char* caption : {"Delete", "Merge with next", "Divide"})
        m_dimsPopup->addAction(QString::fromLatin1(caption))->setEnabled(false);

    BuildPanels();
    if (QMenu* view = m_menus->Menu(QStringLiteral("mniView")))
        view->addAction(findChild<QDockWidget*>(QStringLiteral("dockDeltas"))->toggleViewAction());
    CreateStrips();
    InitialDraw();
    m_readouts->edtFoc->setFocus();
    // Key preview: the window sees the keys of all its controls first.
    qApp->installEventFilter(this);
}

GraphWindow::~GraphWindow() {
    qApp->removeEventFilter(this);
}

double GraphWindow::PixelRatio() const {
    return m_ratioOverride > 0 ? m_ratioOverride : devicePixelRatioF();
}

void GraphWindow::SetPixelRatio(double ratio) {
    m_ratioOverride = ratio;
    m_laidOutFor = QSize();
    Relayout();
}

void GraphWindow::Relayout() {
    if (!m_images || !m_readouts) return;  // still being built
    const QSize size = m_client->size();
    const double ratio = PixelRatio();
    if (size.isEmpty() || (size == m_laidOutFor && ratio == m_images->PixelRatio())) return;
    m_laidOutFor = size;
    GraphLayout layout = ClientLayout(size.width(), size.height());
    // The active channel stays what the user chose.
    const int active = m_state.ActiveChannel;
    if (!StripLayout(m_state, layout, PresentChannelCount(m_state))) return;
    if (HasStrip(m_state, active)) m_state.ActiveChannel = active;
    m_layout = layout;
    m_images->Place(m_layout, ratio);
    m_readouts->Place(m_layout);
    InitialDraw();
}

void GraphWindow::CreateStrips() {
    m_images->CreateStrips(m_state, m_layout);
    AssignImageHandlers();
}

void GraphWindow::AssignImageHandlers() {
    const auto down = [this](TChanImage* i, MouseButton b, int x, int y) {
        ImgMouseDn(i, b, x, y);
    };
    const auto up = [this](TChanImage* i, MouseButton b, int x, int y) { ImgMouseUp(i, b, x, y); };
    const auto time = [this](TChanImage* i, MouseButton, int x, int) { ImgTimeDown(i, x); };
    const auto scale = [this](TChanImage* i, MouseButton, int, int y) { ImgScaleYDown(i, y); };
    const auto move = [this](TChanImage* i, Qt::MouseButtons b, int x, int y) {
        ImgMouseMove(i, b, x, y);
    };
    const auto wheel = [this](TChanImage* i, int x, int y, double n, Qt::KeyboardModifiers m) {
        ImgWheel(i, x, y, n, m);
    };
    TChanImage* overview = m_images->TotalImage();
    overview->OnMouseDown = down;
    overview->OnMouseUp = up;
    overview->OnMouseMove = move;
    overview->OnWheel = wheel;
    overview->OnDblClick = [this](TChanImage* i) { ImgDblClick(i); };
    m_images->TotalimgTimeScale()->OnMouseDown = time;
    m_images->imgTime()->OnMouseDown = time;
    for (int c = 0; c < kChannelCount; ++c) {
        if (TChanImage* strip = m_images->StripImage(c)) {
            strip->OnMouseDown = down;
            strip->OnMouseUp = up;
            strip->OnMouseMove = move;
            strip->OnWheel = wheel;
            // The status bar follows the pointer without a button.
            strip->setMouseTracking(true);
        }
        if (TChanImage* y = m_images->ScaleImage(c)) y->OnMouseDown = scale;
    }
}

void GraphWindow::InitialDraw() {
    RunGuarded(m_ui, [this] { corv::InitialDraw(m_state, m_ui, *m_images); });
    // The strips were drawn with their grids and subsidiary lines; drawing those again
    // with the next command would remove them.
    m_state.RedrawFlags = 0;
    m_images->UpdateAll();
    ShowStatus();
}

void GraphWindow::Redraw(uint32_t flags) {
    m_state.RedrawFlags |= flags;
    RedrawPending();
}

void GraphWindow::RedrawPending() {
    RunGuarded(m_ui, [this] { corv::RedrawPending(m_state, m_ui, *m_images); });
    m_images->UpdateAll();
    ShowStatus();
}

void GraphWindow::ChangeActiveChannel(int c) {
    corv::ChangeActiveChannel(m_state, *m_images, c);
    m_images->UpdateAll();
}

void GraphWindow::RefreshOverview() {
    const BusyGuard busy(m_ui);
    RunGuarded(m_ui, [this] { corv::RefreshOverview(m_state, *m_images); });
    m_images->UpdateAll();
}

void GraphWindow::RebuildStrips() {
    const int active = m_state.ActiveChannel;
    // Failing, the layout keeps its rectangles and the strips come back as they were.
    // The layout makes the first strip active; the user's choice stays while its strip does.
    if (StripLayout(m_state, m_layout, PresentChannelCount(m_state)) && HasStrip(m_state, active))
        m_state.ActiveChannel = active;
    m_images->FreeStrips();
    CreateStrips();
    uint32_t flags = kRedrawAllStripMarks;
    RunGuarded(m_ui, [this] {
        for (int c = 0; c < kChannelCount; ++c) {
            if (Canvas* strip = m_images->Strip(c)) DrawStrip(*strip, m_state, c);
            if (Canvas* scale = m_images->YScale(c)) DrawStripYScale(*scale, m_state, c);
        }
    });
    // The overview and the read-outs show the active channel.
    if (m_state.ActiveChannel != active)
        flags |= kRedrawOverview | kRedrawOverviewMarks | kRedrawReadouts;
    Redraw(flags);
}

Canvas* GraphWindow::ActiveStrip() {
    return m_images->Strip(m_state.ActiveChannel);
}

void GraphWindow::closeEvent(QCloseEvent* e) {
    bool mayClose = false;
    RunGuarded(m_ui, [&] {
        mayClose = QueryClose(m_state, m_ui, [this](int c) { SaveChannelOnClose(c); });
    });
    if (mayClose)
        e->accept();
    else
        e->ignore();
}

void GraphWindow::SaveChannelOnClose(int c) {
    // The export offers the active channel; for the duration of the question that is the
    // channel asked about.
    const int active = m_state.ActiveChannel;
    m_state.ActiveChannel = c;
    RunGuarded(m_ui, [this] { ShowExportBinDialog(m_state, m_ui, this); });
    m_state.ActiveChannel = active;
}

int GraphWindow::ImageIndex(const TChanImage* image) const {
    if (image == m_images->TotalImage()) return kOverviewImage;
    for (int c = 0; c < kChannelCount; ++c)
        if (image == m_images->StripImage(c) || image == m_images->ScaleImage(c)) return c;
    return kNoImage;
}

}  // namespace corv
