#include "analysis/BeakParamDialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "AppState.h"
#include "analysis/BeakCommands.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "help/HelpViewer.h"

namespace corv {

namespace {

constexpr int kLabelWidth = 110;
constexpr int kEditWidth = 70;
constexpr int kRow = 26;
constexpr int kGroupWidth = 200;

QGroupBox* MakeGroup(QWidget* parent, const FormScale& s, const char* name, const char* title,
                     int left, int top, int width, int rows) {
    auto* g = new QGroupBox(QString::fromLatin1(title), parent);
    g->setObjectName(QString::fromLatin1(name));
    s.Place(g, left, top, width, 22 + rows * kRow);
    return g;
}

// One labelled edit in row `row` of a group.
QLineEdit* Row(QWidget* group, const FormScale& s, const char* name, const char* label, int row,
               const std::string& text, int editWidth = kEditWidth) {
    const int top = 20 + row * kRow;
    MakeLabel(group, s, QStringLiteral("lbl") + QString::fromLatin1(name + 3),
              QString::fromLatin1(label), 8, top, kLabelWidth);
    return MakeEdit(group, s, QString::fromLatin1(name), ToQ(text), 8 + kLabelWidth, top,
                    editWidth);
}

}  // namespace

TfrmBeakParm::TfrmBeakParm(AppState& state, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui) {
    const FormScale s =
        StartForm(this, QStringLiteral("frmBeakParm"), QStringLiteral("Beak Parameters"));
    const BeakParamTexts t = CurrentParamTexts(state);

    gboBeak = MakeGroup(this, s, "gboBeak", "Beak events", 8, 8, kGroupWidth, 6);
    edtScanInterval = Row(gboBeak, s, "edtScanInterval", "Scan interval", 0, t.ScanInterval);
    edtSlopeBeak = Row(gboBeak, s, "edtSlopeBeak", "Slope", 1, t.BeakSlope);
    edtLevelBeak = Row(gboBeak, s, "edtLevelBeak", "Level", 2, t.BeakLevel);
    edtThrType = Row(gboBeak, s, "edtThrType", "Threshold Type", 3, t.TypeThreshold);
    edtThrBeak = Row(gboBeak, s, "edtThrBeak", "Threshold Beak", 4, t.BeakThreshold);
    edtMinDuration = Row(gboBeak, s, "edtMinDuration", "Min. bout duration", 5, t.MinDuration);

    const int right = 8 + kGroupWidth + 10;
    gboDive = MakeGroup(this, s, "gboDive", "Dive events", right, 8, kGroupWidth, 3);
    edtLevelDive = Row(gboDive, s, "edtLevelDive", "Level", 0, t.DiveLevel);
    edtThrDive = Row(gboDive, s, "edtThrDive", "Threshold", 1, t.DiveThreshold);
    edtSlopeDive = Row(gboDive, s, "edtSlopeDive", "Slope", 2, t.DiveSlope);
    const int winTop = 8 + 22 + 3 * kRow + 12;
    MakeLabel(this, s, QStringLiteral("lblWinSize"), QStringLiteral("Window Size"), right + 8,
              winTop, kLabelWidth);
    edtWinSize = MakeEdit(this, s, QStringLiteral("edtWinSize"), ToQ(t.WindowSize),
                          right + 8 + kLabelWidth, winTop, kEditWidth);
    btnChgBeakType =
        MakeButton(this, s, QStringLiteral("btnChgBeakType"), QStringLiteral("Change Beak Type"),
                   right + 8, winTop + 36, 150, 25, QStringLiteral("Breath <-> Feed"));

    const int filesTop = 8 + 22 + 6 * kRow + 10;
    gboFiles =
        MakeGroup(this, s, "gboFiles", "Result files ", 8, filesTop, 2 * kGroupWidth + 10, 3);
    const int fileWidth = 2 * kGroupWidth + 10 - kLabelWidth - 24;
    edtAllEvents = Row(gboFiles, s, "edtAllEvents", "All events", 0, t.allFile, fileWidth);
    edtOnlyBreath =
        Row(gboFiles, s, "edtOnlyBreath", "Only breath events", 1, t.breathFile, fileWidth);
    edtOnlyFeed = Row(gboFiles, s, "edtOnlyFeed", "Only feed events", 2, t.feedFile, fileWidth);

    const int buttonsTop = filesTop + 22 + 3 * kRow + 12;
    btnOk =
        MakeButton(this, s, QStringLiteral("btnOk"), QStringLiteral("OK"), 8, buttonsTop, 75, 25);
    btnHelp = MakeButton(this, s, QStringLiteral("btnHelp"), QStringLiteral("Help"), 170,
                         buttonsTop, 75, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 335,
                           buttonsTop, 75, 25);
    btnOk->setDefault(true);
    setFixedSize(s.X(2 * kGroupWidth + 26), s.Y(buttonsTop + 36));
    WireOkCancel(this, btnOk, btnCancel, [this] { btnOkClick(); });
    connect(btnChgBeakType, &QPushButton::clicked, this, [this] { btnChgBeakTypeClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        RunGuarded(m_ui, [this] {
            m_ui.ShowHelpFile(
                TfrmHelp::HelpFilePath(ToPath(ToQ(m_state.folders.HelpFolder)), "frmBeakPrms.rtf"));
        });
    });
}

void TfrmBeakParm::btnOkClick() {
    BeakParamTexts t;
    t.ScanInterval = ToStd(edtScanInterval->text());
    t.BeakLevel = ToStd(edtLevelBeak->text());
    t.BeakSlope = ToStd(edtSlopeBeak->text());
    t.TypeThreshold = ToStd(edtThrType->text());
    t.BeakThreshold = ToStd(edtThrBeak->text());
    t.DiveLevel = ToStd(edtLevelDive->text());
    t.DiveThreshold = ToStd(edtThrDive->text());
    t.DiveSlope = ToStd(edtSlopeDive->text());
    t.MinDuration = ToStd(edtMinDuration->text());
    t.WindowSize = ToStd(edtWinSize->text());
    t.breathFile = ToStd(edtOnlyBreath->text());
    t.feedFile = ToStd(edtOnlyFeed->text());
    t.allFile = ToStd(edtAllEvents->text());
    if (RunGuarded(m_ui, [&] { StoreParamTexts(m_state, t); })) accept();
}

void TfrmBeakParm::btnChgBeakTypeClick() {
    ChangeBeakType(m_state, m_ui);
}

bool ShowBeakParamDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmBeakParm dialog(state, ui, parent);
    CentreOnScreen(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace corv
