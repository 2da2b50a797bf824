#include "core/DialogKeys.h"

#include <QDialog>
#include <QPushButton>

namespace corv {

void EnterPressesOk(QDialog* dialog, QPushButton* ok) {
    // A focused button with autoDefault would take Enter for itself.
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) b->setAutoDefault(false);
    ok->setDefault(true);
}

void WireOkCancel(QDialog* dialog, QPushButton* ok, QPushButton* cancel,
                  const std::function<void()>& onOk) {
    EnterPressesOk(dialog, ok);
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace corv
