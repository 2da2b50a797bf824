#pragma once
// The page of one channel in the main dialog: input file, sampling interval, start date
// and time, file format and scaling. Fields are written into the channel's record as soon
// as their control is left; Fill and Read move all of them at once.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace corv {

struct AppState;
struct ChannelRecord;
class UiPort;

class ChannelPage : public QWidget {
    Q_OBJECT
  public:
    // Builds the controls of channel c (0..2); they carry their default texts until Fill.
    ChannelPage(int c, AppState& state, UiPort& ui, QWidget* parent = nullptr);

    int Channel() const { return m_channel; }

    // Every control from the channel's record.
    void Fill();
    // Every control into the record (the caption excepted); raises ConversionError for an
    // interval, column, header-line, min or max text that is not a number.
    void Read();
    // The format controls into the record, with a message for each invalid entry.
    void ValidateFormat();
    // Enables the format and scaling controls that the chosen format uses.
    void UpdateFormatStates();

    // Leave and click handlers.
    void edtFileNameChange();
    void btnFileNameClick();
    void edtSampRateExit();
    void dtpStartExit();
    void edtMinExit();
    void edtMaxExit();
    void cboMissingValuesChange();
    // "Preview…": the file's first lines; the column picked there fills the format fields
    // and the caption.
    void btnPreviewClick();

    // The Copy buttons: this channel takes the setting from channel 0's page.
    void CopyNameFrom(const ChannelPage& src);
    void CopySampRateFrom(const ChannelPage& src);
    void CopyTimeFrom(const ChannelPage& src);
    void CopyFormatFrom(const ChannelPage& src);
    void CopyScalingFrom(const ChannelPage& src);

    QPushButton* btnFileName;
    QLineEdit* edtFileName;
    QLabel* lblSampRate;
    QLineEdit* edtSampRate;
    QLabel* lblStartTime;
    QDateEdit* dtpDate;
    QTimeEdit* dtpTime;
    QGroupBox* gboFormat;
    QRadioButton* rboBinary;
    QRadioButton* rboText;
    QCheckBox* chkReadHeader;
    QLabel* lblHeader;
    QLineEdit* edtHeader;
    QLabel* lblColumn;
    QLineEdit* edtColumn;
    QLabel* lblSeparator;
    QComboBox* cboSeparator;
    QGroupBox* gboScaling;
    QLabel* lblMin;
    QLineEdit* edtMin;
    QLabel* lblMax;
    QLineEdit* edtMax;
    QCheckBox* chkAutoScale;
    QLabel* lblMissingValues;
    QComboBox* cboMissingValues;  // index 0 "Skip the line", 1 "Keep the time step"
    QPushButton* btnPreview;

  signals:
    // The preview named the channel after its column; the dialog shows it on the tab.
    void captionChosen(const QString& caption);

  private:
    ChannelRecord& Rec();
    void BuildFileAndTime();
    void BuildFormatGroup();
    void BuildScalingGroup();
    void ConnectHandlers();
    void FillStartTime();
    double PickedStartTime() const;
    // A range edit's text as a float; 0 and "Illegal value" when it is not a number.
    double RangeFromEdit(const QLineEdit* edit);

    int m_channel;
    AppState& m_state;
    UiPort& m_ui;
};

}  // namespace corv
