// The graph window as a new user meets it: boxes over the window they come from, the
// active channel's drawings following a click at once, read-outs that say what they show.
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "GraphInputTestSupport.h"
#include "core/QtUiPort.h"
#include "graph/GraphReadouts.h"

namespace corv::test {
namespace {

// The box's window is the graph window; a typed text confirms it.
void TypeIntoInputBox(GraphWindow* w, const char* text, bool* seen) {
    WhenModal([w, text, seen](QWidget* d) {
        auto* box = qobject_cast<QInputDialog*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), w);
        *seen = true;
        auto* edit = box->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

// Waits (up to two seconds) for a message box to be shown, then runs `answer` on it.
void WhenMessageBox(const std::function<void(QMessageBox*)>& answer, int triesLeft = 200) {
    QTimer::singleShot(10, [answer, triesLeft] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            answer(box);
        else if (triesLeft > 0)
            WhenMessageBox(answer, triesLeft - 1);
    });
}

TEST(GraphUsability, BoxesOpenOverTheGraphWindowAndGiveTheKeyboardBack) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    QWidget mainDialog;  // the port's owner, as the main dialog is in the program
    mainDialog.show();
    QtUiPort port(&mainDialog);
    GraphWindow* w = GraphWindow::Open(run.state, port, QSize(1600, 1000), nullptr);
    ASSERT_NE(w, nullptr);
    run.window = w;
    ShowActive(w);

    // Baseline > Numerical with "abc": the input box and then the error box belong to the
    // graph window, which has the keyboard afterwards.
    bool asked = false;
    bool warned = false;
    TypeIntoInputBox(w, "abc", &asked);
    WhenMessageBox([w, &warned](QMessageBox* box) {
        EXPECT_EQ(box->parentWidget(), w);
        warned = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    Trigger(w, "mniNumericalBaseline");
    EXPECT_TRUE(asked);
    EXPECT_TRUE(warned);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));

    // The comment box likewise.
    asked = false;
    TypeIntoInputBox(w, "tagged", &asked);
    Trigger(w, "mniComment");
    EXPECT_TRUE(asked);
    EXPECT_EQ(run.state.PendingComment, "tagged");
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));
}

TEST(GraphUsability, AClickOnAnotherStripRedrawsWhatShowsTheActiveChannelAtOnce) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
    TChanImage* second = Image(w, "image1");
    ASSERT_NE(second, nullptr);
    const QImage overviewBefore = Image(w, "TotalImage")->image().copy();

    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(second->width() / 2, 40));
    ASSERT_EQ(run.state.ActiveChannel, 1);
    const QImage overview = Image(w, "TotalImage")->image().copy();
    const QImage strip0 = Image(w, "image0")->image().copy();
    const QImage strip1 = second->image().copy();
    EXPECT_NE(overview, overviewBefore);

    // The same pictures as a fresh drawing of everything.
    w->RefreshOverview();
    w->RebuildStrips();
    EXPECT_EQ(overview, Image(w, "TotalImage")->image());
    EXPECT_EQ(strip0, Image(w, "image0")->image());
    EXPECT_EQ(strip1, Image(w, "image1")->image());
}

}  // namespace
}  // namespace corv::test
