#pragma once
// The strip height dialog (View > "&WinSize ..."): one scroll bar 0..10 per present
// channel for the share of the strip area its strip gets.

#include <QDialog>
#include <array>

#include "core/ChannelRecord.h"
#include "graph/ViewDialogResult.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace corv {

struct AppState;
class UiPort;

class TFormChgeWinHeight : public QDialog {
    Q_OBJECT
  public:
    TFormChgeWinHeight(AppState& state, UiPort& ui, QWidget* parent = nullptr);

    // Stores the heights of the present channels and closes with OK; heights that would
    // leave no strip are refused with a message and the dialog stays open.
    void btnOKClick();

    std::array<QScrollBar*, kChannelCount> sbrHeight{};
    std::array<QLabel*, kChannelCount> lblChannel{};
    QLabel* lblZero;
    QLabel* lblMax;
    QPushButton* btnOK;
    QPushButton* btnCancel;

  private:
    AppState& m_state;
    UiPort& m_ui;
};

// Runs the dialog; the window rebuilds its strips afterwards, also after Cancel.
ViewDialogResult ShowWinHeightDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
