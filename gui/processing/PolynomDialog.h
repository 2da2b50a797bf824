#pragma once
// The Polynom dialog (Process > Polynom ...): the eleven coefficients of the active
// channel's rational calibration polynomial and its Apply flag, with a picture of the
// formula ("poly.bmp" from the help folder) drawn at (20, 20).

#include <QDialog>
#include <QPixmap>
#include <array>

#include "processing/Polynom.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;

class TfrmPolynom : public QDialog {
    Q_OBJECT
  public:
    TfrmPolynom(AppState& state, UiPort& ui, QWidget* parent = nullptr);

    // Stores the coefficients and closes; a text that does not convert is reported, the
    // coefficients before it stay stored and the dialog stays open.
    void btnOkClick();
    // The identity polynomial, unchecked, stored at once.
    void btnResetClick();
    // The Apply flag follows the box at once.
    void chkApplyPolynomClick();

    // The edits by letter, A at 0 .. K at 10.
    std::array<QLineEdit*, kPolynomLetters> edt{};
    QLineEdit* Edit7;
    QCheckBox* chkApplyPolynom;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnHelp;
    QPushButton* btnReset;
    // The picture of the formula; null when "poly.bmp" could not be loaded.
    const QPixmap& Picture() const { return m_picture; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    PolynomTexts Texts() const;

    AppState& m_state;
    UiPort& m_ui;
    int m_channel;
    QPixmap m_picture;
};

// Runs the dialog on the active channel.
void ShowPolynomDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
