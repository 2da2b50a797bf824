#pragma once
// Enter acts as OK wherever the focus is, Esc as Cancel (the dialog's reject).

#include <functional>

class QDialog;
class QPushButton;

namespace corv {

// Makes `ok` the button that Enter presses, also while another button has the focus.
void EnterPressesOk(QDialog* dialog, QPushButton* ok);

// The buttons most forms end with: Enter presses `ok`, whose click runs onOk, and `cancel`
// rejects the dialog. Call it once all buttons exist.
void WireOkCancel(QDialog* dialog, QPushButton* ok, QPushButton* cancel,
                  const std::function<void()>& onOk);

}  // namespace corv
