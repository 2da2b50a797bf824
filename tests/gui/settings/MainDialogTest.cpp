// The main dialog as a user meets it: defaults, typed entries checked when left, Start,
// the copy buttons, dropped files and the automatic and named setup files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QUrl>

#include "../ScreenshotCheck.h"
#include "MainDialogTestSupport.h"
#include "settings/ChannelPage.h"
#include "settings/GeneralPage.h"
#include "settings/SetupFile.h"

namespace corv::test {
namespace {

TEST(MainDialog, FirstRunShowsTheDefaultsAndClosingWritesTheAutomaticSetupFile) {
    TempDir dir;
    const auto autoSetup = dir / "$VM3bk$.&&&";
    {
        ProgramRun run(dir);
        ASSERT_TRUE(run.started);
        MainDialog& d = run.Dialog();
        EXPECT_EQ(d.objectName(), "TForm1");
        EXPECT_EQ(d.windowTitle(), "Corvandell Beak, Main Dialog");
        ASSERT_EQ(d.PageControl1->count(), 4);
        EXPECT_EQ(d.PageControl1->tabText(0), "General ");
        EXPECT_EQ(d.PageControl1->tabText(3), "Channel3          ");
        EXPECT_TRUE(d.General()->gboStartCoord->isHidden());
        EXPECT_EQ(d.General()->EditCfgfName->text(), "C:\\");

        ChannelPage* p = d.Page(1);
        EXPECT_EQ(p->edtSampRate->text(), "1000");
        EXPECT_EQ(p->dtpDate->date(), QDate(1982, 1, 1));
        EXPECT_EQ(p->cboSeparator->currentText(), "TAB");
        EXPECT_TRUE(run.ui.Messages().empty());

        d.btnHelp->click();
        ASSERT_EQ(run.ui.Events().size(), 1u);
        EXPECT_EQ(run.ui.Events()[0].kind, UiEvent::Kind::Help);
        EXPECT_EQ(std::filesystem::path(run.ui.Events()[0].text),
                  dir.Path() / "help" / "mainBeak.rtf");

        EXPECT_FALSE(std::filesystem::exists(autoSetup));
        d.close();
        EXPECT_TRUE(std::filesystem::exists(autoSetup));
    }
    EXPECT_EQ(ReadFile(autoSetup).rfind("Corvandell Setup File\r\n", 0), 0u);
}

TEST(MainDialog, SecondRunShowsTheSavedValuesWithoutBaselines) {
    TempDir dir;
    {
        ProgramRun run(dir);
        ChannelPage* p = run.Dialog().Page(2);
        p->edtSampRate->setText("250");
        Leave(p->edtSampRate);
        run.State().store.Rec(2).yOffset = 3.5;
        run.Dialog().close();
    }
    ProgramRun second(dir);
    EXPECT_EQ(second.Dialog().Page(2)->edtSampRate->text(), "250");
    EXPECT_EQ(second.Dialog().Page(0)->edtSampRate->text(), "1000");
    EXPECT_EQ(second.State().store.Rec(2).yOffset, 0.0);
}

TEST(MainDialog, ADamagedAutomaticSetupFileIsShownAndTheProgramStartsOnTheDefaults) {
    TempDir dir;
    WriteFile(dir / "$VM3bk$.&&&",
              "Corvandell Setup File\r\nSampRate\t0\t250\r\n" + std::string(2 << 20, '\n'));
    ProgramRun run(dir);
    ASSERT_TRUE(run.started);
    ASSERT_EQ(run.ui.Messages().size(), 1u);
    EXPECT_NE(run.ui.Messages()[0].find("is larger than 1048576 bytes"), std::string::npos);
    EXPECT_EQ(run.Dialog().Page(1)->edtSampRate->text(), "1000");
}

TEST(MainDialog, IllegalIntervalIsReplacedByEightAndAbandonsStart) {
    TempDir dir;
    ProgramRun run(dir);
    ChannelPage* p = run.Dialog().Page(0);
    p->edtSampRate->setText("abc");
    Leave(p->edtSampRate);
    EXPECT_EQ(run.State().store.Rec(0).SampRate, 8);
    EXPECT_EQ(p->edtSampRate->text(), "abc");
    ASSERT_EQ(run.ui.Messages(), std::vector<std::string>{"Illegal value"});

    run.Dialog().btnStart->click();
    const auto messages = run.ui.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].find("'abc'"), std::string::npos) << messages[1];
    EXPECT_EQ(run.Dialog().GraphWindow(), nullptr);
}

TEST(MainDialog, FormatEntriesAreValidatedWhenLeftAndControlStatesFollowTheFormat) {
    TempDir dir;
    ProgramRun run(dir);
    ChannelPage* p = run.Dialog().Page(1);
    const ChannelRecord& r = run.State().store.Rec(1);
    p->rboText->click();
    p->edtColumn->setText("2");
    p->edtHeader->setText("1");
    p->cboSeparator->lineEdit()->setText("tab");
    Leave(p->cboSeparator);
    EXPECT_EQ(r.InDelimiter, '\t');
    EXPECT_EQ(p->cboSeparator->currentText(), "TAB");
    EXPECT_EQ(r.ColumnValue, 2);
    EXPECT_EQ(r.HeaderText, 1);

    p->cboSeparator->lineEdit()->setText(" ;");
    Leave(p->cboSeparator);
    EXPECT_EQ(r.InDelimiter, ' ');
    EXPECT_EQ(p->cboSeparator->currentText(), "Space(s)");
    EXPECT_TRUE(run.ui.Messages().empty());

    p->edtColumn->setText("4x");
    p->cboSeparator->lineEdit()->setText("");
    Leave(p->edtColumn);
    EXPECT_EQ(r.ColumnValue, 4);
    EXPECT_EQ(r.InDelimiter, ' ');
    EXPECT_EQ(run.ui.Messages(),
              (std::vector<std::string>{"Invalid column nr", "Invalid separator"}));

    run.ui.Clear();
    p->edtColumn->setText("0");
    p->cboSeparator->lineEdit()->setText("tab");
    Leave(p->edtColumn);
    EXPECT_EQ(run.ui.Messages(), std::vector<std::string>{"Invalid column nr"});

    // A binary file has no columns: the column entry is not looked at.
    run.ui.Clear();
    p->rboBinary->click();
    Leave(p->edtColumn);
    EXPECT_EQ(r.ColumnValue, 0);
    EXPECT_TRUE(run.ui.Messages().empty());

    // The controls' states follow the chosen format.
    p->chkReadHeader->setChecked(false);
    p->rboBinary->click();
    EXPECT_FALSE(p->edtHeader->isEnabled());
    EXPECT_FALSE(p->cboSeparator->isEnabled());
    EXPECT_FALSE(p->chkAutoScale->isEnabled());
    EXPECT_TRUE(p->chkReadHeader->isEnabled());
    EXPECT_TRUE(p->edtMin->isEnabled());
    p->chkReadHeader->click();
    EXPECT_FALSE(p->edtMax->isEnabled());

    p->rboText->click();
    EXPECT_TRUE(p->edtHeader->isEnabled());
    EXPECT_TRUE(p->cboSeparator->isEnabled());
    EXPECT_FALSE(p->chkReadHeader->isEnabled());
    EXPECT_TRUE(p->chkAutoScale->isEnabled());
    if (p->chkAutoScale->isChecked()) p->chkAutoScale->click();
    EXPECT_TRUE(p->edtMin->isEnabled());
    p->chkAutoScale->click();
    EXPECT_FALSE(p->edtMin->isEnabled());
}

TEST(MainDialog, StartWithMissingFilesNamesThemInvalid) {
    TempDir dir;
    ProgramRun run(dir);
    for (int c = 0; c < kChannelCount; ++c)
        run.Dialog().Page(c)->edtFileName->setText(
            QString::fromStdString((dir / ("missing" + std::to_string(c) + ".txt")).string()));
    run.Dialog().btnStart->click();
    ASSERT_EQ(run.ui.Messages(), std::vector<std::string>{" Invalid filename(s)"});
    EXPECT_EQ(run.ui.Events().back().box, BoxKind::Error);
    EXPECT_EQ(run.Dialog().GraphWindow(), nullptr);
}

TEST(MainDialog, StartLoadsAndOpensOneGraphWindow) {
    TempDir dir;
    WriteFile(dir / "beak.txt", "1.5\r\n2.5\r\n3\r\n4\r\n");
    ProgramRun run(dir);
    MainDialog& d = run.Dialog();
    ChannelPage* p = d.Page(0);
    p->edtFileName->setText(QString::fromStdString((dir / "beak.txt").string()));
    p->rboText->click();
    p->edtColumn->setText("1");
    p->edtHeader->setText("0");
    p->chkAutoScale->setChecked(true);
    for (int c = 1; c < kChannelCount; ++c)
        d.Page(c)->edtFileName->setText(QString::fromStdString((dir / "none.txt").string()));

    // The missing files are named; the user goes on without those channels.
    run.ui.QueueAnswer(Answer::Yes);
    run.ui.QueueAnswer(Answer::Yes);
    d.btnStart->click();
    ASSERT_TRUE(run.ui.Messages().empty()) << run.ui.Messages().front();
    ASSERT_EQ(run.ui.Questions().size(), 2u);
    EXPECT_EQ(run.ui.Questions()[1].substr(0, 27), "Channel 3: file not found: ");
    ASSERT_NE(d.GraphWindow(), nullptr);
    EXPECT_EQ(d.GraphWindow()->windowTitle(), "Corvandell - graph window");
    EXPECT_EQ(run.State().store.Rec(0).DataCnt, 3);
    EXPECT_EQ(d.PageControl1->currentIndex(), 1);

    // A second Start changes nothing while the graph window is open.
    p->edtSampRate->setText("5");
    run.ui.Clear();
    d.btnStart->click();
    EXPECT_EQ(run.ui.Messages(),
              std::vector<std::string>{"Close CV graph-window before loading next channels"});
    EXPECT_EQ(run.State().store.Rec(0).SampRate, 1000);

    d.close();
    EXPECT_EQ(d.GraphWindow(), nullptr);
}

TEST(MainDialog, CoordinatesSplitIntoDegreesAndJoinBack) {
    TempDir dir;
    ProgramRun run(dir);
    GeneralPage* g = run.Dialog().General();
    run.Dialog().SetCoordinatesVisible(true);
    EXPECT_FALSE(g->gboEndCoord->isHidden());

    g->edtLon->setText("-10.5");
    Leave(g->edtLon);
    EXPECT_EQ(run.State().settings.StartCoordLon, -10.5);
    EXPECT_EQ(g->edtLonDeg->text(), "-10");
    EXPECT_EQ(g->edtLonMin->text(), "-30");
    EXPECT_EQ(g->edtLonSec->text(), "0");

    g->edtLonMin->setText("30");
    Leave(g->edtLonMin);
    EXPECT_EQ(g->edtLon->text(), "-9.5");
    EXPECT_EQ(run.State().settings.StartCoordLon, -9.5);

    // Not a number: the conversion error is shown and the co-ordinate stays.
    g->edtEndLat->setText("north");
    Leave(g->edtEndLat);
    EXPECT_EQ(run.State().settings.EndCoordLat, 0.0);
    ASSERT_EQ(run.ui.Messages().size(), 1u);
    EXPECT_NE(run.ui.Messages()[0].find("'north'"), std::string::npos);
}

TEST(MainDialog, CopyButtonsGiveChannelZerosSettingsToTheOthers) {
    TempDir dir;
    ProgramRun run(dir);
    MainDialog& d = run.Dialog();
    ChannelPage* src = d.Page(0);
    src->edtFileName->setText("/data/x.txt");
    src->edtSampRate->setText("40");
    Leave(src->edtSampRate);
    src->dtpDate->setDate(QDate(2020, 5, 6));
    src->rboText->click();
    src->edtColumn->setText("2");
    src->cboSeparator->lineEdit()->setText(";");
    src->chkAutoScale->setChecked(false);
    src->edtMin->setText("-5");
    src->edtMax->setText("oops");

    for (QPushButton* b :
         {d.btnCopyNames, d.btnCopySampRate, d.btnCopyTime, d.btnCopyFormat, d.btnCopyScaling})
        b->click();
    for (int c = 1; c < kChannelCount; ++c) {
        const ChannelRecord& r = run.State().store.Rec(c);
        ChannelPage* p = d.Page(c);
        EXPECT_EQ(r.NameIn, "/data/x.txt");
        EXPECT_EQ(r.SampRate, 40);
        EXPECT_EQ(p->dtpDate->date(), QDate(2020, 5, 6));
        EXPECT_TRUE(p->rboText->isChecked());
        EXPECT_EQ(r.ColumnValue, 2);
        EXPECT_EQ(r.InDelimiter, ';');
        EXPECT_TRUE(p->edtMin->isEnabled());
        EXPECT_EQ(r.LowRng, -5.0);
        EXPECT_EQ(r.HighRng, 0.0);
    }
    EXPECT_EQ(run.ui.Messages(), (std::vector<std::string>{"Illegal value", "Illegal value"}));
}

TEST(MainDialog, SetupFileNamedAtStartIsReadAfterTheAutomaticOne) {
    TempDir dir;
    const auto other = dir / "other.cfg";
    {
        ProgramRun run(dir);
        run.State().store.Rec(1).SampRate = 500;
        ASSERT_TRUE(WriteSetupFile(run.State(), other));
        run.State().store.Rec(1).SampRate = 250;
        run.State().store.Rec(0).SampRate = 125;
        run.Dialog().close();
    }
    ProgramRun run(dir, other);
    EXPECT_EQ(run.Dialog().General()->EditCfgfName->text().toStdString(), other.string());
    EXPECT_EQ(run.Dialog().Page(1)->edtSampRate->text(), "500");
    EXPECT_EQ(run.Dialog().Page(0)->edtSampRate->text(), "1000");

    // Leaving the name box reads the named file again over what was typed.
    run.Dialog().Page(1)->edtSampRate->setText("7");
    Leave(run.Dialog().General()->EditCfgfName);
    EXPECT_EQ(run.Dialog().Page(1)->edtSampRate->text(), "500");
}

TEST(MainDialog, ADateTypedWithItsSeparatorsIsTaken) {
    TempDir dir;
    ProgramRun run(dir);
    run.Dialog().show();
    ChannelPage* p = run.Dialog().Page(0);
    run.Dialog().PageControl1->setCurrentIndex(1);
    for (const char* typed : {"01.05.2025", "1.5.2025", "17.11.2031"}) {
        p->dtpDate->setFocus();
        p->dtpDate->selectAll();
        QTest::keyClicks(p->dtpDate, QString::fromLatin1(typed));
        p->edtFileName->setFocus();
        Leave(p->dtpDate);
        const QDate expected = QDate::fromString(QString::fromLatin1(typed), "d.M.yyyy");
        EXPECT_EQ(p->dtpDate->date(), expected) << typed;
    }
}

// A file dragged from the file manager and let go over the dialog.
void Drop(QWidget* target, const std::filesystem::path& file) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

TEST(MainDialog, DroppedFilesOpenAndSetupFilesAreRemembered) {
    TempDir dir;
    ProgramRun run(dir);
    run.State().store.Rec(1).SampRate = 250;
    const auto setup = dir / "trip.cfg";
    ASSERT_TRUE(WriteSetupFile(run.State(), setup));
    run.State().store.Rec(1).SampRate = 8;

    Drop(&run.Dialog(), setup);
    EXPECT_EQ(run.State().folders.SetupPath, setup.string());
    EXPECT_EQ(run.Dialog().Page(1)->edtSampRate->text(), "250");
    ASSERT_FALSE(run.Dialog().RecentSetupFiles().isEmpty());
    EXPECT_EQ(run.Dialog().RecentSetupFiles().front().toStdString(), setup.string());
    ASSERT_NE(run.Dialog().mniRecent, nullptr);

    // A data file goes to the channel whose page is shown.
    test::WriteFile(dir / "depth.csv", "1;2\r\n");
    run.Dialog().PageControl1->setCurrentIndex(2);
    Drop(&run.Dialog(), dir / "depth.csv");
    EXPECT_EQ(run.State().store.Rec(1).NameIn, (dir / "depth.csv").string());
    EXPECT_TRUE(run.ui.Messages().empty());
}

// The pictures for the documentation: the first channel page with the demo setup, and the
// General page with the co-ordinate groups shown.
TEST(MainDialog, Screenshots) {
    TempDir dir;
    TempDir pictures;
    ProgramRun run(dir, SourceDir() / "demo" / "demo.cfg");
    MainDialog& d = run.Dialog();
    d.show();
    d.PageControl1->setCurrentIndex(1);
    QApplication::processEvents();
    CheckScreenshot(&d, pictures.Path(), "main-dialog.png");

    d.SetCoordinatesVisible(true);
    d.PageControl1->setCurrentIndex(0);
    QApplication::processEvents();
    CheckScreenshot(&d, pictures.Path(), "main-dialog-general.png");
    EXPECT_TRUE(run.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::test
