// The graph window's Analysis menu and dims popup: the beak analysis parameters, Search
// next, Write results, Analyse all with its progress, the Results box and the dims
// corrections.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>

#include "AppState.h"
#include "analysis/AnalyseEvent.h"
#include "analysis/BeakCommands.h"
#include "analysis/BeakParamDialog.h"
#include "analysis/DimsEditing.h"
#include "core/AnalysisKind.h"
#include "core/CommandGuard.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "graph/DimsDrawing.h"
#include "graph/GraphMenus.h"
#include "graph/GraphReadouts.h"
#include "graph/GraphWindow.h"
#include "graph/RedrawPlan.h"
#include "graph/StripWidgets.h"

namespace corv {

void GraphWindow::WireAnalysisMenu() {
    GraphMenus& m = *m_menus;
    m.Connect(QStringLiteral("mniParameters"), [this] {
        if (kAnalysisKind != 13) return;
        RunGuarded(m_ui, [this] { ShowBeakParamDialog(m_state, m_ui, this); });
    });
    // File > Result file ... names the all-events file the beak analysis appends to (an
    // existing file is appended to, so choosing it is no overwrite).
    m.Connect(QStringLiteral("mniResultFile"), [this] {
        std::string& name = m_state.settings.NameOutFile[kBeakChannel];
        const QString file = QFileDialog::getSaveFileName(
            this, QStringLiteral("Export results of analysis to: "), ToQ(name), QString(), nullptr,
            QFileDialog::DontConfirmOverwrite);
        if (!file.isEmpty()) name = ToStd(file);
    });
    m.Connect(QStringLiteral("mniSearchNext"), [this] { SearchNextClick(); });
    m.Connect(QStringLiteral("mniWriteResults"), [this] { WriteResultsClick(); });
    m.Connect(QStringLiteral("mniAnalyseAll"), [this] { AnalyseAllClick(); });

    const QList<QAction*> items = m_dimsPopup->actions();
    const DimsEdit edits[] = {DimsEdit::Delete, DimsEdit::MergeWithNext, DimsEdit::Divide};
    for (int k = 0; k < items.size() && k < 3; ++k) {
        const DimsEdit edit = edits[k];
        items[k]->setEnabled(true);
        connect(items[k], &QAction::triggered, this, [this, edit] { DimsPopupCommand(edit); });
    }
}

void GraphWindow::RedrawEverything() {
    m_state.RedrawFlags = 0;
    RunGuarded(m_ui, [this] { corv::InitialDraw(m_state, m_ui, *m_images); });
    m_images->UpdateAll();
}

void GraphWindow::SearchNextClick() {
    const BusyGuard busy(m_ui);
    bool found = false;
    RunGuarded(m_ui, [&] { found = SearchNext(m_state, m_ui); });
    if (found) RedrawEverything();
}

void GraphWindow::ShowResults() {
    m_readouts->edtRes[0]->setText(ToQ(ResultDurationText(m_state)));
    m_readouts->edtRes[1]->setText(ToQ(ResultSumText(m_state)));
}

void GraphWindow::WriteResultsClick() {
    const BusyGuard busy(m_ui);
    RunGuarded(m_ui, [&] {
        WriteResults(m_state, m_ui, [this](const AppState&, bool) { ShowResults(); });
    });
    RedrawEverything();
}

void GraphWindow::AnalyseAllClick() {
    const int32_t last = m_state.store.Rec(kBeakChannel).DataCnt;
    QProgressDialog progress(QStringLiteral("Analysing the recording ..."),
                             QStringLiteral("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("frmAnalyseAll"));
    progress.setWindowTitle(QStringLiteral("Analyse all"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    AnalyseAllOutcome r;
    const bool ok = RunGuarded(m_ui, [&] {
        r = AnalyseAll(m_state, m_ui, [&](int64_t at, int64_t) {
            progress.setValue(last > 0 ? static_cast<int>(1000.0 * at / last) : 1000);
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    });
    progress.reset();
    ShowResults();
    RedrawEverything();
    if (!ok) return;
    m_ui.Message(std::string(r.cancelled ? " Analysis cancelled. " : " Analysis complete. ") +
                 std::to_string(r.breath) + " breath events and " + std::to_string(r.feed) +
                 " feed events written.");
}

void GraphWindow::DimsPopupCommand(DimsEdit edit) {
    Canvas* strip = m_images->Strip(kBeakChannel);
    RunGuarded(m_ui, [&] {
        // The dims come off the strip before the list changes and go back afterwards.
        if (strip) RemoveDims(*strip, m_state);
        const bool changed = EditDims(m_state, m_ui, edit, m_popupDim, m_popupIndex);
        if (strip) ShowDims(*strip, m_state);
        (void)changed;
    });
    m_images->UpdateAll();
}

void GraphWindow::MoveDimEnd(const DimMove& move) {
    if (move.dim < 0) return;
    Canvas* strip = m_images->Strip(kBeakChannel);
    RunGuarded(m_ui, [&] {
        if (strip) RemoveDims(*strip, m_state);
        corv::MoveDimEnd(m_state, m_ui, move.dim, move.end == kDimStart, move.index);
        if (strip) ShowDims(*strip, m_state);
    });
    m_images->UpdateAll();
}

}  // namespace corv
