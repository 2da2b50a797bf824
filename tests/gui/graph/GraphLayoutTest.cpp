// The graph window lays itself out for its own client area at every size, and draws its
// strips at the device pixel ratio.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "../ScreenshotCheck.h"
#include "GraphInputTestSupport.h"
#include "graph/GraphReadouts.h"

namespace corv::test {
namespace {

// Every child of the client lies inside it.
void ExpectInside(GraphWindow* w, const QRect& client) {
    for (QWidget* child : w->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->objectName() == "edtFoc") continue;
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
    }
}

TEST(GraphLayout, StripsFillTheClientAreaAtEverySize) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    w->show();
    for (const QSize size : {QSize(1024, 700), QSize(1600, 1000), QSize(800, 560)}) {
        w->resize(size);
        QApplication::processEvents();
        const QRect client = w->centralWidget()->rect();
        ASSERT_EQ(w->size(), size);
        for (const char* name : {"image0", "imageSc0", "image1", "TotalImage", "imgTime"}) {
            TChanImage* image = Image(w, name);
            ASSERT_NE(image, nullptr) << name;
            // The picture is the widget's own size: nothing cut off, nothing stretched.
            EXPECT_EQ(image->image().size(), image->size()) << name;
        }
        // The strips run to the y-scales, which end at the right edge of the window.
        TChanImage* strip = Image(w, "image0");
        TChanImage* scale = Image(w, "imageSc0");
        EXPECT_EQ(strip->x(), 2);
        EXPECT_EQ(scale->x(), strip->geometry().right() + 3);
        EXPECT_EQ(scale->geometry().right(), client.width() - 3);
        EXPECT_GE(scale->width(), 72);
        // Strips, time scale and read-outs fill the height, one under the other.
        EXPECT_LT(Image(w, "image1")->geometry().bottom(), Image(w, "imgTime")->y());
        EXPECT_LT(Image(w, "imgTime")->geometry().bottom(), w->Readouts().lblColumn[0]->y());
        EXPECT_GT(w->Readouts().edtLCurDate->geometry().bottom(), client.height() * 0.85);
        ExpectInside(w, client);
        // Row names are whole, and no column title runs into the next column or the
        // Results box.
        const GraphReadouts& r = w->Readouts();
        for (QLabel* row : r.lblRow)
            EXPECT_GE(row->width(), row->fontMetrics().horizontalAdvance(row->text()));
        EXPECT_LT(r.lblColumn[0]->geometry().right(), r.lblColumn[1]->x());
        EXPECT_LT(r.lblColumn[1]->geometry().right(), r.gboResults->x());
        EXPECT_LT(r.gboResults->geometry().right(), r.lblColumn[2]->x());
    }
}

TEST(GraphLayout, AtTwiceThePixelRatioCurvesAreDrawnInDevicePixels) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    w->resize(1200, 800);
    w->show();
    QApplication::processEvents();
    w->SetPixelRatio(2);
    TChanImage* strip = Image(w, "image0");
    ASSERT_EQ(strip->image().size(), strip->size() * 2);
    // A picture blown up from window pixels repeats every column; one drawn in device
    // pixels has neighbouring columns that differ.
    const QImage& picture = strip->image();
    int differing = 0;
    for (int x = 4; x + 1 < picture.width() - 4; x += 2)
        for (int y = 4; y < picture.height() - 4; ++y)
            if (picture.pixel(x, y) != picture.pixel(x + 1, y)) {
                ++differing;
                break;
            }
    EXPECT_GT(differing, picture.width() / 8);
    EXPECT_TRUE(run.ui.Messages().empty());

    // The window's picture at 2x for the documentation: the strips as a 2x screen shows them.
    const QImage sharp = w->Picture();
    EXPECT_EQ(sharp.width(), w->centralWidget()->width() * 2);
    TempDir dir;
    const auto file = dir / "graph-strips-2x.png";
    ASSERT_TRUE(sharp.save(QString::fromStdString(file.string())));
    if (const char* out = std::getenv("CORV_SCREENSHOT_DIR")) {
        std::error_code err;
        std::filesystem::copy_file(file, std::filesystem::path(out) / "graph-strips-2x.png",
                                   std::filesystem::copy_options::overwrite_existing, err);
        EXPECT_FALSE(err) << err.message();
    }
}

// The small-screen picture; graph-window.png shows 1600 x 1000.
TEST(GraphLayout, ScreenshotOfASmallWindow) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    w->show();
    TempDir dir;
    w->resize(1024, 700);
    QApplication::processEvents();
    CheckScreenshot(w, dir.Path(), "graph-window-1024x700.png");
}

}  // namespace
}  // namespace corv::test
