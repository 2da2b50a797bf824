#pragma once
// The Add ramp dialog (Process > Add ramp ...): chooses between the two ramp modes of the
// work-section routine, a ramp of a typed amount or equalizing the F5 value to the F4 value.
// The routine itself is given to the dialog as RampActions.

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corv {

struct AppState;
class UiPort;

// The two modes of the work-section routine, run on the active channel; true when they
// changed data.
struct RampActions {
    std::function<bool(double amount)> ramp;
    std::function<bool()> equalize;
};

class TfrmAddRamp : public QDialog {
    Q_OBJECT
  public:
    TfrmAddRamp(AppState& state, UiPort& ui, RampActions actions, QWidget* parent = nullptr);

    // Runs the checked mode (a text that is not a number: the conversion error, no change)
    // and closes.
    void btnOKClick();
    bool Changed() const { return m_changed; }

    QRadioButton* rdbRampOffs;
    QLineEdit* edtRamp;
    QRadioButton* rdbEqualize;
    QPushButton* btnOK;
    QPushButton* btnHelp;
    QPushButton* btnCancel;

  private:
    AppState& m_state;
    UiPort& m_ui;
    RampActions m_actions;
    bool m_changed = false;
};

// Runs the dialog; true when data changed.
bool ShowAddRampDialog(AppState& state, UiPort& ui, const RampActions& actions, QWidget* parent);

}  // namespace corv
