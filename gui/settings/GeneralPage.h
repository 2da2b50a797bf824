#pragma once
// The General page of the main dialog: the setup file to read, and the start and end
// co-ordinates of a route (shown only by the analysis kinds that use them), each as
// decimal degrees and as degrees, minutes and seconds.

#include <QWidget>
#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;

class GeneralPage : public QWidget {
    Q_OBJECT
  public:
    GeneralPage(AppState& state, UiPort& ui, QWidget* parent = nullptr);

    // The setup file name and the co-ordinates from the settings.
    void Fill();
    void SetCoordinatesVisible(bool visible);

    // Handlers.
    void btnCfgFileClick();
    void EditCfgfNameExit();
    // Co-ordinate k (0 start longitude, 1 start latitude, 2 end longitude, 3 end latitude):
    // the decimal edit was left, or one of its degree, minute or second edits.
    void DecimalExit(int k);
    void DegreesExit(int k);

    QPushButton* btnCfgFile;
    QLineEdit* EditCfgfName;
    QGroupBox* gboStartCoord;
    QGroupBox* gboEndCoord;
    QLineEdit *edtLon, *edtLat, *edtLonDeg, *edtLonMin, *edtLonSec, *edtLatDeg, *edtLatMin,
        *edtLatSec;
    QLineEdit *edtEndLon, *edtEndLat, *edtEndLonDeg, *edtEndLonMin, *edtEndLonSec, *edtEndLatDeg,
        *edtEndLatMin, *edtEndLatSec;

  signals:
    // A setup file was read (or tried); the whole dialog must show the settings again.
    void SetupFileRead();

  private:
    struct CoordinateEdits {
        QLineEdit* decimal;
        QLineEdit* deg;
        QLineEdit* min;
        QLineEdit* sec;
    };

    void BuildSetupFileRow();
    QGroupBox* BuildCoordinateGroup(bool start, int top);
    double& Coordinate(int k);
    void FillCoordinate(int k);
    void ReadSetup();

    AppState& m_state;
    UiPort& m_ui;
    std::array<CoordinateEdits, 4> m_coords{};
};

}  // namespace corv
