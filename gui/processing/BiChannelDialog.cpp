#include "processing/BiChannelDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "help/HelpViewer.h"
#include "processing/ChannelOps.h"

namespace corv {

namespace {

constexpr int kLabelLeft = 16;
constexpr int kLabelWidth = 170;
constexpr int kEditLeft = 196;
constexpr int kEditWidth = 40;

}  // namespace

TfrmBiChannel::TfrmBiChannel(AppState& state, UiPort& ui, int kind, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_kind(kind) {
    const FormScale s = StartForm(this, QStringLiteral("frmBiChannel"),
                                  QStringLiteral("Bi-channel operation"), 420, 230);

    const bool subtract = kind == kOpSubtract;
    lblChnl1 = MakeLabel(
        this, s, QStringLiteral("lblChnl1"),
        subtract ? QStringLiteral("&Subtract from chnl. Nr") : QStringLiteral("&Add Channel Nr "),
        kLabelLeft, 16, kLabelWidth);
    edtChnl1 = MakeEdit(this, s, QStringLiteral("edtChnl1"), QStringLiteral("1"), kEditLeft, 16,
                        kEditWidth);
    lblChnl2 =
        MakeLabel(this, s, QStringLiteral("lblChnl2"),
                  subtract ? QStringLiteral("&channel Nr") : QStringLiteral("&to Channel Nr"),
                  kLabelLeft, 48, kLabelWidth);
    edtChnl2 = MakeEdit(this, s, QStringLiteral("edtChnl2"), QStringLiteral("2"), kEditLeft, 48,
                        kEditWidth);
    lblChnlResult = MakeLabel(this, s, QStringLiteral("lblChnlResult"),
                              kind == kOpAbsSum ? QStringLiteral("&Store abs(sum) in channel Nr")
                                                : QStringLiteral("Store &results in channel Nr "),
                              kLabelLeft, 80, kLabelWidth);
    edtChnlResult = MakeEdit(this, s, QStringLiteral("edtChnlResult"), QStringLiteral("1"),
                             kEditLeft, 80, kEditWidth);
    lblChnl1->setBuddy(edtChnl1);
    lblChnl2->setBuddy(edtChnl2);
    lblChnlResult->setBuddy(edtChnlResult);

    StaticText1 = MakeLabel(
        this, s, QStringLiteral("StaticText1"),
        QStringLiteral("Note: Operation concerns the entire channels, not only a section."),
        kLabelLeft, 116, 390);
    StaticText2 = MakeLabel(
        this, s, QStringLiteral("StaticText2"),
        QStringLiteral("Operation is only allowed if sampl. rate and start time is identical."),
        kLabelLeft, 140, 390);

    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 40, 185, 75, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 170, 185,
                           75, 25);
    btnHelp =
        MakeButton(this, s, QStringLiteral("btnHelp"), QStringLiteral("Help"), 300, 185, 75, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(m_state.folders.HelpFolder, "dlgBiChannel.rtf"));
    });
}

void TfrmBiChannel::btnOKClick() {
    RunGuarded(m_ui, [this] {
        m_changed = BiChannelFromTexts(m_state, m_ui, m_kind, ToStd(edtChnl1->text()),
                                       ToStd(edtChnl2->text()), ToStd(edtChnlResult->text()));
    });
    accept();
}

bool ShowBiChannelDialog(AppState& state, UiPort& ui, int kind, QWidget* parent) {
    TfrmBiChannel dialog(state, ui, kind, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
    return dialog.Changed();
}

}  // namespace corv
