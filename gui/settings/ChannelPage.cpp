#include "settings/ChannelPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <algorithm>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/Convert.h"
#include "core/DateTyping.h"
#include "core/Errors.h"
#include "core/FileChooser.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/NumberFormat.h"
#include "core/QtText.h"
#include "core/Times.h"
#include "core/UiPort.h"
#include "core/WidgetHooks.h"
#include "files/ImportPreview.h"
#include "settings/FormatFields.h"

namespace corv {

namespace {

// Times before 1982 are shown as 1982; times are split into calendar parts only up to
// 18 January 2049 (32-bit seconds), so the pickers stop the day before.
const QDate kFirstDate(1982, 1, 1);
const QDate kLastDate(2049, 1, 17);

// An editable box shows exactly the text given; setCurrentText would take the spelling of
// a list item that matches but for letter case ("space(s)").
void SetBoxText(QComboBox* box, const QString& text) {
    box->lineEdit()->setText(text);
}

QString Name(const char* base, int c) {
    return QString::fromLatin1(base) + QString::number(c);
}

// The date picker's format with the program's own date separator.
QString DateFormat(char sep) {
    const QString quoted = sep == '\''
                               ? QStringLiteral("''")
                               : QStringLiteral("'") + QLatin1Char(sep) + QStringLiteral("'");
    return QStringLiteral("dd") + quoted + QStringLiteral("MM") + quoted + QStringLiteral("yyyy");
}

}  // namespace

ChannelPage::ChannelPage(int c, AppState& state, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_channel(c), m_state(state), m_ui(ui) {
    setObjectName(Name("tsChannel", c));
    BuildFileAndTime();
    BuildFormatGroup();
    BuildScalingGroup();
    ConnectHandlers();
}

ChannelRecord& ChannelPage::Rec() {
    return m_state.store.Rec(m_channel);
}

void ChannelPage::BuildFileAndTime() {
    const FormScale s(font());
    const int c = m_channel;
    btnFileName =
        MakeButton(this, s, Name("btnFileName", c), QStringLiteral("FileName"), 32, 6, 65, 22);
    edtFileName = MakeEdit(this, s, Name("edtFileName", c), QStringLiteral("c:\\"), 32, 34, 385);
    lblSampRate = MakeLabel(this, s, Name("lblSampRate", c), QStringLiteral("Sampling rate [msec]"),
                            32, 72, 118);
    edtSampRate = MakeEdit(this, s, Name("edtSampRate", c), QStringLiteral("8"), 152, 72, 81);
    lblStartTime = MakeLabel(this, s, Name("lblStartTime", c), QStringLiteral("Start time"), 32,
                             104, 78, QStringLiteral("Onset of recorded data"));

    dtpDate = new QDateEdit(this);
    dtpDate->setObjectName(Name("dtpDate", c));
    dtpDate->setCalendarPopup(true);
    dtpDate->setDateRange(kFirstDate, kLastDate);
    dtpDate->setDisplayFormat(DateFormat('.'));
    s.Place(dtpDate, 112, 104, 86);
    dtpTime = new QTimeEdit(this);
    dtpTime->setObjectName(Name("dtpTime", c));
    dtpTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    s.Place(dtpTime, 200, 104, 70);
}

void ChannelPage::BuildFormatGroup() {
    const FormScale s(font());
    const int c = m_channel;
    gboFormat = new QGroupBox(QStringLiteral("File Format"), this);
    gboFormat->setObjectName(Name("gboFormat", c));
    s.Place(gboFormat, 16, 144, 353, 129);

    rboBinary = new QRadioButton(QStringLiteral("Binary file"), gboFormat);
    rboBinary->setObjectName(Name("rboBinary", c));
    s.Place(rboBinary, 16, 24, 132);
    rboText = new QRadioButton(QStringLiteral("Text file"), gboFormat);
    rboText->setObjectName(Name("rboText", c));
    s.Place(rboText, 154, 24, 78);
    chkReadHeader = new QCheckBox(QStringLiteral("Read header"), gboFormat);
    chkReadHeader->setObjectName(Name("chkReadHeader", c));
    chkReadHeader->setToolTip(QStringLiteral("Read scaling, sampl.rate etc from bin. file header"));
    s.Place(chkReadHeader, 16, 48, 120);

    lblHeader = MakeLabel(gboFormat, s, Name("lblHeader", c), QStringLiteral("Header"), 234, 24, 50,
                          QStringLiteral("Nr. info lines at the top of the file"));
    edtHeader = MakeEdit(gboFormat, s, Name("edtHeader", c), QStringLiteral("0"), 286, 24, 53);
    lblColumn = MakeLabel(gboFormat, s, Name("lblColumn", c), QStringLiteral("Column"), 234, 48, 50,
                          QStringLiteral("In which column are the data?"));
    edtColumn = MakeEdit(gboFormat, s, Name("edtColumn", c), QStringLiteral("3"), 286, 48, 53);
    lblSeparator = MakeLabel(gboFormat, s, Name("lblSeparator", c), QStringLiteral("Separator"),
                             234, 72, 50, QStringLiteral("Columns are separated by?"));
    cboSeparator = new QComboBox(gboFormat);
    cboSeparator->setObjectName(Name("cboSeparator", c));
    cboSeparator->setEditable(true);
    cboSeparator->setInsertPolicy(QComboBox::NoInsert);
    cboSeparator->addItems({QStringLiteral("TAB"), QStringLiteral(","), QStringLiteral("/"),
                            QStringLiteral(";"), QStringLiteral("space(s)"), QStringLiteral("-"),
                            QStringLiteral("\\")});
    SetBoxText(cboSeparator, QStringLiteral("TAB"));
    s.Place(cboSeparator, 286, 72, 60);

    lblMissingValues =
        MakeLabel(gboFormat, s, Name("lblMissingValues", c), QStringLiteral("Missing values"), 16,
                  72, 100, QStringLiteral("Lines whose column is empty or holds text"));
    cboMissingValues = new QComboBox(gboFormat);
    cboMissingValues->setObjectName(Name("cboMissingValues", c));
    cboMissingValues->addItems(
        {QStringLiteral("Skip the line"), QStringLiteral("Keep the time step")});
    cboMissingValues->setToolTip(
        QStringLiteral("Keep the time step: such a line still takes its time step and repeats "
                       "the value before it; the stretch is shown as a band"));
    s.Place(cboMissingValues, 16, 96, 140);
    btnPreview =
        MakeButton(gboFormat, s, Name("btnPreview", c), QStringLiteral("Preview…"), 234, 96, 112,
                   22, QStringLiteral("Show the file's first lines and pick the column"));
}

void ChannelPage::BuildScalingGroup() {
    const FormScale s(font());
    const int c = m_channel;
    gboScaling = new QGroupBox(QStringLiteral("Scaling"), this);
    gboScaling->setObjectName(Name("gboScaling", c));
    s.Place(gboScaling, 400, 144, 125, 129);
    lblMin = MakeLabel(gboScaling, s, Name("lblMin", c), QStringLiteral("Min"), 16, 32, 24,
                       QStringLiteral("Lowest value"));
    edtMin = MakeEdit(gboScaling, s, Name("edtMin", c), QStringLiteral("0"), 40, 32, 72);
    lblMax = MakeLabel(gboScaling, s, Name("lblMax", c), QStringLiteral("Max"), 16, 64, 24,
                       QStringLiteral("Highest value"));
    edtMax = MakeEdit(gboScaling, s, Name("edtMax", c), QStringLiteral("100"), 40, 64, 72);
    chkAutoScale = new QCheckBox(QStringLiteral("Auto. scaling"), gboScaling);
    chkAutoScale->setObjectName(Name("chkAutoScale", c));
    chkAutoScale->setToolTip(QStringLiteral("CV searches Min and Max"));
    s.Place(chkAutoScale, 16, 96, 100);
}

void ChannelPage::ConnectHandlers() {
    auto guarded = [this](void (ChannelPage::*handler)()) {
        return [this, handler] { RunGuarded(m_ui, [this, handler] { (this->*handler)(); }); };
    };
    connect(edtFileName, &QLineEdit::textChanged, this, guarded(&ChannelPage::edtFileNameChange));
    connect(btnFileName, &QPushButton::clicked, this, guarded(&ChannelPage::btnFileNameClick));
    OnEnterKey(edtFileName, guarded(&ChannelPage::btnFileNameClick));
    OnDoubleClick(edtFileName, guarded(&ChannelPage::btnFileNameClick));
    OnLeave(edtSampRate, guarded(&ChannelPage::edtSampRateExit));
    OnLeave(dtpDate, guarded(&ChannelPage::dtpStartExit));
    // Installed after the leave hook, so a typed date is taken before the hook reads it.
    AcceptTypedDates(dtpDate);
    OnLeave(dtpTime, guarded(&ChannelPage::dtpStartExit));
    for (QWidget* w : {static_cast<QWidget*>(edtHeader), static_cast<QWidget*>(edtColumn),
                       static_cast<QWidget*>(cboSeparator)})
        OnLeave(w, guarded(&ChannelPage::ValidateFormat));
    OnLeave(edtMin, guarded(&ChannelPage::edtMinExit));
    OnLeave(edtMax, guarded(&ChannelPage::edtMaxExit));
    connect(cboMissingValues, &QComboBox::currentIndexChanged, this,
            guarded(&ChannelPage::cboMissingValuesChange));
    connect(btnPreview, &QPushButton::clicked, this, guarded(&ChannelPage::btnPreviewClick));
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(rboBinary), static_cast<QAbstractButton*>(rboText),
          static_cast<QAbstractButton*>(chkReadHeader),
          static_cast<QAbstractButton*>(chkAutoScale)})
        connect(b, &QAbstractButton::clicked, this, [this] { UpdateFormatStates(); });
}

void ChannelPage::Fill() {
    const ChannelRecord& r = Rec();
    edtFileName->setText(ToQ(r.NameIn));
    edtSampRate->setText(QString::number(r.SampRate));
    FillStartTime();
    rboBinary->setChecked(r.ColumnValue == 0);
    rboText->setChecked(r.ColumnValue != 0);
    edtHeader->setText(QString::number(r.HeaderText));
    edtColumn->setText(QString::number(r.ColumnValue));
    SetBoxText(cboSeparator, ToQ(SeparatorText(r.InDelimiter)));
    chkReadHeader->setChecked(r.ReadHeader == 'Y');
    edtMin->setText(ToQ(FormatShortest(r.LowRng)));
    edtMax->setText(ToQ(FormatShortest(r.HighRng)));
    chkAutoScale->setChecked(r.AutoScale == 'Y');
    cboMissingValues->setCurrentIndex(r.MissingValues == kKeepTimeStep ? 1 : 0);
    UpdateFormatStates();
}

void ChannelPage::FillStartTime() {
    dtpDate->setDisplayFormat(DateFormat(m_state.settings.DateSep));
    QDate date = kFirstDate;
    QTime time(0, 0);
    try {
        const TimeParts p = TimeToParts(Rec().StartTime);
        const int year = std::max<int>(p.year, kFirstDate.year());
        const int day = std::min<int>(p.day, QDate(year, p.month, 1).daysInMonth());
        date = QDate(year, p.month, day);
        time = QTime(p.hour, p.minute, p.second, p.millisecond);
    } catch (const RangeError&) {
        // A time beyond the calendar (from a foreign setup file) shows the first date.
    }
    dtpDate->setDate(date.isValid() ? date : kFirstDate);
    dtpTime->setTime(time.isValid() ? time : QTime(0, 0));
}

double ChannelPage::PickedStartTime() const {
    const QDate d = dtpDate->date();
    const QTime t = dtpTime->time();
    return PartsToTime(std::max(d.year(), kFirstDate.year()), d.month(), d.day(), t.hour(),
                       t.minute(), t.second());
}

void ChannelPage::Read() {
    ChannelRecord& r = Rec();
    r.NameIn = ToStd(edtFileName->text());
    r.SampRate = StrToInt(ToStd(edtSampRate->text()));
    r.StartTime = PickedStartTime();
    r.ColumnValue = StrToInt(ToStd(edtColumn->text()));
    // Column 0 would load a text file as binary words.
    if (!rboBinary->isChecked() && r.ColumnValue < 1) throw ConversionError("Invalid column nr");
    if (rboBinary->isChecked()) r.ColumnValue = 0;
    r.HeaderText = StrToInt(ToStd(edtHeader->text()));
    // An empty box (already reported when it was left) keeps the separator.
    const SeparatorChoice sep = SeparatorFromText(ToStd(cboSeparator->currentText()));
    if (sep.valid) r.InDelimiter = sep.delimiter;
    r.ReadHeader = chkReadHeader->isChecked() ? 'Y' : 'N';
    r.LowRng = StrToFloat(ToStd(edtMin->text()));
    r.HighRng = StrToFloat(ToStd(edtMax->text()));
    r.AutoScale = chkAutoScale->isChecked() ? 'Y' : 'N';
    cboMissingValuesChange();
}

void ChannelPage::ValidateFormat() {
    ChannelRecord& r = Rec();
    if (rboBinary->isChecked()) {
        r.ColumnValue = 0;
        return;
    }
    const IntPrefix column = ParseIntPrefix(ToStd(edtColumn->text()));
    r.ColumnValue = column.value;
    if (!column.whole || column.value < 1) m_ui.Message("Invalid column nr");
    const IntPrefix header = ParseIntPrefix(ToStd(edtHeader->text()));
    r.HeaderText = header.value;
    if (!header.whole) m_ui.Message("Invalid number of header lines");
    const SeparatorChoice sep = SeparatorFromText(ToStd(cboSeparator->currentText()));
    if (!sep.valid) {
        m_ui.Message("Invalid separator");
        return;
    }
    r.InDelimiter = sep.delimiter;
    if (ToQ(sep.shown) != cboSeparator->currentText()) SetBoxText(cboSeparator, ToQ(sep.shown));
}

void ChannelPage::UpdateFormatStates() {
    const bool binary = rboBinary->isChecked();
    const bool rangeFixed = binary ? chkReadHeader->isChecked() : chkAutoScale->isChecked();
    edtMin->setEnabled(!rangeFixed);
    edtMax->setEnabled(!rangeFixed);
    chkReadHeader->setEnabled(binary);
    chkAutoScale->setEnabled(!binary);
    edtHeader->setEnabled(!binary);
    edtColumn->setEnabled(!binary);
    cboSeparator->setEnabled(!binary);
    cboMissingValues->setEnabled(!binary);
}

void ChannelPage::edtFileNameChange() {
    Rec().NameIn = ToStd(edtFileName->text());
}

void ChannelPage::btnFileNameClick() {
    const auto chosen = ChooseAnyFile(window(), ToQ(Rec().NameIn));
    if (!chosen) return;
    Rec().NameIn = ToStd(*chosen);
    edtFileName->setText(*chosen);
}

void ChannelPage::edtSampRateExit() {
    const auto rate = TryStrToInt(ToStd(edtSampRate->text()));
    Rec().SampRate = rate.value_or(8);
    if (!rate) m_ui.Message("Illegal value");
}

void ChannelPage::cboMissingValuesChange() {
    Rec().MissingValues = cboMissingValues->currentIndex() == 1 ? kKeepTimeStep : kSkipMissing;
}

void ChannelPage::btnPreviewClick() {
    const int column = ParseIntPrefix(ToStd(edtColumn->text())).value;
    const auto choice = ShowImportPreview(ToPath(edtFileName->text()), column, m_ui, window());
    if (!choice) return;
    rboText->setChecked(true);
    edtHeader->setText(QString::number(choice->headerLines));
    edtColumn->setText(QString::number(choice->column));
    SetBoxText(cboSeparator, ToQ(SeparatorText(choice->separator)));
    UpdateFormatStates();
    ValidateFormat();
    if (!choice->caption.empty()) {
        Rec().Caption = choice->caption;
        emit captionChosen(ToQ(choice->caption));
    }
}

void ChannelPage::dtpStartExit() {
    Rec().StartTime = PickedStartTime();
}

double ChannelPage::RangeFromEdit(const QLineEdit* edit) {
    const auto v = TryStrToFloat(ToStd(edit->text()));
    if (!v) m_ui.Message("Illegal value");
    return v.value_or(0.0);
}

void ChannelPage::edtMinExit() {
    Rec().LowRng = RangeFromEdit(edtMin);
}

void ChannelPage::edtMaxExit() {
    Rec().HighRng = RangeFromEdit(edtMax);
}

void ChannelPage::CopyNameFrom(const ChannelPage& src) {
    Rec().NameIn = src.m_state.store.Rec(src.m_channel).NameIn;
    edtFileName->setText(ToQ(Rec().NameIn));
}

void ChannelPage::CopySampRateFrom(const ChannelPage& src) {
    Rec().SampRate = src.m_state.store.Rec(src.m_channel).SampRate;
    edtSampRate->setText(src.edtSampRate->text());
}

void ChannelPage::CopyTimeFrom(const ChannelPage& src) {
    dtpDate->setDate(src.dtpDate->date());
    dtpTime->setTime(src.dtpTime->time());
}

void ChannelPage::CopyFormatFrom(const ChannelPage& src) {
    rboBinary->setChecked(src.rboBinary->isChecked());
    rboText->setChecked(src.rboText->isChecked());
    chkReadHeader->setChecked(src.chkReadHeader->isChecked());
    edtHeader->setText(src.edtHeader->text());
    edtColumn->setText(src.edtColumn->text());
    SetBoxText(cboSeparator, src.cboSeparator->currentText());
    cboMissingValues->setCurrentIndex(src.cboMissingValues->currentIndex());
    UpdateFormatStates();
    ValidateFormat();
}

void ChannelPage::CopyScalingFrom(const ChannelPage& src) {
    chkAutoScale->setChecked(src.chkAutoScale->isChecked());
    edtMin->setText(src.edtMin->text());
    edtMax->setText(src.edtMax->text());
    UpdateFormatStates();
    Rec().LowRng = RangeFromEdit(edtMin);
    Rec().HighRng = RangeFromEdit(edtMax);
}

}  // namespace corv
