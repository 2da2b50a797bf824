#pragma once
// The subsidiary-line dialog (View > "Subsidiary &line ..."): nine rows of a check box and
// a value edit, one per horizontal reference line of the active channel.

#include <QDialog>
#include <array>

#include "graph/ViewDialogResult.h"
#include "graph/ViewSettings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;

class TFrmSubsidLine : public QDialog {
    Q_OBJECT
  public:
    // Shows the lines of channel c.
    TFrmSubsidLine(AppState& state, UiPort& ui, int c, QWidget* parent = nullptr);

    // Stores the rows and closes with OK; a value that is not a number is reported and
    // the dialog stays open with nothing stored.
    void btnOKClick();

    std::array<QCheckBox*, kSubsidLineRows> chkLine{};  // lines 1..9
    std::array<QLineEdit*, kSubsidLineRows> edtLine{};
    QPushButton* btnOK;
    QPushButton* btnCancel;

  private:
    void Fill(const SubsidLineRows& rows);

    AppState& m_state;
    UiPort& m_ui;
    int m_channel;
};

// Runs the dialog on the active channel; after OK the active strip is redrawn with the
// new lines, after Cancel nothing changed.
ViewDialogResult ShowSubsidLineDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
