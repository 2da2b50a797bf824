#pragma once
// The two export dialogs of the graph window's Export menu: which stretch (the F4..F5
// section or the entire channel), which channels, and the file. The text dialog writes
// delimited text tables, the binary dialog the program's own channel files. Both show the
// choices made last and, when they open, the default export file name.

#include <QDialog>

#include "files/ExportPlan.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;
class RadioGroup;

// The form both dialogs share; they differ in caption, channel choices and help file.
class ExportDialog : public QDialog {
    Q_OBJECT
  public:
    // What the default name becomes when the dialog is first activated.
    void FormActivate();
    // Exports as chosen and closes; stays open when the user refused to overwrite a file.
    void btnOKClick();
    void btnHelpClick();
    // A file-save dialog on the typed name; its choice replaces the name.
    void btnBrowseClick();

    RadioGroup* rgrSection;
    RadioGroup* rgrChannel;
    QLabel* lblfName;
    QLineEdit* edtfName;
    QPushButton* btnBrowse;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnHelp;
    // "Save processing log": the log goes beside each exported file; remembered for the run.
    QCheckBox* chkSaveLog;

  protected:
    ExportDialog(AppState& state, UiPort& ui, ExportFormat format, QWidget* parent);

    void showEvent(QShowEvent* e) override;

  private:
    ExportRequest Request() const;

    AppState& m_state;
    UiPort& m_ui;
    ExportFormat m_format;
    bool m_activated = false;
};

class TfrmExportText : public ExportDialog {
    Q_OBJECT
  public:
    TfrmExportText(AppState& state, UiPort& ui, QWidget* parent = nullptr);
};

class TfrmExportBin : public ExportDialog {
    Q_OBJECT
  public:
    TfrmExportBin(AppState& state, UiPort& ui, QWidget* parent = nullptr);
};

// Export > "&Text file ..." and "&Binary file ...": run the dialog modally.
void ShowExportTextDialog(AppState& state, UiPort& ui, QWidget* parent);
void ShowExportBinDialog(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
