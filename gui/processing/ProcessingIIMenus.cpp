// The graph window's commands on whole channels, the polynomial, the section buffers and
// the synchronisation proposals.

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/UiPort.h"
#include "graph/GraphMenus.h"
#include "graph/GraphWindow.h"
#include "graph/RedrawFlags.h"
#include "graph/StripDrawing.h"
#include "graph/StripWidgets.h"
#include "processing/AddRampDialog.h"
#include "processing/BiChannelDialog.h"
#include "processing/ChannelOps.h"
#include "processing/PolynomDialog.h"
#include "processing/SectionArithmetic.h"
#include "processing/SectionDialogs.h"
#include "processing/Synchronise.h"

namespace corv {

void GraphWindow::RedrawAfterChannelChange() {
    RunGuarded(m_ui, [this] {
        for (int c = 0; c < kChannelCount; ++c)
            if (Canvas* scale = m_images->YScale(c)) DrawStripYScale(*scale, m_state, c);
    });
    Redraw(kRedrawOverview | kRedrawOverviewMarks | kRedrawAllStrips | kRedrawAllStripMarks |
           kRedrawReadouts);
}

void GraphWindow::WireProcessingIIMenus() {
    GraphMenus& m = *m_menus;
    const auto biChannel = [this](int kind) {
        return [this, kind] {
            bool changed = false;
            RunGuarded(m_ui, [&] { changed = ShowBiChannelDialog(m_state, m_ui, kind, this); });
            if (changed) RedrawAfterChannelChange();
        };
    };
    m.Connect(QStringLiteral("mniBiAdd"), biChannel(kOpAdd));
    m.Connect(QStringLiteral("mniBiSubtract"), biChannel(kOpSubtract));
    m.Connect(QStringLiteral("mniBiAbs"), biChannel(kOpAbsSum));

    const auto channelOp = [this](int kind) {
        return [this, kind] {
            bool changed = false;
            m_ui.SetBusy(true);
            RunGuarded(m_ui, [&] {
                const int c = m_state.ActiveChannel;
                changed = ChannelOp(m_state, m_ui, kind, c, c);
            });
            m_ui.SetBusy(false);
            if (changed) RedrawAfterChannelChange();
        };
    };
    m.Connect(QStringLiteral("mniIntegrate"), channelOp(kOpIntegrate));
    m.Connect(QStringLiteral("mniDifferentiate"), channelOp(kOpDifferentiate));
    m.Connect(QStringLiteral("mniDiffCompass"), channelOp(kOpDiffCompass));

    // Add ramp: the dialog picks one of the work-section routine's two ramp modes.
    m.Connect(QStringLiteral("mniAddRamp"), [this] {
        const RampActions actions{
            [this](double amount) { return RunRampCommand(m_state, m_ui, amount); },
            [this] { return RunSectionCommand(m_state, m_ui, SectionOp::Equalize); }};
        bool changed = false;
        RunGuarded(m_ui, [&] { changed = ShowAddRampDialog(m_state, m_ui, actions, this); });
        if (changed) Redraw(kRedrawStripMarksScale | kRedrawOverview | kRedrawReadouts);
    });

    m.Connect(QStringLiteral("mniPolynom"), [this] {
        RunGuarded(m_ui, [this] { ShowPolynomDialog(m_state, m_ui, this); });
        RedrawAfterChannelChange();
    });

    m.Connect(QStringLiteral("mniSecStore"),
              [this] { RunGuarded(m_ui, [this] { ShowStoreSectionDialog(m_state, this); }); });
    m.Connect(QStringLiteral("mniSecOverwrite"), [this] {
        RunGuarded(m_ui, [this] { ShowSecOverwriteDialog(m_state, m_ui, *this); });
    });
    // Shown in the menu without an action.
    m.Connect(QStringLiteral("mniSecInsert"), [] {});
    m.Connect(QStringLiteral("mniSecOverlay"), [] {});

    m.Connect(QStringLiteral("mniSynchronize"),
              [this] { RunGuarded(m_ui, [this] { Synchronise(m_state, m_ui); }); });
}

}  // namespace corv
