// The Qt user-interface port: the progress dialog of long work and its Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include "core/ProgressScope.h"
#include "core/QtUiPort.h"

namespace corv {
namespace {

TEST(QtUiPortProgress, LongWorkShowsABarWhoseCancelStopsIt) {
    QWidget owner;
    QtUiPort port(&owner);
    {
        // Work that ends at once shows nothing.
        ProgressScope quick(port, "Quick", 10);
        EXPECT_TRUE(quick.Report(5));
        ASSERT_NE(port.ProgressDialog(), nullptr);
        EXPECT_FALSE(port.ProgressDialog()->isVisible());
    }
    EXPECT_EQ(port.ProgressDialog(), nullptr);

    ProgressScope slow(port, "Exporting /tmp/x.txt", 1000);
    EXPECT_TRUE(slow.Report(1));
    QThread::msleep(600);
    EXPECT_TRUE(slow.Report(100));
    QProgressDialog* dialog = port.ProgressDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->labelText(), "Exporting /tmp/x.txt");
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(slow.Report(200));
    EXPECT_TRUE(slow.Cancelled());
}

}  // namespace
}  // namespace corv
