#pragma once
// The beak analysis parameters (Analysis > "&Parameters ..."): the search parameters, the
// three results files and the Change Beak Type button, which acts at once.

#include <QDialog>

class QLineEdit;
class QPushButton;
class QGroupBox;

namespace corv {

struct AppState;
class UiPort;

class TfrmBeakParm : public QDialog {
    Q_OBJECT
  public:
    TfrmBeakParm(AppState& state, UiPort& ui, QWidget* parent = nullptr);

    // Stores the values in their order and closes with OK; a text that is no number is
    // reported, the dialog stays open and the values before it keep their new values.
    void btnOkClick();
    void btnChgBeakTypeClick();

    QGroupBox* gboBeak;
    QGroupBox* gboDive;
    QGroupBox* gboFiles;
    QLineEdit* edtScanInterval;
    QLineEdit* edtSlopeBeak;
    QLineEdit* edtLevelBeak;
    QLineEdit* edtThrType;
    QLineEdit* edtThrBeak;
    QLineEdit* edtMinDuration;
    QLineEdit* edtLevelDive;
    QLineEdit* edtThrDive;
    QLineEdit* edtSlopeDive;
    QLineEdit* edtWinSize;
    QLineEdit* edtAllEvents;
    QLineEdit* edtOnlyBreath;
    QLineEdit* edtOnlyFeed;
    QPushButton* btnChgBeakType;
    QPushButton* btnOk;
    QPushButton* btnHelp;
    QPushButton* btnCancel;

  private:
    AppState& m_state;
    UiPort& m_ui;
};

// Runs the dialog modally; true when closed with OK.
bool ShowBeakParamDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
