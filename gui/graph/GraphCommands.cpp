// The graph window's menu commands: each acts on the active channel, then runs the redraw
// jobs it names.

#include <QFileDialog>
#include <QMenu>

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/CommandGuard.h"
#include "core/ProcessingLog.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "files/ExportDialogs.h"
#include "graph/Baseline.h"
#include "graph/ChartStyleDialog.h"
#include "graph/GraphHelp.h"
#include "graph/GraphMenus.h"
#include "graph/GraphWindow.h"
#include "graph/GridDistance.h"
#include "graph/RedrawFlags.h"
#include "graph/StripWidgets.h"
#include "graph/SubsidLineDialog.h"
#include "graph/WinHeightDialog.h"
#include "graph/YZoom.h"
#include "help/HelpViewer.h"
#include "processing/ProcessingMenus.h"
#include "settings/SetupFile.h"

namespace corv {

namespace {

// The folder of the first present channel's input file, where settings are saved.
QString FirstInputFolder(const AppState& state) {
    for (int c = 0; c < kChannelCount; ++c)
        if (state.store.ChannelPresent[static_cast<size_t>(c)])
            return FromPath(ToPath(ToQ(state.store.Rec(c).NameIn)).parent_path());
    return {};
}

}  // namespace

void GraphWindow::RunCommand(const std::function<uint32_t()>& command, bool busy) {
    if (busy) m_ui.SetBusy(true);
    uint32_t flags = 0;
    RunGuarded(m_ui, [&] { flags = command(); });
    Redraw(flags);
    if (busy) m_ui.SetBusy(false);
}

void GraphWindow::WireMenus() {
    WireFileAndViewMenus();
    WireZoomAndBaselineMenus();
    WireOtherMenus();
    WirePictureMenus();
    WireProcessingMenus(*this, m_state, m_ui);
    WireCalcMenus();
    WireProcessingIIMenus();
    WireAnalysisMenu();
    m_menus->ConnectHelp([this](GraphMenu menu) { ShowMenuHelp(menu); });
    m_menus->DisableUnconnected();
    // Commands on two channels need two.
    if (PresentChannelCount(m_state) < 2)
        for (const char* name : {"mniSynchronize", "mniPlotChnlChnl", "mniBiChannel"})
            m_menus->Item(QString::fromLatin1(name))->setEnabled(false);
}

void GraphWindow::WireFileAndViewMenus() {
    GraphMenus& m = *m_menus;
    m.Connect(QStringLiteral("mniSaveSettings"), [this] { SaveSettings(); });
    m.Connect(QStringLiteral("mniSaveLog"), [this] {
        const QString file = QFileDialog::getSaveFileName(
            this, QStringLiteral("Save processing log"), FirstInputFolder(m_state),
            QStringLiteral("Processing log (*.txt);;All files (*)"));
        if (!file.isEmpty()) SaveLog(file);
    });
    m.Connect(QStringLiteral("mniExit"), [this] { close(); });
    m.Connect(QStringLiteral("mniWinSize"), [this] {
        ViewDialogResult r;
        RunGuarded(m_ui, [&] { r = ShowWinHeightDialog(m_state, m_ui, this); });
        if (r.rebuildStrips) RebuildStrips();
        Redraw(r.redrawFlags);
    });
    m.Connect(QStringLiteral("mniStyle"), [this] {
        RunCommand([this] { return ShowChartStyleDialog(m_state, m_ui, this).redrawFlags; }, false);
    });
    m.Connect(QStringLiteral("mniGrid"), [this] {
        RunCommand([this] { return SetGridDistance(m_state, m_ui, ActiveStrip()); });
    });
    m.Connect(QStringLiteral("mniSubsidLine"), [this] {
        RunCommand([this] { return ShowSubsidLineDialog(m_state, m_ui, this).redrawFlags; }, false);
    });
    m.Connect(QStringLiteral("mniRefreshTotal"), [this] { RefreshOverview(); });
}

void GraphWindow::WireZoomAndBaselineMenus() {
    GraphMenus& m = *m_menus;
    const std::pair<const char*, XZoomItem> xZoom[] = {
        {"mniLeftBorder", XZoomItem::LeftBorder},
        {"mniRightBorder", XZoomItem::RightBorder},
        {"mniBothBorders", XZoomItem::BothBorders},
        {"mniLeftCursor", XZoomItem::LeftCursor},
        {"mniRightCursor", XZoomItem::RightCursor},
        {"mniBothCursors", XZoomItem::BothCursors},
        {"mniBordAndCursors", XZoomItem::BordersAndCursors},
        {"mniCursIntoBorders", XZoomItem::CursorsIntoBorders},
        {"mniBordToCurs", XZoomItem::BordersToCursors},
        {"mniLeftBCursor", XZoomItem::LeftBCursor},
        {"mniRightBCursor", XZoomItem::RightBCursor},
        {"mniBothBCursor", XZoomItem::BothBCursors},
        {"mniBCursInBorders", XZoomItem::BCursorsIntoBorders},
        {"mniShCurInBordes", XZoomItem::ShCursorsIntoBorders},
        {"mniMoveLeft", XZoomItem::MoveLeft},
    };
    for (const auto& [name, item] : xZoom)
        m.Connect(QString::fromLatin1(name), [this, item = item] { ChooseXZoom(item); });

    const auto yShift = [this](int a, int b) {
        return [this, a, b] { RunCommand([this, a, b] { return YShift(m_state, a, b); }); };
    };
    m.Connect(QStringLiteral("mniNumericalYZoom"),
              [this] { RunCommand([this] { return NumericalYZoom(m_state, m_ui); }); });
    m.Connect(QStringLiteral("mniZoomIn"), yShift(-1, 1));
    m.Connect(QStringLiteral("mniZoomOut"), yShift(1, -1));
    m.Connect(QStringLiteral("mniShiftUp"), yShift(1, 1));
    m.Connect(QStringLiteral("mniShiftDown"), yShift(-1, -1));
    m.Connect(QStringLiteral("mniFitToData"),
              [this] { RunCommand([this] { return FitToData(m_state); }); });

    using BaselineOp = uint32_t (*)(AppState&, UiPort&, Canvas*);
    const auto baseline = [this](BaselineOp op) {
        return [this, op] { RunCommand([this, op] { return op(m_state, m_ui, ActiveStrip()); }); };
    };
    const auto atCursor = [this](bool left) {
        return [this, left] {
            RunCommand([this, left] {
                const double t = left ? m_state.view.LeftCursor : m_state.view.RightCursor;
                return BaselineAtCursor(m_state, m_ui, ActiveStrip(), t);
            });
        };
    };
    m.Connect(QStringLiteral("mniMeanF4F5"), [this] {
        RunCommand([this] { return BaselineMeanBetweenCursors(m_state, m_ui, ActiveStrip()); });
    });
    m.Connect(QStringLiteral("mniMeanF4plusF5"), baseline(BaselineMeanOfCursors));
    m.Connect(QStringLiteral("mniAtF4"), atCursor(true));
    m.Connect(QStringLiteral("mniAtF5"), atCursor(false));
    m.Connect(QStringLiteral("mniNumericalBaseline"), baseline(NumericalBaseline));
    m.Connect(QStringLiteral("mniIncrement"), baseline(BaselineIncrement));
    m.Connect(QStringLiteral("mniDecrement"), baseline(BaselineDecrement));
}

void GraphWindow::WireOtherMenus() {
    GraphMenus& m = *m_menus;
    m.Connect(QStringLiteral("mniComment"), [this] {
        RunGuarded(m_ui, [this] {
            m_state.PendingComment = m_ui.InputBox(" Input comment", " Enter a comment ", "");
        });
    });
    // Bouts are not searched in this analysis kind.
    m.Connect(QStringLiteral("mniFindBouts"), [] {});
    m.Connect(QStringLiteral("mniExportText"),
              [this] { RunGuarded(m_ui, [this] { ShowExportTextDialog(m_state, m_ui, this); }); });
    m.Connect(QStringLiteral("mniExportBinary"),
              [this] { RunGuarded(m_ui, [this] { ShowExportBinDialog(m_state, m_ui, this); }); });
    m.Connect(QStringLiteral("mniInfo"), [this] { m_ui.Message(InfoText(kAnalysisKind)); });
}

void GraphWindow::ChooseXZoom(XZoomItem item) {
    RunCommand([this, item] {
        const StepMarkerImages images{m_images->MainTimeScale(), m_images->OverviewTimeScale(),
                                      m_images->Overview().Width()};
        return ChooseXZoomItem(m_state, item, images, m_checks);
    });
    m_menus->ShowChecks(m_checks);
}

void GraphWindow::ShowMenuHelp(GraphMenu menu) {
    const std::string file = MenuHelpFile(menu, kAnalysisKind);
    if (file.empty()) return;
    RunGuarded(m_ui, [&] {
        m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(ToPath(ToQ(m_state.folders.HelpFolder)), file));
    });
}

bool GraphWindow::SaveLog(const QString& file) {
    bool saved = false;
    RunGuarded(m_ui, [&] {
        saved = SaveProcessingLog(m_state, ToPath(file));
        if (!saved)
            m_ui.Message(" Processing log not saved: " + ToStd(file) + " cannot be written.",
                         BoxKind::Error);
    });
    return saved;
}

void GraphWindow::SaveSettings() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Save settings in: "),
                                                      FirstInputFolder(m_state));
    if (file.isEmpty()) return;
    RunGuarded(m_ui, [&] {
        // The writer leaves other files alone; the user should know nothing was saved.
        if (!WriteSetupFile(m_state, ToPath(file)))
            m_ui.Message(" Settings not saved: " + ToStd(file) +
                             " is not a setup file or cannot be written.",
                         BoxKind::Error);
    });
}

}  // namespace corv
