#include "processing/PolynomDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "help/HelpViewer.h"

namespace corv {

namespace {

constexpr int kPictureX = 20;
constexpr int kPictureY = 20;
constexpr int kRowTop = 124;
constexpr int kRowPitch = 28;
constexpr int kLeftColumn = 30;
constexpr int kRightColumn = 240;
constexpr int kEditWidth = 140;

}  // namespace

TfrmPolynom::TfrmPolynom(AppState& state, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_channel(state.ActiveChannel) {
    const FormScale s = StartForm(this, QStringLiteral("frmPolynom"),
                                  QStringLiteral("Apply a Polynom to current channel"), 450,
                                  kRowTop + 6 * kRowPitch + 90);
    // Without the picture the dialog still works; the formula is in the help file.
    m_picture.load(
        FromPath(TfrmHelp::HelpFilePath(ToPath(ToQ(state.folders.HelpFolder)), "poly.bmp")));

    const PolynomTexts texts = PolynomTextsOf(state, m_channel);
    // Row k holds the coefficients of x^k: numerator on the left, denominator on the right.
    for (int letter = 0; letter < kPolynomLetters; ++letter) {
        const bool numerator = letter % 2 == 0;
        const int row = numerator ? letter / 2 : (letter + 1) / 2;
        const int left = numerator ? kLeftColumn : kRightColumn;
        const int top = kRowTop + row * kRowPitch;
        const QChar name = QChar(QLatin1Char(static_cast<char>('A' + letter)));
        QLabel* label = MakeLabel(this, s, QStringLiteral("lbl") + name, QStringLiteral("&") + name,
                                  left, top, 18);
        QLineEdit* edit = MakeEdit(this, s, QStringLiteral("edt") + name,
                                   ToQ(texts[size_t(letter)]), left + 22, top, kEditWidth);
        label->setBuddy(edit);
        edt[size_t(letter)] = edit;
    }
    Edit7 = MakeEdit(this, s, QStringLiteral("Edit7"), QStringLiteral("1"), kRightColumn + 22,
                     kRowTop, kEditWidth);
    Edit7->setEnabled(false);

    const int bottom = kRowTop + 6 * kRowPitch + 8;
    chkApplyPolynom = new QCheckBox(QStringLiteral("Apply Polynom"), this);
    chkApplyPolynom->setObjectName(QStringLiteral("chkApplyPolynom"));
    s.Place(chkApplyPolynom, kLeftColumn, bottom, 150, EditHeight());
    chkApplyPolynom->setChecked(state.store.Rec(m_channel).bApplyPolynom == 1);

    const int buttons = bottom + 40;
    btnOk = MakeButton(this, s, QStringLiteral("btnOk"), QStringLiteral("OK"), 20, buttons, 90, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 125,
                           buttons, 90, 25);
    btnHelp = MakeButton(this, s, QStringLiteral("btnHelp"), QStringLiteral("Help"), 230, buttons,
                         90, 25);
    btnReset = MakeButton(this, s, QStringLiteral("btnReset"), QStringLiteral("Reset"), 335,
                          buttons, 90, 25, QStringLiteral("Set Coefficients to 0, 0,0 ..."));
    WireOkCancel(this, btnOk, btnCancel, [this] { btnOkClick(); });
    connect(btnReset, &QPushButton::clicked, this, [this] { btnResetClick(); });
    // Only the user's clicks count; Reset unticks the box without a second step.
    connect(chkApplyPolynom, &QCheckBox::clicked, this, [this] { chkApplyPolynomClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(m_state.folders.HelpFolder, "dlgPolynom.rtf"));
    });
}

PolynomTexts TfrmPolynom::Texts() const {
    PolynomTexts texts;
    for (size_t k = 0; k < texts.size(); ++k) texts[k] = ToStd(edt[k]->text());
    return texts;
}

void TfrmPolynom::btnOkClick() {
    if (RunGuarded(m_ui, [this] {
            StorePolynom(m_state, m_ui, m_channel, Texts(), chkApplyPolynom->isChecked());
        }))
        accept();
}

void TfrmPolynom::btnResetClick() {
    const PolynomTexts identity = IdentityPolynomTexts();
    for (size_t k = 0; k < identity.size(); ++k) edt[k]->setText(ToQ(identity[k]));
    chkApplyPolynom->setChecked(false);
    RunGuarded(m_ui, [this] { ResetPolynom(m_state, m_ui, m_channel); });
}

void TfrmPolynom::chkApplyPolynomClick() {
    RunGuarded(m_ui,
               [this] { SetApplyPolynom(m_state, m_ui, m_channel, chkApplyPolynom->isChecked()); });
}

void TfrmPolynom::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(kPictureX, kPictureY, m_picture);
}

void ShowPolynomDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmPolynom dialog(state, ui, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
}

}  // namespace corv
