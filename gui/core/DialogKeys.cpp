#include "core/DialogKeys.h"

#include <QDialog>
#include <QPushButton>

namespace corv {

void EnterPressesOk(QDialog* dialog, QPushButton* ok) {
    // A focused button with autoDefault would take Enter for itself.
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) b->setAutoDefault(false);
    ok->setDefault(true);
}

}  // namespace corv
