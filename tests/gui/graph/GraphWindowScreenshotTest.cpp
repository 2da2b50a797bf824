// Writes a picture of the graph window on the demo recording for the documentation when
// CORV_SCREENSHOT_DIR names a folder. Skipped otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>

#include "GraphWindowTestSupport.h"

namespace corv::test {
namespace {

TEST(GraphWindowScreenshot, WritesThePicture) {
    const char* out = std::getenv("CORV_SCREENSHOT_DIR");
    if (out == nullptr) GTEST_SKIP() << "CORV_SCREENSHOT_DIR not set";
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    w->resize(1600, 1000);
    w->show();
    QApplication::processEvents();
    const auto file = std::filesystem::path(out) / "graph-window.png";
    ASSERT_TRUE(w->grab().save(QString::fromStdString(file.string())));
    EXPECT_TRUE(run.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::test
