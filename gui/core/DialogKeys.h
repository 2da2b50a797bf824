#pragma once
// Enter acts as OK wherever the focus is, Esc as Cancel (the dialog's reject).

class QDialog;
class QPushButton;

namespace corv {

// Makes `ok` the button that Enter presses, also while another button has the focus.
void EnterPressesOk(QDialog* dialog, QPushButton* ok);

}  // namespace corv
