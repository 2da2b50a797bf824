#pragma once
// The section buffer dialogs: Store (TfrmStoreSection, modal) marks the current section in
// buffers by ticking their boxes; Overwrite (TfrmSecOverwrite) stays on top without
// blocking the graph window, previews the chosen buffer at F4 while the user moves F4, and
// copies it on "Fix it".

#include <QDialog>
#include <array>
#include <cstdint>

#include "processing/SectionBuffers.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace corv {

struct AppState;
class UiPort;
class GraphWindow;

class TfrmStoreSection : public QDialog {
    Q_OBJECT
  public:
    TfrmStoreSection(AppState& state, QWidget* parent = nullptr);

    // Each buffer is used exactly when its box is ticked; closes.
    void btnOKClick();

    std::array<QCheckBox*, kSectionBufferCount> chkBuffer{};
    QLabel* Label1;
    QPushButton* btnOK;
    QPushButton* btnCancel;

  private:
    AppState& m_state;
};

void ShowStoreSectionDialog(AppState& state, QWidget* parent);

class TfrmSecOverwrite : public QDialog {
    Q_OBJECT
  public:
    TfrmSecOverwrite(AppState& state, UiPort& ui, GraphWindow& graph);

    // First press: previews the selected buffer ("Invalid choice" when none); second press
    // ("Fix it"): copies it into the active channel and closes.
    void btnOKClick();
    // Clears the preview and closes.
    void btnCancelClick();

    std::array<QRadioButton*, kSectionBufferCount> rdbBuffer{};
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    uint8_t Presses() const { return m_presses; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void Preview();
    void Unpreview();
    int SelectedRadio() const;

    AppState& m_state;
    UiPort& m_ui;
    GraphWindow& m_graph;
    uint8_t m_presses = 0;
};

// Opens the Overwrite window (one at a time) over the graph window and returns at once.
TfrmSecOverwrite* ShowSecOverwriteDialog(AppState& state, UiPort& ui, GraphWindow& graph);

}  // namespace corv
