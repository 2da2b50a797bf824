#include "core/MessDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "core/FormControls.h"
#include "core/FormScale.h"

namespace corv {

namespace {

constexpr int kMemoTop = 32;
constexpr int kButtonTop = 272;

}  // namespace

TfrmMessDialog::TfrmMessDialog(QWidget* parent) : QDialog(parent) {
    const FormScale s =
        StartForm(this, QStringLiteral("frmMessDialog"), QStringLiteral("Confirmation"));
    resize(s.X(396), s.Y(356));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    s.Place(btnOK, 40, kButtonTop, 75, 25);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    s.Place(btnCancel, 256, kButtonTop, 75, 25);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->clear();
    btnAux = new QPushButton(QStringLiteral("Aux"), this);
    btnAux->setObjectName(QStringLiteral("btnAux"));
    s.Place(btnAux, 152, kButtonTop, 75, 25);
    btnAux->setVisible(false);

    connect(btnOK, &QPushButton::clicked, this, [this] { done(kResultOk); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { done(kResultCancel); });
    connect(btnAux, &QPushButton::clicked, this, [this] { done(kResultAux); });
    StretchMemo();
}

void TfrmMessDialog::AddLine(const QString& line) {
    Memo1->appendPlainText(line);
}

int TfrmMessDialog::Run() {
    CentreOnScreen(this);
    const int result = exec();
    // Closed by the window system without a button: the same as Cancel.
    return result == kResultOk || result == kResultAux ? result : kResultCancel;
}

void TfrmMessDialog::reject() {
    done(kResultCancel);
}

void TfrmMessDialog::showEvent(QShowEvent* e) {
    StretchMemo();
    QDialog::showEvent(e);
}

void TfrmMessDialog::resizeEvent(QResizeEvent* e) {
    StretchMemo();
    QDialog::resizeEvent(e);
}

void TfrmMessDialog::StretchMemo() {
    const FormScale s(font());
    const int top = s.Y(kMemoTop);
    // The memo ends a little above the buttons.
    const int bottom = btnOK->y() - s.Y(8);
    Memo1->setGeometry(0, top, width(), std::max(0, bottom - top));
}

}  // namespace corv
