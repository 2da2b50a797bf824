#include "graph/SubsidLineDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"

namespace corv {

namespace {

constexpr int kRowLeft = 20;
constexpr int kEditLeft = 100;
constexpr int kEditWidth = 90;
constexpr int kRowPitch = 22;
constexpr int kRowTop = 20;

}  // namespace

TFrmSubsidLine::TFrmSubsidLine(AppState& state, UiPort& ui, int c, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_channel(c) {
    const FormScale s =
        StartForm(this, QStringLiteral("FrmSubsidLine"), QStringLiteral("FrmSubsidLine"), 216, 292);

    for (int i = 1; i <= kSubsidLineRows; ++i) {
        const size_t k = static_cast<size_t>(i - 1);
        const int top = kRowPitch * i + kRowTop;
        auto* chk = new QCheckBox(QStringLiteral("Line &%1 at y= ").arg(i), this);
        chk->setObjectName(QStringLiteral("chkLine%1").arg(i));
        s.Place(chk, kRowLeft, top, kEditLeft - kRowLeft);
        chkLine[k] = chk;
        edtLine[k] =
            MakeEdit(this, s, QStringLiteral("edtLine%1").arg(i), {}, kEditLeft, top, kEditWidth);
    }
    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 24, 250, 75, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 116, 250,
                           75, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });

    Fill(SubsidLineRowsOf(state, c));
}

void TFrmSubsidLine::Fill(const SubsidLineRows& rows) {
    for (size_t k = 0; k < rows.size(); ++k) {
        chkLine[k]->setChecked(rows[k].checked);
        edtLine[k]->setText(ToQ(rows[k].text));
    }
}

void TFrmSubsidLine::btnOKClick() {
    SubsidLineRows rows;
    for (size_t k = 0; k < rows.size(); ++k)
        rows[k] = {chkLine[k]->isChecked(), ToStd(edtLine[k]->text())};
    if (RunGuarded(m_ui, [&] { ApplySubsidLineRows(m_state, m_channel, rows); })) accept();
}

ViewDialogResult ShowSubsidLineDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TFrmSubsidLine dialog(state, ui, state.ActiveChannel, parent);
    CentreOnScreen(&dialog);
    const bool changed = dialog.exec() == QDialog::Accepted;
    return {changed ? kRedrawAfterSubsidLines : 0u, false};
}

}  // namespace corv
