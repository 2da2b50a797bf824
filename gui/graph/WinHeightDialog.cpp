#include "graph/WinHeightDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "AppState.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "graph/ViewSettings.h"

namespace corv {

namespace {

constexpr int kBarLeft = 10;
constexpr int kBarWidth = 150;
constexpr int kBarHeight = 16;
constexpr int kRowTop = 28;
constexpr int kRowPitch = 20;
constexpr int kLabelWidth = 100;
constexpr int kLabelHeight = 12;
constexpr int kButtonTop = 108;
constexpr int kFormHeight = 168;
constexpr int kPageStep = 5;

constexpr const char* kNoStripLeft = " At least one channel needs a height above 0.";

}  // namespace

TFormChgeWinHeight::TFormChgeWinHeight(AppState& state, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui) {
    const int labelLeft = kBarLeft + kBarWidth + 20;
    const FormScale s =
        StartForm(this, QStringLiteral("FormChgeWinHeight"), QStringLiteral("Change Window Height"),
                  labelLeft + kLabelWidth + 10, kFormHeight);

    lblZero = new QLabel(QStringLiteral("0"), this);
    lblZero->setObjectName(QStringLiteral("lblZero"));
    s.Place(lblZero, 15, 8, 20, kLabelHeight + 4);
    lblMax = new QLabel(QStringLiteral("max"), this);
    lblMax->setObjectName(QStringLiteral("lblMax"));
    s.Place(lblMax, kBarWidth - 15, 8, 30, kLabelHeight + 4);

    for (int c = 0; c < kChannelCount; ++c) {
        const size_t k = static_cast<size_t>(c);
        const bool present = state.store.ChannelPresent[k];
        const int top = kRowTop + kRowPitch * c;
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("sbrHeight%1").arg(c));
        bar->setRange(0, kMaxStripHeight);
        bar->setValue(state.store.Rec(c).WndSze);
        bar->setSingleStep(1);
        bar->setPageStep(kPageStep);
        s.Place(bar, kBarLeft, top, kBarWidth, kBarHeight);
        bar->setVisible(present);
        sbrHeight[k] = bar;

        auto* label = new QLabel(ToQ(state.store.Rec(c).Caption), this);
        label->setObjectName(QStringLiteral("lblChannel%1").arg(c));
        s.Place(label, labelLeft, top, kLabelWidth, kLabelHeight + 4);
        label->setEnabled(present);
        lblChannel[k] = label;
    }

    btnOK =
        MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 40, kButtonTop, 75, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 150,
                           kButtonTop, 75, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });
}

void TFormChgeWinHeight::btnOKClick() {
    std::array<int, kChannelCount> heights{};
    for (size_t k = 0; k < heights.size(); ++k) heights[k] = sbrHeight[k]->value();
    if (ApplyStripHeights(m_state, heights))
        accept();
    else
        m_ui.Message(kNoStripLeft);
}

ViewDialogResult ShowWinHeightDialog(AppState& state, UiPort& ui, QWidget* parent) {
    {
        TFormChgeWinHeight dialog(state, ui, parent);
        CentreOnScreen(&dialog);
        dialog.exec();
    }
    return {0, true};
}

}  // namespace corv
