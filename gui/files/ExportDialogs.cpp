#include "files/ExportDialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/RadioGroup.h"
#include "core/UiPort.h"
#include "help/HelpViewer.h"

namespace corv {

namespace {

QStringList ChannelItems(ExportFormat format) {
    if (format == ExportFormat::Binary)
        return {QStringLiteral("&Active channel"),
                QStringLiteral("All channels into separate &files")};
    return {QStringLiteral("&Active channel"), QStringLiteral("A&ll channels into one file"),
            QStringLiteral("All channels into separate &files")};
}

int ChannelButtonOf(ExportFormat format, int remembered) {
    return format == ExportFormat::Binary ? BinaryChannelButton(remembered) : remembered;
}

int ChannelChoiceOf(ExportFormat format, int button) {
    return format == ExportFormat::Binary ? ChannelChoiceOfBinaryButton(button) : button;
}

}  // namespace

ExportDialog::ExportDialog(AppState& state, UiPort& ui, ExportFormat format, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_format(format) {
    const FormScale s(font());
    setFixedSize(s.X(376), s.Y(222));

    rgrSection = new RadioGroup(
        this, s, QStringLiteral("rgrSection"), QStringLiteral(" Which section "),
        {QStringLiteral("&Selected section"), QStringLiteral("&Entire channel")}, 8, 8, 144, 86);
    rgrChannel =
        new RadioGroup(this, s, QStringLiteral("rgrChannel"), QStringLiteral(" Which channel "),
                       ChannelItems(format), 160, 8, 208, 86);
    lblfName =
        MakeLabel(this, s, QStringLiteral("lblfName"), QStringLiteral("Export file"), 8, 100, 120);
    edtfName = MakeEdit(this, s, QStringLiteral("edtfName"), {}, 8, 122, 280);
    btnBrowse = MakeButton(this, s, QStringLiteral("btnBrowse"), QStringLiteral("&Browse ..."), 293,
                           120, 75, 25);
    connect(btnBrowse, &QPushButton::clicked, this, [this] { btnBrowseClick(); });
    chkSaveLog = new QCheckBox(QStringLiteral("Save processing log"), this);
    chkSaveLog->setObjectName(QStringLiteral("chkSaveLog"));
    s.Place(chkSaveLog, 8, 152, 280, 21);
    chkSaveLog->setChecked(state.exportChoices.saveLog);

    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 48, 186, 75, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 150, 186,
                           75, 25);
    btnHelp =
        MakeButton(this, s, QStringLiteral("btnHelp"), QStringLiteral("Help"), 252, 186, 75, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { RunGuarded(m_ui, [this] { btnHelpClick(); }); });

    rgrSection->SetItemIndex(state.exportChoices.section);
    rgrChannel->SetItemIndex(ChannelButtonOf(format, state.exportChoices.channel));
}

void ExportDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Once only: coming back from the overwrite question must not undo a typed name.
    if (!m_activated) FormActivate();
}

void ExportDialog::FormActivate() {
    m_activated = true;
    edtfName->setText(ToQ(DefaultExportName(m_state)));
}

void ExportDialog::btnBrowseClick() {
    QFileDialog chooser(this, QStringLiteral("Export file"), edtfName->text());
    chooser.setObjectName(QStringLiteral("dlgBrowseExport"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks about overwriting itself, once for all the files of an export.
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    chooser.selectFile(edtfName->text());
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return;
    edtfName->setText(chooser.selectedFiles().front());
}

ExportRequest ExportDialog::Request() const {
    ExportRequest request;
    request.format = m_format;
    request.section = rgrSection->ItemIndex();
    request.channel = ChannelChoiceOf(m_format, rgrChannel->ItemIndex());
    request.fileName = ToStd(edtfName->text());
    request.saveLog = chkSaveLog->isChecked();
    return request;
}

void ExportDialog::btnOKClick() {
    bool close = false;
    RunGuarded(m_ui, [&] { close = RunExport(m_state, m_ui, Request()); });
    if (close) accept();
}

void ExportDialog::btnHelpClick() {
    const char* file = m_format == ExportFormat::Binary ? "dlgExportBin.rtf" : "dlgExportText.rtf";
    m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(m_state.folders.HelpFolder, file));
}

TfrmExportText::TfrmExportText(AppState& state, UiPort& ui, QWidget* parent)
    : ExportDialog(state, ui, ExportFormat::Text, parent) {
    setObjectName(QStringLiteral("frmExportText"));
    setWindowTitle(QStringLiteral("Export data section into text file"));
}

TfrmExportBin::TfrmExportBin(AppState& state, UiPort& ui, QWidget* parent)
    : ExportDialog(state, ui, ExportFormat::Binary, parent) {
    setObjectName(QStringLiteral("frmExportBin"));
    setWindowTitle(QStringLiteral("Export to binary file "));
}

void ShowExportTextDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmExportText dialog(state, ui, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
}

void ShowExportBinDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmExportBin dialog(state, ui, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
}

}  // namespace corv
