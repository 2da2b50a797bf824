#pragma once
// The "Statistics" window (form frmStatistics): the results of the WorkSection of the active
// channel as lines of selectable text, with OK, Help and Export.

#include <QDialog>
#include <vector>

#include "calc/SectionStatistics.h"

class QLabel;
class QPushButton;

namespace corv {

struct AppState;
class UiPort;

class TfrmStatistics : public QDialog {
    Q_OBJECT
  public:
    // Computes the results once, when the window is created.
    TfrmStatistics(AppState& state, UiPort& ui, QWidget* parent = nullptr);

    const SectionStatistics& Results() const { return m_results; }

    std::vector<QLabel*> lines;
    QPushButton* btnOK;
    QPushButton* btnHelp;
    QPushButton* btnExport;

  private:
    void btnExportClick();

    AppState& m_state;
    UiPort& m_ui;
    SectionStatistics m_results;
    double m_f4;
    double m_f5;
};

// Calculations > "&Statistics": shows the window modally.
void ShowStatisticsWindow(AppState& state, UiPort& ui, QWidget* parent);

}  // namespace corv
