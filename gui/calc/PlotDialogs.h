#pragma once
// Calculations > "&Plot chnl-chnl": the channel-number dialog (the bi-channel dialog's
// look: "&Plot channel Nr", "&against chan. Nr") and TfrmPlotChnl1againstChnl2, the scatter
// plot with its axes and a read-out of the values under the pointer.

#include <QDialog>

#include "calc/ChannelPlot.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;
class ReadoutImage;
class TChanImage;

// The bi-channel dialog's look for the two channel numbers (its operation controls left
// out); to be replaced by that dialog, relabelled, once it exists.
class PlotChannelQuery : public QDialog {
    Q_OBJECT
  public:
    explicit PlotChannelQuery(QWidget* parent = nullptr);

    QLabel* lblChannel1;
    QLabel* lblChannel2;
    QLineEdit* edtChannel1;
    QLineEdit* edtChannel2;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

class TfrmPlotChnl1againstChnl2 : public QDialog {
    Q_OBJECT
  public:
    TfrmPlotChnl1againstChnl2(AppState& state, UiPort& ui, const PlotChannels& channels,
                              QWidget* parent = nullptr);

    void ImgMouseMove(int x, int y);
    const PlotAxes& Axes() const { return m_axes; }

    ReadoutImage* imgPlotChnlChnl;
    TChanImage* imgYAxis;
    TChanImage* imgXAxis;
    QLineEdit* edtValChn1;
    QLineEdit* edtValChn2;
    QPushButton* btnOK;
    QPushButton* btnHelp;

  private:
    void DrawAxes();

    AppState& m_state;
    UiPort& m_ui;
    PlotAxes m_axes;
};

// The whole command; true when the plot was closed with OK (the graph window is redrawn).
bool PlotChannelAgainstChannel(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
