#pragma once
// The chart style dialog (View > "&Style ..."): the direction and figure of the active
// channel's curve, where all strips show their captions, and the active channel's caption.

#include <QDialog>

#include "graph/ViewDialogResult.h"
#include "graph/ViewSettings.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corv {

struct AppState;
class UiPort;
class RadioGroup;

class TfrmChartStyle : public QDialog {
    Q_OBJECT
  public:
    // Shows the style and caption of channel c.
    TfrmChartStyle(AppState& state, UiPort& ui, int c, QWidget* parent = nullptr);

    // Stores the checked style, caption position and caption; closes with OK.
    void btnOKClick();

    RadioGroup* gboScale;
    RadioGroup* gboStyle;
    RadioGroup* gboCaption;
    QRadioButton* rboNormal;
    QRadioButton* rboInverted;
    QRadioButton* rboSolid;
    QRadioButton* rboBars;
    QRadioButton* rboDots;
    QRadioButton* rboInvisible;
    QRadioButton* rboTop;
    QRadioButton* rboBottom;
    QLineEdit* edtCaption;
    QPushButton* btnOK;
    QPushButton* btnCancel;

  private:
    void Fill(const ChartStyleChoice& choice);

    AppState& m_state;
    UiPort& m_ui;
    int m_channel;
};

// Runs the dialog on the active channel. The active strip is redrawn afterwards, whatever
// the answer.
ViewDialogResult ShowChartStyleDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
