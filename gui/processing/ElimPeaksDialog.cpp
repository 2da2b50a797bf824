#include "processing/ElimPeaksDialog.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/UiPort.h"

namespace corv {

namespace {

QRadioButton* MakeRadio(QWidget* parent, const FormScale& s, const char* name, const char* text,
                        int top) {
    auto* b = new QRadioButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    s.Place(b, 16, top, 380);
    return b;
}

}  // namespace

TfrmElimPeaks::TfrmElimPeaks(AppState& state, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui) {
    const FormScale s = StartForm(this, QStringLiteral("frmElimPeaks"),
                                  QStringLiteral("Eliminate Peaks"), 420, 250);

    rboHighLow = MakeRadio(this, s, "rboHighLow", "&Highest and Lowest", 16);
    rboUserDefined = MakeRadio(this, s, "rboUserDefined",
                               "&Delete all peaks of an amplitude > A and of length < B ", 56);
    MakeLabel(this, s, QStringLiteral("lblAmpl"), QStringLiteral("A"), 40, 84, 20);
    edtAmpl = MakeEdit(this, s, QStringLiteral("edtAmpl"), QStringLiteral("5"), 64, 84, 60);
    MakeLabel(this, s, QStringLiteral("lblLength"), QStringLiteral("B [points]"), 150, 84, 70);
    edtLength = MakeEdit(this, s, QStringLiteral("edtLength"), QStringLiteral("1"), 224, 84, 60);
    rboReplSmallValues = MakeRadio(this, s, "rboReplSmallValues", "&Replace all values < A", 124);
    MakeLabel(this, s, QStringLiteral("lblSmallVal"), QStringLiteral("A"), 40, 152, 20);
    edtSmallVal =
        MakeEdit(this, s, QStringLiteral("edtSmallVal"), QStringLiteral("5"), 64, 152, 60);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* b : {rboHighLow, rboUserDefined, rboReplSmallValues}) group->addButton(b);
    rboUserDefined->setChecked(true);

    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 80, 200, 75, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 172, 200,
                           75, 25);
    btnHelp =
        MakeButton(this, s, QStringLiteral("btnHelp"), QStringLiteral("Help"), 264, 200, 75, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        RunGuarded(m_ui, [this] {
            m_ui.ShowHelpFile(std::filesystem::path(m_state.folders.HelpFolder) /
                              "dlgElimPeak.rtf");
        });
    });
    connect(group, &QButtonGroup::buttonClicked, this, [this] { EnableEdits(); });
    EnableEdits();
}

void TfrmElimPeaks::EnableEdits() {
    for (QLineEdit* e : {edtAmpl, edtLength, edtSmallVal}) e->setEnabled(false);
    edtAmpl->setEnabled(rboUserDefined->isChecked());
    edtLength->setEnabled(rboUserDefined->isChecked());
    edtSmallVal->setEnabled(rboReplSmallValues->isChecked());
}

void TfrmElimPeaks::btnOKClick() {
    PeakInput in;
    in.mode = rboHighLow->isChecked()       ? PeakMode::HighLow
              : rboUserDefined->isChecked() ? PeakMode::UserDefined
                                            : PeakMode::ReplSmallValues;
    in.ampl = ToStd(edtAmpl->text());
    in.length = ToStd(edtLength->text());
    in.smallVal = ToStd(edtSmallVal->text());
    if (RunGuarded(m_ui, [&] { m_changed = EliminatePeaks(m_state, m_ui, in); })) accept();
}

bool ShowElimPeaksDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmElimPeaks dialog(state, ui, parent);
    CentreOnScreen(&dialog);
    return dialog.exec() == QDialog::Accepted && dialog.Changed();
}

}  // namespace corv
