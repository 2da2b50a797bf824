// The pictures of the main dialog for the documentation: the first channel page with the
// demo setup, and the General page with the co-ordinate groups shown. Always taken and
// checked, copied to CORV_SCREENSHOT_DIR when that names a folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>

#include "../ScreenshotCheck.h"
#include "MainDialogTestSupport.h"

namespace corv::test {
namespace {

TEST(MainDialogScreenshot, WritesThePictures) {
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
