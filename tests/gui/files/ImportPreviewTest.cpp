// The import preview opened from a channel page, driven with real mouse clicks.
#include "files/ImportPreview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "../settings/MainDialogTestSupport.h"
#include "settings/ChannelPage.h"

namespace corv::test {
namespace {

const char* const kLoggerFile =
    "date;time;depth;light;temperature;speed\r\n"
    "05/01/2002;11:31:50;12,5;140;12,25;1,5\r\n"
    "05/01/2002;11:31:55;;;;\r\n"
    "05/01/2002;11:32:00;14;139;12,25;\r\n";

TEST(ImportPreview, ClickingAColumnFillsTheChannelPage) {
    TempDir dir;
    ProgramRun run(dir);
    ASSERT_TRUE(run.started);
    const auto file = dir / "seal.csv";
    WriteFile(file, kLoggerFile);
    run.Dialog().show();
    run.Dialog().PageControl1->setCurrentIndex(2);
    ChannelPage* page = run.Dialog().Page(1);
    page->edtFileName->setText(QString::fromStdString(file.string()));

    QString guessedSeparator, warningAfter, columnShown;
    int guessedHeader = -1;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TfrmImportPreview*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        guessedSeparator = d->cboSeparator->currentText();
        guessedHeader = d->edtHeader->value();
        // A click into the depth column's third line, then on the light column's title.
        QTableWidget* t = d->tblLines;
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                          t->visualRect(t->model()->index(2, 2)).center());
        warningAfter = d->lblWarning->text();
        QHeaderView* h = t->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(3) + 5, h->height() / 2));
        columnShown = d->lblColumn->text();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(2) + 5, h->height() / 2));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(page->btnPreview, Qt::LeftButton);

    EXPECT_EQ(guessedSeparator, ";");
    EXPECT_EQ(guessedHeader, 1);
    EXPECT_TRUE(warningAfter.startsWith("Column 3 is empty or holds text in 1 of the first 3 "))
        << warningAfter.toStdString();
    EXPECT_EQ(columnShown, "Column 4: light");
    EXPECT_EQ(page->edtHeader->text(), "1");
    EXPECT_EQ(page->edtColumn->text(), "3");
    EXPECT_EQ(page->cboSeparator->currentText(), ";");
    EXPECT_TRUE(page->rboText->isChecked());
    const ChannelRecord& r = run.State().store.Rec(1);
    EXPECT_EQ(r.ColumnValue, 3);
    EXPECT_EQ(r.HeaderText, 1);
    EXPECT_EQ(r.InDelimiter, ';');
    EXPECT_EQ(r.Caption, "depth");
    EXPECT_EQ(run.Dialog().PageControl1->tabText(2), "depth");
    EXPECT_TRUE(run.ui.Messages().empty());

    // The missing-values choice goes into the record at once.
    page->cboMissingValues->setCurrentIndex(1);
    EXPECT_EQ(r.MissingValues, kKeepTimeStep);

    // A file that cannot be read gets the usual message and no dialog.
    page->edtFileName->setText(QString::fromStdString((dir / "none.csv").string()));
    QTest::mouseClick(page->btnPreview, Qt::LeftButton);
    EXPECT_EQ(run.ui.Messages(),
              std::vector<std::string>{"   Can't open : " + (dir / "none.csv").string()});
}

}  // namespace
}  // namespace corv::test
