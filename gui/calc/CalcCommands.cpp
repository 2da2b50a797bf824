// The graph window's Calculations menu: statistics, histogram, channel plot, event count
// and the frequency tags. Calculations read values only; they change no sample.

#include <QPushButton>

#include "AppState.h"
#include "calc/EventCount.h"
#include "calc/FrequencyTags.h"
#include "calc/HistogramDialog.h"
#include "calc/PlotDialogs.h"
#include "calc/StatisticsWindow.h"
#include "core/MessDialog.h"
#include "core/QtText.h"
#include "graph/GraphMenus.h"
#include "graph/GraphWindow.h"
#include "graph/RedrawFlags.h"

namespace corv {

namespace {

// "&Show result": the five numbers and one line per tag, as text to copy.
void ShowFrequencyResult(const AppState& state, QWidget* parent) {
    TfrmMessDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmFrequencyResult"));
    dialog.setWindowTitle(QStringLiteral("Frequency"));
    dialog.btnCancel->hide();
    const FrequencyTags& f = state.frequencyTags;
    for (const std::string& line : FrequencyResultLines(f, state.store.Rec(f.channel).SampRate))
        dialog.AddLine(ToQ(line));
    dialog.Run();
}

}  // namespace

void GraphWindow::WireCalcMenus() {
    GraphMenus& m = *m_menus;
    m.Connect(QStringLiteral("mniStatistic"), [this] {
        RunCommand(
            [this] {
                ShowStatisticsWindow(m_state, m_ui, this);
                return kRedrawStripAndMarks;
            },
            false);
    });
    m.Connect(QStringLiteral("mniHistogram"), [this] {
        RunCommand([this] { return ShowHistogramDialog(m_state, m_ui, this), 0u; }, false);
    });
    m.Connect(QStringLiteral("mniPlotChnlChnl"), [this] {
        RunCommand(
            [this] {
                return PlotChannelAgainstChannel(m_state, m_ui, this) ? kRedrawStripAndMarks : 0u;
            },
            false);
    });
    m.Connect(QStringLiteral("mniCountEvents"), [this] {
        RunCommand([this] { return (void)CountEventsCommand(m_state, m_ui), 0u; }, false);
    });
    m.Connect(QStringLiteral("mniCalcFrequ"), [this] {
        RunCommand(
            [this] {
                if (!CalcFrequency(m_state, m_ui)) return 0u;
                EnableTagItems();
                ShowFrequencyResult(m_state, this);
                return kRedrawStripMarksScale;
            },
            false);
    });
    m.Connect(QStringLiteral("mniDisposeTags"), [this] {
        m_state.frequencyTags = {};
        EnableTagItems();
        // The strips drawn afresh carry no tag.
        Redraw(kRedrawAllStrips | kRedrawAllStripMarks);
    });
    m.Connect(QStringLiteral("mniShowResult"), [this] { ShowFrequencyResult(m_state, this); });
    EnableTagItems();
}

void GraphWindow::EnableTagItems() {
    const bool any = !m_state.frequencyTags.tags.empty();
    m_menus->Item(QStringLiteral("mniDisposeTags"))->setEnabled(any);
    m_menus->Item(QStringLiteral("mniShowResult"))->setEnabled(any);
}

}  // namespace corv
