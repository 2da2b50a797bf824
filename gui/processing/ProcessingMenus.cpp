#include "processing/ProcessingMenus.h"

#include <QAction>
#include <QMenu>
#include <functional>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/QtText.h"
#include "graph/GraphMenus.h"
#include "graph/GraphWindow.h"
#include "graph/RedrawFlags.h"
#include "processing/ElimPeaksDialog.h"
#include "processing/Resampling.h"
#include "processing/RunningMean.h"
#include "processing/SectionArithmetic.h"
#include "processing/Smoothing.h"

namespace corv {

namespace {

// A changed channel shows its new curve in the strip and the overview, and new read-outs.
constexpr uint32_t kRedrawAfterProcessing =
    kRedrawOverview | kRedrawOverviewMarks | kRedrawStripMarksScale | kRedrawReadouts;

// Runs a command that returns whether it changed the channel; the engine shows the
// hourglass itself once the prompts are answered.
void Run(GraphWindow& w, AppState& state, UiPort& ui, const std::function<bool()>& command) {
    bool changed = false;
    RunGuarded(ui, [&] { changed = command(); });
    if (changed) w.Redraw(kRedrawAfterProcessing);
    UpdateUndoItems(w, state);
}

void Step(GraphWindow& w, AppState& state, bool undo) {
    const UndoOutcome o = undo ? state.history.Undo(state) : state.history.Redo(state);
    if (o.done) w.Redraw(o.redraw);
    UpdateUndoItems(w, state);
}

}  // namespace

void UpdateUndoItems(GraphWindow& window, const AppState& state) {
    const UndoHistory& h = state.history;
    QAction* undo = window.Menus().Item(QStringLiteral("mniUndo"));
    QAction* redo = window.Menus().Item(QStringLiteral("mniRedo"));
    if (!undo || !redo) return;
    undo->setText(h.CanUndo() ? QStringLiteral("&Undo ") + ToQ(h.UndoName()) : "&Undo");
    redo->setText(h.CanRedo() ? QStringLiteral("&Redo ") + ToQ(h.RedoName()) : "&Redo");
    undo->setEnabled(h.CanUndo());
    redo->setEnabled(h.CanRedo());
}

void WireProcessingMenus(GraphWindow& w, AppState& state, UiPort& ui) {
    GraphMenus& m = w.Menus();
    const auto connect = [&](const char* name, std::function<bool()> command) {
        m.Connect(QString::fromLatin1(name),
                  [&w, &state, &ui, command] { Run(w, state, ui, command); });
    };
    const auto section = [&](const char* name, SectionOp op) {
        connect(name, [&state, &ui, op] { return RunSectionCommand(state, ui, op); });
    };
    section("mniMultiply", SectionOp::Multiply);
    section("mniAdd", SectionOp::Add);
    section("mniDivide", SectionOp::Divide);
    section("mniSetConstant", SectionOp::SetConstant);
    section("mniDeletePoints", SectionOp::Delete);
    section("mniInsertPoints", SectionOp::Insert);
    section("mniDelNegative", SectionOp::ClampBelowZero);
    connect("mniReduce", [&state, &ui] { return ReduceCommand(state, ui); });
    connect("mniExpand", [&state, &ui] { return ExpandCommand(state, ui); });
    connect("mniDoublePoints", [&state, &ui] { return DoublePointsCommand(state, ui); });

    const std::pair<const char*, SmoothKernel> kernels[] = {
        {"mniSmooth121", SmoothKernel::K121},
        {"mniSmooth1241", SmoothKernel::K1241},
        {"mniSmooth11232", SmoothKernel::K11232},
        {"mniSmooth1111", SmoothKernel::Trimmed7},
    };
    for (const auto& [name, k] : kernels)
        connect(name, [&state, &ui, k = k] { return SmoothSection(state, ui, k); });
    connect("mniPeakElim", [&w, &state, &ui] { return ShowElimPeaksDialog(state, ui, &w); });
    connect("mniRunningMean", [&state, &ui] { return SetRunningMean(state, ui); });

    m.Connect(QStringLiteral("mniUndo"), [&w, &state] { Step(w, state, true); });
    m.Connect(QStringLiteral("mniRedo"), [&w, &state] { Step(w, state, false); });
    // Other menus' commands (the baseline) add steps too: the captions are brought up to
    // date whenever the menu opens.
    if (QMenu* edit = m.Menu(QStringLiteral("mniEdit")))
        QObject::connect(edit, &QMenu::aboutToShow, &w,
                         [&w, &state] { UpdateUndoItems(w, state); });
}

}  // namespace corv
