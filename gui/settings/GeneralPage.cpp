#include "settings/GeneralPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "core/FileChooser.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/NumberFormat.h"
#include "core/QtText.h"
#include "core/WidgetHooks.h"
#include "settings/Coordinates.h"
#include "settings/SetupFile.h"

namespace corv {

namespace {

struct RowTexts {
    const char* name;     // object name stem: "Lon", "Lat", "EndLon", "EndLat"
    const char* caption;  // label
    const char* hint;     // hint of the decimal edit
    const char* partHints[3];
};

// The start longitude's parts have long hints, all others short ones.
const RowTexts kRows[4] = {
    {"Lon", "Longitude", "West : neg. values", {"degree", "minutes", "seconds"}},
    {"Lat", "Latitude", "South : neg. values", {"deg", "min", "sec"}},
    {"EndLon", "Longitude", "West : neg. values", {"deg", "min", "sec"}},
    {"EndLat", "Latitude", "South : neg. values", {"deg", "min", "sec"}},
};

const char* const kPartNames[3] = {"Deg", "Min", "Sec"};
const char* const kPartUnits[3] = {"\u00B0", "'", "\""};

}  // namespace

GeneralPage::GeneralPage(AppState& state, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_state(state), m_ui(ui) {
    setObjectName(QStringLiteral("tsGeneral"));
    BuildSetupFileRow();
    gboStartCoord = BuildCoordinateGroup(true, 72);
    gboEndCoord = BuildCoordinateGroup(false, 192);
    edtLon = m_coords[0].decimal;
    edtLonDeg = m_coords[0].deg;
    edtLonMin = m_coords[0].min;
    edtLonSec = m_coords[0].sec;
    edtLat = m_coords[1].decimal;
    edtLatDeg = m_coords[1].deg;
    edtLatMin = m_coords[1].min;
    edtLatSec = m_coords[1].sec;
    edtEndLon = m_coords[2].decimal;
    edtEndLonDeg = m_coords[2].deg;
    edtEndLonMin = m_coords[2].min;
    edtEndLonSec = m_coords[2].sec;
    edtEndLat = m_coords[3].decimal;
    edtEndLatDeg = m_coords[3].deg;
    edtEndLatMin = m_coords[3].min;
    edtEndLatSec = m_coords[3].sec;
}

void GeneralPage::BuildSetupFileRow() {
    const FormScale s(font());
    btnCfgFile =
        MakeButton(this, s, QStringLiteral("btnCfgFile"), QStringLiteral("&Read config. file"), 32,
                   24, 112, 25, QStringLiteral("Load Settings"));
    EditCfgfName = MakeEdit(this, s, QStringLiteral("EditCfgfName"), QString(), 152, 26, 368);
    auto run = [this](void (GeneralPage::*handler)()) {
        return [this, handler] { RunGuarded(m_ui, [this, handler] { (this->*handler)(); }); };
    };
    connect(btnCfgFile, &QPushButton::clicked, this, run(&GeneralPage::btnCfgFileClick));
    OnEnterKey(EditCfgfName, run(&GeneralPage::btnCfgFileClick));
    OnLeave(EditCfgfName, run(&GeneralPage::EditCfgfNameExit));
}

QGroupBox* GeneralPage::BuildCoordinateGroup(bool start, int top) {
    const FormScale s(font());
    auto* group = new QGroupBox(
        start ? QStringLiteral("Start Co-ordinates") : QStringLiteral("End Co-ordinates"), this);
    group->setObjectName(start ? QStringLiteral("gboStartCoord") : QStringLiteral("gboEndCoord"));
    group->setToolTip(start ? QStringLiteral("Where did the animal start")
                            : QStringLiteral("End of Route "));
    s.Place(group, 32, top, 488, 104);
    for (int row = 0; row < 2; ++row) {
        const int k = (start ? 0 : 2) + row;
        const RowTexts& t = kRows[k];
        const int y = 28 + 36 * row;
        const QString stem = QString::fromLatin1(t.name);
        MakeLabel(group, s, QStringLiteral("lbl") + stem, QString::fromLatin1(t.caption), 16, y,
                  64);
        CoordinateEdits& e = m_coords[static_cast<size_t>(k)];
        e.decimal = MakeEdit(group, s, QStringLiteral("edt") + stem, QString(), 88, y, 112,
                             QString::fromLatin1(t.hint));
        QLineEdit** parts[3] = {&e.deg, &e.min, &e.sec};
        for (int p = 0; p < 3; ++p) {
            const int x = 224 + 80 * p;
            *parts[p] = MakeEdit(group, s, QStringLiteral("edt") + stem + kPartNames[p], QString(),
                                 x, y, 56, QString::fromLatin1(t.partHints[p]));
            MakeLabel(group, s, QStringLiteral("lblUnit"), QString::fromUtf8(kPartUnits[p]), x + 58,
                      y, 12);
            OnLeave(*parts[p], [this, k] { RunGuarded(m_ui, [this, k] { DegreesExit(k); }); });
        }
        OnLeave(e.decimal, [this, k] { RunGuarded(m_ui, [this, k] { DecimalExit(k); }); });
    }
    return group;
}

double& GeneralPage::Coordinate(int k) {
    Settings& s = m_state.settings;
    switch (k) {
        case 0:
            return s.StartCoordLon;
        case 1:
            return s.StartCoordLat;
        case 2:
            return s.EndCoordLon;
        default:
            return s.EndCoordLat;
    }
}

void GeneralPage::Fill() {
    EditCfgfName->setText(ToQ(m_state.folders.SetupPath));
    for (int k = 0; k < 4; ++k) {
        m_coords[static_cast<size_t>(k)].decimal->setText(ToQ(FormatShortest(Coordinate(k))));
        FillCoordinate(k);
    }
}

void GeneralPage::FillCoordinate(int k) {
    const CoordinateEdits& e = m_coords[static_cast<size_t>(k)];
    try {
        const DegreeParts p = SplitDegrees(Coordinate(k));
        e.deg->setText(QString::number(p.degrees));
        e.min->setText(QString::number(p.minutes));
        e.sec->setText(QString::number(p.seconds));
    } catch (const RangeError&) {
        // An angle far outside the globe (from a foreign setup file) has no parts to show.
        for (QLineEdit* edit : {e.deg, e.min, e.sec}) edit->clear();
    }
}

void GeneralPage::SetCoordinatesVisible(bool visible) {
    gboStartCoord->setVisible(visible);
    gboEndCoord->setVisible(visible);
}

void GeneralPage::ReadSetup() {
    ReadSetupFile(m_state, ToPath(EditCfgfName->text()));
    emit SetupFileRead();
}

void GeneralPage::btnCfgFileClick() {
    const auto chosen = ChooseAnyFile(window(), ToQ(m_state.folders.SetupPath));
    if (!chosen) return;
    m_state.folders.SetupPath = ToStd(*chosen);
    EditCfgfName->setText(*chosen);
    ReadSetup();
}

void GeneralPage::EditCfgfNameExit() {
    m_state.folders.SetupPath = ToStd(EditCfgfName->text());
    ReadSetup();
}

void GeneralPage::DecimalExit(int k) {
    Coordinate(k) = StrToFloat(ToStd(m_coords[static_cast<size_t>(k)].decimal->text()));
    FillCoordinate(k);
}

void GeneralPage::DegreesExit(int k) {
    const CoordinateEdits& e = m_coords[static_cast<size_t>(k)];
    const double joined =
        JoinDegrees(StrToInt(ToStd(e.deg->text())), StrToInt(ToStd(e.min->text())),
                    StrToInt(ToStd(e.sec->text())));
    e.decimal->setText(ToQ(FormatShortest(joined)));
    // The co-ordinate is what the edit shows, so edit and setting agree.
    Coordinate(k) = StrToFloat(ToStd(e.decimal->text()));
}

}  // namespace corv
