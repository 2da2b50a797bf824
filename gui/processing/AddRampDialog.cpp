#include "processing/AddRampDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/Convert.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "help/HelpViewer.h"

namespace corv {

TfrmAddRamp::TfrmAddRamp(AppState& state, UiPort& ui, RampActions actions, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_actions(std::move(actions)) {
    const FormScale s =
        StartForm(this, QStringLiteral("frmAddRamp"), QStringLiteral("Add ramp"), 330, 150);

    rdbRampOffs = new QRadioButton(QStringLiteral("&Ramp offset"), this);
    rdbRampOffs->setObjectName(QStringLiteral("rdbRampOffs"));
    s.Place(rdbRampOffs, 20, 20, 130, EditHeight());
    rdbRampOffs->setChecked(true);
    edtRamp = MakeEdit(this, s, QStringLiteral("edtRamp"), QStringLiteral("0"), 160, 20, 100);
    rdbEqualize = new QRadioButton(QStringLiteral("&Equalize F4 F5"), this);
    rdbEqualize->setObjectName(QStringLiteral("rdbEqualize"));
    s.Place(rdbEqualize, 20, 56, 160, EditHeight());

    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("&OK"), 20, 100, 80, 25);
    btnHelp =
        MakeButton(this, s, QStringLiteral("btnHelp"), QStringLiteral("&Help"), 120, 100, 80, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("&Cancel"), 220,
                           100, 80, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(m_state.folders.HelpFolder, "dlgAddRamp.rtf"));
    });
}

void TfrmAddRamp::btnOKClick() {
    RunGuarded(m_ui, [this] {
        if (rdbRampOffs->isChecked()) {
            const double amount = StrToFloat(ToStd(edtRamp->text()));
            if (m_actions.ramp) m_changed = m_actions.ramp(amount);
        } else if (m_actions.equalize) {
            m_changed = m_actions.equalize();
        }
    });
    accept();
}

bool ShowAddRampDialog(AppState& state, UiPort& ui, const RampActions& actions, QWidget* parent) {
    TfrmAddRamp dialog(state, ui, actions, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
    return dialog.Changed();
}

}  // namespace corv
