#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>

#include "AppState.h"
#include "TestSupport.h"
#include "core/RadioGroup.h"
#include "core/RecordingUiPort.h"
#include "files/ExportDialogs.h"
#include "settings/Defaults.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr int kSamples = 40;

// A raw word per position and channel, so a wrong stretch or channel shows.
uint16_t Word(int p, int c) {
    return static_cast<uint16_t>(0x0102 * (p + 1) + 0x1000 * c);
}

std::string Bytes(int first, int end, int c) {
    std::string s;
    for (int p = first; p < end; ++p) {
        s.push_back(static_cast<char>(Word(p, c) & 0xFF));
        s.push_back(static_cast<char>(Word(p, c) >> 8));
    }
    return s;
}

// Three channels of 1 s samples, channel 2 absent; F4 at 10 s, F5 at 20 s.
std::unique_ptr<AppState> ExportState(RecordingUiPort& ui, const fs::path& folder) {
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, folder / "corvandell");
    state->store.AllocateBanks(ui);
    for (int c = 0; c < kChannelCount; ++c) {
        ChannelRecord& r = state->store.Rec(c);
        r.SampRate = 1000;
        r.DataCnt = kSamples - 1;
        r.ReadHeader = 'N';
        r.StartTime = 1230768000000.0;
        for (int p = 0; p < kSamples; ++p) *state->store.BankWord(c, p) = Word(p, c);
    }
    state->store.ChannelPresent = {true, false, true};
    state->store.OriginTime = 1230768000000.0;
    state->store.TotalSpan = (kSamples - 1) * 1000.0;
    state->view.LeftCursor = 10000;
    state->view.RightCursor = 20000;
    state->ActiveChannel = 2;
    state->settings.NameOutFile[0] = (folder / "rec.ex1").string();
    // The active channel's own file names its default export.
    state->store.Rec(2).NameIn = (folder / "temp.csv").string();
    test::WriteFile(folder / "temp.csv", "1\r\n");
    return state;
}

TEST(ExportDialogs, TheFormsAndTheirDefaults) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui, dir.Path());
    state->exportChoices = {1, 1};
    TfrmExportText text(*state, ui);
    EXPECT_EQ(text.windowTitle(), "Export data section into text file");
    ASSERT_EQ(text.rgrChannel->Count(), 3);
    EXPECT_EQ(text.rgrSection->ItemIndex(), 1);
    EXPECT_EQ(text.rgrChannel->ItemIndex(), 1);
    EXPECT_TRUE(text.edtfName->text().isEmpty());
    text.show();  // activation sets the default name
    EXPECT_EQ(text.edtfName->text().toStdString(), (dir / "temp.ex3").string());

    TfrmExportBin bin(*state, ui);
    EXPECT_EQ(bin.windowTitle(), "Export to binary file ");
    ASSERT_EQ(bin.rgrChannel->Count(), 2);
    EXPECT_EQ(bin.rgrChannel->ItemIndex(), 0);  // no "one file" in binary form

    bin.btnHelp->click();
    ASSERT_EQ(ui.Events().size(), 1u);
    EXPECT_EQ(fs::path(ui.Events()[0].text).filename(), "dlgExportBin.rtf");

    // Browse chooses the file in a file-save dialog.
    bin.show();
    const QString chosen = QString::fromStdString((dir / "chosen.bin").string());
    QTimer::singleShot(0, [chosen] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->acceptMode(), QFileDialog::AcceptSave);
        chooser->selectFile(chosen);
        static_cast<QDialog*>(chooser)->accept();  // QFileDialog::accept, as the Save button
    });
    bin.btnBrowse->click();
    EXPECT_EQ(bin.edtfName->text(), chosen);
}

TEST(ExportDialogs, BinarySectionOfTheActiveChannelWritesItsSamples) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui, dir.Path());
    state->ChannelModified[2] = true;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<TfrmExportBin*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->rgrSection->Button(0)->setChecked(true);
        d->btnOK->click();
    });
    ShowExportBinDialog(*state, ui, nullptr);
    EXPECT_EQ(test::ReadFile(dir / "temp.ex3"), Bytes(10, 20, 2));
    EXPECT_FALSE(state->ChannelModified[2]);
}

// "Save processing log" writes the log, its own export line included, beside the file, and
// the next dialog shows the box ticked.
TEST(ExportDialogs, SaveProcessingLogWritesTheLogBesideTheFileAndIsRemembered) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui, dir.Path());
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<TfrmExportText*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_FALSE(d->chkSaveLog->isChecked());
        d->chkSaveLog->setChecked(true);
        d->btnOK->click();
    });
    ShowExportTextDialog(*state, ui, nullptr);
    const std::string log = test::ReadFile(dir / "temp.ex3.log.txt");
    EXPECT_EQ(log.rfind("# Corvandell processing log", 0), 0u) << log;
    EXPECT_NE(log.find("\r\nactive 2\r\nexport-text " + (dir / "temp.ex3").string() +
                       " 0 2 10000 20000\r\n"),
              std::string::npos)
        << log;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<TfrmExportBin*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->chkSaveLog->isChecked());
        d->btnCancel->click();
    });
    ShowExportBinDialog(*state, ui, nullptr);
}

TEST(ExportDialogs, OverwriteCancelKeepsTheFileAndTheDialog) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui, dir.Path());
    const fs::path target = dir / "mine.bin";
    test::WriteFile(target, "precious");
    TfrmExportBin d(*state, ui);
    d.show();
    d.edtfName->setText(QString::fromStdString(target.string()));
    d.rgrSection->Button(1)->setChecked(true);

    ui.QueueAnswer(Answer::Cancel);
    d.btnOK->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(ui.Questions(),
              std::vector<std::string>{target.string() + " already exists. Overwrite ? "});
    EXPECT_EQ(test::ReadFile(target), "precious");
    // The typed name survives the question.
    EXPECT_EQ(d.edtfName->text().toStdString(), target.string());

    ui.QueueAnswer(Answer::Ok);
    d.btnOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(test::ReadFile(target), Bytes(0, kSamples, 2));
}

TEST(ExportDialogs, TextChoiceTwoWritesOneFilePerPresentChannel) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui, dir.Path());
    TfrmExportText d(*state, ui);
    d.show();
    d.rgrChannel->Button(2)->setChecked(true);
    d.btnOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(fs::exists(dir / "temp.000"));
    EXPECT_FALSE(fs::exists(dir / "temp.001"));
    EXPECT_TRUE(fs::exists(dir / "temp.002"));
    const std::string text = test::ReadFile(dir / "temp.002");
    EXPECT_EQ(text.rfind("Date\tTime\t", 0), 0u);
    EXPECT_NE(text.find("01.01.2020\t00:00:10.000\t"), std::string::npos);
    // The finished export says where it wrote.
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find((dir / "temp.002").string()), std::string::npos);

    // The next dialog, binary or text, shows the choice again.
    TfrmExportBin bin(*state, ui);
    EXPECT_EQ(bin.rgrChannel->ItemIndex(), 1);
}

}  // namespace
}  // namespace corv
