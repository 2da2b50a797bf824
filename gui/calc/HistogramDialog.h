#pragma once
// The "Histogram" dialog (TfrmHistogram): the first press of OK counts the WorkSection of
// the active channel into 256 bins and draws the bars, the second ("Export") writes the
// table; the mouse over the bars reads out value and count.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;
class ReadoutImage;
class TChanImage;

class TfrmHistogram : public QDialog {
    Q_OBJECT
  public:
    TfrmHistogram(AppState& state, UiPort& ui, QWidget* parent = nullptr);

    void btnOKClick();
    // The read-out for the pointer at (x, y) of the image (after the first press).
    void ImgMouseMove(int x, int y);
    int PressCount() const { return m_presses; }

    ReadoutImage* imgHistogram;
    TChanImage* imgCountScale;
    QLineEdit* edtMinBin;
    QLineEdit* edtBinSize;
    QLineEdit* edtHistFile;
    QLabel* lblMin;
    QLabel* lblTop;
    QLabel* lblValue;
    QLabel* lblAmount;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

  private:
    void FirstPress();
    void DrawLabels();

    AppState& m_state;
    UiPort& m_ui;
    int m_presses = 0;
};

void ShowHistogramDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
