#include "processing/SectionDialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/UiPort.h"
#include "graph/GraphWindow.h"
#include "graph/RedrawFlags.h"
#include "graph/StripWidgets.h"

namespace corv {

namespace {

constexpr int kBoxLeft = 45;
constexpr int kBoxWidth = 90;
constexpr int kBoxPitch = 25;

QString BufferCaption(int b) {
    return QStringLiteral("Buffer &%1").arg(b);
}

}  // namespace

TfrmStoreSection::TfrmStoreSection(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state) {
    const FormScale s =
        StartForm(this, QStringLiteral("frmStoreSection"), QStringLiteral("Store current section"));
    constexpr int kFirstTop = 60;
    const int buttons = kFirstTop + kSectionBufferCount * kBoxPitch + 10;
    setFixedSize(s.X(300), s.Y(buttons + 45));
    Label1 = MakeLabel(this, s, QStringLiteral("Label1"),
                       QStringLiteral("Store the current section (F4..F5) at ..."), 20, 20, 260);
    const std::array<bool, kSectionBufferCount> used = UsedSectionBuffers(state);
    for (int b = 0; b < kSectionBufferCount; ++b) {
        auto* box = new QCheckBox(BufferCaption(b), this);
        box->setObjectName(QStringLiteral("chkBuffer%1").arg(b));
        box->setLayoutDirection(Qt::RightToLeft);  // the text left of the box
        s.Place(box, kBoxLeft, kFirstTop + b * kBoxPitch, kBoxWidth, EditHeight());
        box->setChecked(used[size_t(b)]);
        // Ticking fills the buffer at once; unticking waits for OK.
        connect(box, &QCheckBox::toggled, this, [this, b](bool on) {
            if (on) FillSectionBuffer(m_state, b);
        });
        chkBuffer[size_t(b)] = box;
    }
    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 30, buttons, 90, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 160,
                           buttons, 90, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });
}

void TfrmStoreSection::btnOKClick() {
    std::array<bool, kSectionBufferCount> ticked{};
    for (size_t b = 0; b < ticked.size(); ++b) ticked[b] = chkBuffer[b]->isChecked();
    SetSectionBuffersUsed(m_state, ticked);
    accept();
}

void ShowStoreSectionDialog(AppState& state, QWidget* parent) {
    TfrmStoreSection dialog(state, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
}

TfrmSecOverwrite::TfrmSecOverwrite(AppState& state, UiPort& ui, GraphWindow& graph)
    : QDialog(&graph, Qt::Tool | Qt::WindowStaysOnTopHint),
      m_state(state),
      m_ui(ui),
      m_graph(graph) {
    setObjectName(QStringLiteral("frmSecOverwrite"));
    setWindowTitle(QStringLiteral("frmSecOverwrite"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    const FormScale s(font());
    constexpr int kFirstTop = 80;
    const int text2 = kFirstTop + kSectionBufferCount * kBoxPitch + 5;
    const int buttons = text2 + 55;
    setFixedSize(s.X(380), s.Y(buttons + 45));
    Label1 = MakeLabel(this, s, QStringLiteral("Label1"),
                       QStringLiteral("Overwrite the data  of the active channel - begining at the "
                                      "F4-cursor - by the data stored in  ..."),
                       15, 10, 350);
    Label1->setWordWrap(true);
    Label1->setMinimumHeight(s.Y(50));
    const int sole = SoleUsedSectionBuffer(state);
    int used = 0;
    for (int b = 0; b < kSectionBufferCount; ++b) {
        auto* radio = new QRadioButton(BufferCaption(b), this);
        radio->setObjectName(QStringLiteral("rdbBuffer%1").arg(b));
        radio->setLayoutDirection(Qt::RightToLeft);
        s.Place(radio, kBoxLeft, kFirstTop + b * kBoxPitch, kBoxWidth, EditHeight());
        radio->setEnabled(state.sectionBuffers[size_t(b)].used);
        used += state.sectionBuffers[size_t(b)].used ? 1 : 0;
        rdbBuffer[size_t(b)] = radio;
    }
    QString second = QStringLiteral(
        "Click into the data channel, move the data section by moving the F4-cursor. Click the "
        "'Fix it'-button to replace the data. ");
    if (used > 1) second.prepend(QStringLiteral("Press Okay. "));
    Label2 = MakeLabel(this, s, QStringLiteral("Label2"), second, 15, text2, 350);
    Label2->setWordWrap(true);
    Label2->setMinimumHeight(s.Y(50));
    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 60, buttons, 90, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 220,
                           buttons, 90, 25);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    if (sole >= 0) {
        rdbBuffer[size_t(sole)]->setChecked(true);
        btnOKClick();
    }
}

int TfrmSecOverwrite::SelectedRadio() const {
    for (int b = 0; b < kSectionBufferCount; ++b)
        if (rdbBuffer[size_t(b)]->isChecked()) return b;
    return -1;
}

void TfrmSecOverwrite::Preview() {
    StripWidgets& strips = m_graph.Images();
    m_state.sectionPreview.Hide(m_state, strips);
    m_state.sectionPreview.Show(m_state, strips);
    strips.UpdateAll();
}

void TfrmSecOverwrite::Unpreview() {
    HideSectionBuffers(m_state);
    StripWidgets& strips = m_graph.Images();
    m_state.sectionPreview.Hide(m_state, strips);
    strips.UpdateAll();
}

void TfrmSecOverwrite::btnOKClick() {
    if (m_presses == 0) {
        RunGuarded(m_ui, [this] {
            if (!SelectSectionBuffer(m_state, m_ui, SelectedRadio())) return;
            Preview();
            ++m_presses;
            btnOK->setText(QStringLiteral("Fix it"));
        });
        return;
    }
    ++m_presses;
    const int b = m_state.selectedSectionBuffer;
    Unpreview();
    RunGuarded(m_ui, [this, b] { CopySectionBuffer(m_state, m_ui, b); });
    close();
    m_graph.Redraw(kRedrawStripMarksScale | kRedrawOverview | kRedrawOverviewMarks |
                   kRedrawReadouts);
}

void TfrmSecOverwrite::btnCancelClick() {
    close();
}

void TfrmSecOverwrite::closeEvent(QCloseEvent* e) {
    Unpreview();
    e->accept();
}

TfrmSecOverwrite* ShowSecOverwriteDialog(AppState& state, UiPort& ui, GraphWindow& graph) {
    static QPointer<TfrmSecOverwrite> open;
    if (open) {
        open->raise();
        return open;
    }
    open = new TfrmSecOverwrite(state, ui, graph);
    open->show();
    return open;
}

}  // namespace corv
