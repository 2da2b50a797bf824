// The help viewer window: placing, loading, replacing, hiding and failing to open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextEdit>
#include <cmath>

#include "TestSupport.h"
#include "help/HelpViewer.h"

namespace corv {
namespace {

using test::TempDir;
using test::WriteFile;

QRect ExpectedPlace() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto r = [](double v) { return static_cast<int>(std::nearbyint(v)); };
    return QRect(r(0.6 * screen.width()), r(0.1 * screen.height()), r(0.35 * screen.width()),
                 r(0.85 * screen.height()));
}

void PressEscape(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

class HelpViewerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile(dir / "first.rtf",
                  "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b First\\b0  page\\par}");
        WriteFile(dir / "second.rtf", "{\\rtf1\\ansi Second page\\par}");
        viewer.SetErrorReporter([this](const QString& text) { errors << text; });
    }

    std::string Shown() const { return viewer.RichEdit1()->toPlainText().toStdString(); }

    TempDir dir;
    TfrmHelp viewer;
    QStringList errors;
};

TEST_F(HelpViewerTest, ShowsFilesInOneWindowThatEscapeHidesAndTheNextRequestPlacesAgain) {
    EXPECT_TRUE(viewer.isHidden());
    EXPECT_FALSE(viewer.testAttribute(Qt::WA_QuitOnClose));

    viewer.ShowHelpFile(dir / "first.rtf");
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_FALSE(viewer.isModal());
    EXPECT_EQ(viewer.windowTitle(), "first.rtf");
    EXPECT_EQ(Shown(), "First page\n");
    EXPECT_EQ(QRect(viewer.pos(), viewer.size()), ExpectedPlace());

    viewer.ShowHelpFile(dir / "second.rtf");
    EXPECT_EQ(viewer.windowTitle(), "second.rtf");
    EXPECT_EQ(Shown(), "Second page\n");  // replaced, not appended
    EXPECT_TRUE(errors.isEmpty());

    PressEscape(viewer.RichEdit1());
    EXPECT_TRUE(viewer.isHidden());

    viewer.move(3, 4);
    viewer.resize(50, 60);
    viewer.ShowHelpFile(dir / "second.rtf");
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(QRect(viewer.pos(), viewer.size()), ExpectedPlace());

    PressEscape(&viewer);
    EXPECT_TRUE(viewer.isHidden());
}

TEST_F(HelpViewerTest, MissingFileIsReportedAndKeepsTheOldContent) {
    viewer.ShowHelpFile(dir / "first.rtf");
    const std::filesystem::path missing = dir / "nohelp" / "gone.rtf";
    viewer.ShowHelpFile(missing);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot open file \"" + QString::fromStdString(missing.string()) +
                             "\". No such file or directory");
    EXPECT_EQ(Shown(), "First page\n");
    EXPECT_EQ(viewer.windowTitle(), "gone.rtf");  // the caption is set before loading
    EXPECT_TRUE(viewer.isVisible());

    // A hidden viewer stays hidden.
    viewer.hide();
    viewer.ShowHelpFile(missing);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(viewer.isHidden());
    EXPECT_EQ(Shown(), "First page\n");

    // A folder is not a help file either.
    viewer.ShowHelpFile(dir.Path());
    EXPECT_EQ(errors.size(), 3);
    EXPECT_TRUE(viewer.isHidden());
}

TEST_F(HelpViewerTest, NamesWithALeadingBackslashAreFound) {
    WriteFile(dir / "mnixZoom.rtf", "{\\rtf1 Zoom\\par}");
    EXPECT_EQ(TfrmHelp::HelpFilePath(dir.Path(), "\\mnixZoom.rtf"), dir / "mnixZoom.rtf");
    EXPECT_EQ(TfrmHelp::HelpFilePath(dir.Path(), "//\\mnixZoom.rtf"), dir / "mnixZoom.rtf");
    EXPECT_EQ(TfrmHelp::HelpFilePath(dir.Path(), "mniFile.rtf"), dir / "mniFile.rtf");

#ifndef _WIN32
    // A caller that pasted the name onto the folder text still reaches the file.
    viewer.ShowHelpFile(dir.Path().string() + "/\\mnixZoom.rtf");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(viewer.windowTitle(), "mnixZoom.rtf");
    EXPECT_EQ(Shown(), "Zoom\n");
#endif
}

TEST_F(HelpViewerTest, TextFilesAndNonRtfFilesShowAsPlainText) {
    WriteFile(dir / "ESIdiff.txt", "Line one\r\nLine two\rLine three\nPrice \x80 5\r\n");
    viewer.ShowHelpFile(dir / "ESIdiff.txt");
    EXPECT_EQ(viewer.windowTitle(), "ESIdiff.txt");
    EXPECT_EQ(Shown(), "Line one\nLine two\nLine three\nPrice € 5\n");

    WriteFile(dir / "odd.rtf", "not really {\\rtf1 at all");
    viewer.ShowHelpFile(dir / "odd.rtf");
    EXPECT_EQ(Shown(), "not really {\\rtf1 at all");
    EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace corv
