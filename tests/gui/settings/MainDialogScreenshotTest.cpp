// Writes pictures of the main dialog for the documentation when CORV_SCREENSHOT_DIR names
// a folder: the first channel page with the demo setup, and the General page with the
// co-ordinate groups shown. Skipped otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QTabWidget>
#include <cstdlib>

#include "MainDialogTestSupport.h"

namespace corv::test {
namespace {

TEST(MainDialogScreenshot, WritesThePictures) {
    const char* out = std::getenv("CORV_SCREENSHOT_DIR");
    if (out == nullptr) GTEST_SKIP() << "CORV_SCREENSHOT_DIR not set";
    const std::filesystem::path folder(out);
    TempDir dir;
    ProgramRun run(dir, SourceDir() / "demo" / "demo.cfg");
    MainDialog& d = run.Dialog();
    d.show();
    d.PageControl1->setCurrentIndex(1);
    QApplication::processEvents();
    ASSERT_TRUE(d.grab().save(QString::fromStdString((folder / "main-dialog.png").string())));

    d.SetCoordinatesVisible(true);
    d.PageControl1->setCurrentIndex(0);
    QApplication::processEvents();
    ASSERT_TRUE(
        d.grab().save(QString::fromStdString((folder / "main-dialog-general.png").string())));
    EXPECT_TRUE(run.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::test
