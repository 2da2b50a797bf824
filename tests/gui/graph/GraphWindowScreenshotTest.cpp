// The picture of the graph window on the demo recording for the documentation: always
// taken and checked, copied to CORV_SCREENSHOT_DIR when that names a folder.
#include <gtest/gtest.h>

#include <QApplication>

#include "../ScreenshotCheck.h"
#include "GraphWindowTestSupport.h"

namespace corv::test {
namespace {

TEST(GraphWindowScreenshot, WritesThePicture) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    w->resize(1600, 1000);
    w->show();
    QApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(1600, 1000));
    TempDir dir;
    CheckScreenshot(w, dir.Path(), "graph-window.png");
    EXPECT_TRUE(run.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::test
