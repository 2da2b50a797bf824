// The main dialog as a new user types into it: dates with their separators, and a text
// file's column.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include "MainDialogTestSupport.h"
#include "settings/ChannelPage.h"
#include "settings/SetupFile.h"

namespace corv::test {
namespace {

TEST(MainDialogUsability, ADateTypedWithItsSeparatorsIsTaken) {
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

TEST(MainDialogUsability, ColumnZeroOfATextFileIsRefused) {
    TempDir dir;
    ProgramRun run(dir);
    ChannelPage* p = run.Dialog().Page(0);
    p->rboText->click();
    p->edtColumn->setText("0");
    Leave(p->edtColumn);
    EXPECT_EQ(run.ui.Messages(), std::vector<std::string>{"Invalid column nr"});
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

TEST(MainDialogUsability, DroppedFilesOpenAndSetupFilesAreRemembered) {
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

}  // namespace
}  // namespace corv::test
