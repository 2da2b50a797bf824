#pragma once
// The bi-channel dialog (Process > Bi-Channel > Add, Subtract, Abs): the two channels to
// combine and the channel for the result, numbered 1..3; the captions follow the kind.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;

class TfrmBiChannel : public QDialog {
    Q_OBJECT
  public:
    TfrmBiChannel(AppState& state, UiPort& ui, int kind, QWidget* parent = nullptr);

    // Runs the operation on the typed channels and closes.
    void btnOKClick();
    // True once OK changed data.
    bool Changed() const { return m_changed; }

    QLabel* lblChnl1;
    QLabel* lblChnl2;
    QLabel* lblChnlResult;
    QLineEdit* edtChnl1;
    QLineEdit* edtChnl2;
    QLineEdit* edtChnlResult;
    QLabel* StaticText1;
    QLabel* StaticText2;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

  private:
    AppState& m_state;
    UiPort& m_ui;
    int m_kind;
    bool m_changed = false;
};

// Runs the dialog for the kind (1 subtract, 2 add, 3 abs); true when data changed.
bool ShowBiChannelDialog(AppState& state, UiPort& ui, int kind, QWidget* parent);

}  // namespace corv
