#pragma once
// The peak-elimination dialog (Filter > "&Peak elinination ...", form TfrmElimPeaks,
// "Eliminate Peaks"): three modes as radio buttons, the edits of the selected mode enabled.

#include <QDialog>

#include "processing/PeakElimination.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corv {

struct AppState;
class UiPort;

class TfrmElimPeaks : public QDialog {
    Q_OBJECT
  public:
    TfrmElimPeaks(AppState& state, UiPort& ui, QWidget* parent = nullptr);

    // Runs the selected mode on the active channel and closes; a field that does not
    // convert is reported and the dialog stays open with nothing changed.
    void btnOKClick();
    // Only the edits of the selected mode can be typed into.
    void EnableEdits();
    // True after OK when a sample changed.
    bool Changed() const { return m_changed; }

    QRadioButton* rboHighLow;
    QRadioButton* rboUserDefined;
    QRadioButton* rboReplSmallValues;
    QLineEdit* edtAmpl;
    QLineEdit* edtLength;
    QLineEdit* edtSmallVal;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

  private:
    AppState& m_state;
    UiPort& m_ui;
    bool m_changed = false;
};

// Shows the dialog; true when OK changed the active channel.
bool ShowElimPeaksDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
