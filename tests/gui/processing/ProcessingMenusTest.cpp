// The Process, Filter and Edit menus on the demo recording: each command once through its
// prompt or dialog changes the active strip, and Ctrl+Z gives back the strip pixel for pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "../graph/GraphWindowTestSupport.h"
#include "graph/ChanImage.h"
#include "graph/RedrawFlags.h"
#include "graph/StripWidgets.h"
#include "processing/ElimPeaksDialog.h"

namespace corv::test {
namespace {

using ProcessingMenus = DemoGraph;

QImage Strip(GraphWindow* w, int c = 0) {
    return w->findChild<TChanImage*>(QStringLiteral("image%1").arg(c))->image().copy();
}

void Key(GraphWindow* w, int key, Qt::KeyboardModifiers mods) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QKeyEvent over(QEvent::ShortcutOverride, key, mods);
    over.ignore();
    QCoreApplication::sendEvent(w, &over);
    // A menu shortcut goes to its action; the window's own handler leaves it alone.
    ASSERT_FALSE(over.isAccepted());
    QAction* a = nullptr;
    for (QAction* item : w->findChildren<QAction*>())
        for (const QKeySequence& k : item->shortcuts())
            if (k == QKeySequence(static_cast<int>(mods) | key)) a = item;
    ASSERT_NE(a, nullptr);
    a->trigger();
}

// In the peak dialog: chooses a mode, fills its edits and presses OK.
void AnswerPeakDialog(const char* mode, const QString& a, const QString& b) {
    QTimer::singleShot(0, [=] {
        auto* d = qobject_cast<TfrmElimPeaks*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Eliminate Peaks"));
        d->findChild<QRadioButton*>(QString::fromLatin1(mode))->click();
        if (d->edtAmpl->isEnabled()) d->edtAmpl->setText(a), d->edtLength->setText(b);
        if (d->edtSmallVal->isEnabled()) d->edtSmallVal->setText(a);
        d->btnOK->click();
    });
}

TEST_F(ProcessingMenus, EachCommandChangesTheStripAndCtrlZRestoresIt) {
    AppState& s = run.state;
    // A stretch of beak openings in view, the cursors over a part of it.
    s.view.LeftBorder = 600000, s.view.RightBorder = 660000;
    s.view.LeftCursor = 610000, s.view.RightCursor = 640000;
    w->Redraw(kRedrawAfterBordersAndCursors);
    run.ui.SetDefaultAnswer(Answer::Yes);

    struct Case {
        const char* item;
        std::function<void()> answer;
        const char* step;
    };
    const std::vector<Case> cases = {
        {"mniMultiply", [&] { run.ui.QueueText("2"); }, "Multiply"},
        {"mniAdd", [&] { run.ui.QueueText("1,5"); }, "Add"},
        {"mniDivide", [&] { run.ui.QueueText("3"); }, "Divide"},
        {"mniSetConstant", [&] { run.ui.QueueText("2"); }, "Set constant"},
        {"mniDeletePoints", [&] { run.ui.QueueAnswer(Answer::Ok); }, "Delete points"},
        {"mniInsertPoints", [&] { run.ui.QueueText("20000"); }, "Insert points"},
        {"mniDelNegative", [] {}, "Del. < 0"},
        {"mniSmooth121", [] {}, "Smooth 1-2-1"},
        {"mniSmooth1241", [] {}, "Smooth 1-2-4-10"},
        {"mniSmooth11232", [] {}, "Smooth 1-1-2-3-2"},
        {"mniSmooth1111", [] {}, "Smooth 1-1-1-1"},
        {"mniPeakElim", [] { AnswerPeakDialog("rboReplSmallValues", "5", ""); }, "Eliminate peaks"},
        {"mniRunningMean", [&] { run.ui.QueueText("50"); }, "Running mean"},
        {"mniReduce", [&] { run.ui.QueueText("4"); }, "Reduce"},
        {"mniExpand", [&] { run.ui.QueueText("3"); }, "Expand"},
        {"mniDoublePoints", [] {}, "Double points"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const QImage before = Strip(w);
        c.answer();
        Trigger(w, c.item);
        ASSERT_EQ(s.history.UndoName(), c.step);
        EXPECT_EQ(w->Menus().Item(QStringLiteral("mniUndo"))->text(),
                  QStringLiteral("&Undo ") + QString::fromLatin1(c.step));
        // Few of the demo's values lie below zero; the clamp may leave the picture alone.
        if (std::string(c.item) != "mniDelNegative") {
            EXPECT_NE(Strip(w), before);
        }
        Key(w, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Strip(w), before);
        EXPECT_FALSE(w->Menus().Item(QStringLiteral("mniRedo"))->text().isEmpty());
        EXPECT_TRUE(w->Menus().Item(QStringLiteral("mniRedo"))->isEnabled());
    }
    // Redo brings the last step back, Ctrl+Shift+Z as well as Ctrl+Y.
    const QImage undone = Strip(w);
    Key(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(Strip(w), undone);
    EXPECT_EQ(w->Menus().Item(QStringLiteral("mniUndo"))->text(),
              QStringLiteral("&Undo Double points"));
    EXPECT_FALSE(w->Menus().Item(QStringLiteral("mniRedo"))->isEnabled());
}

TEST(ElimPeaksDialog, EnablesTheEditsOfItsMode) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    TfrmElimPeaks d(run.state, run.ui);
    EXPECT_TRUE(d.rboUserDefined->isChecked());
    EXPECT_TRUE(d.edtAmpl->isEnabled() && d.edtLength->isEnabled());
    EXPECT_FALSE(d.edtSmallVal->isEnabled());
    EXPECT_EQ(d.rboUserDefined->text(),
              QStringLiteral("&Delete all peaks of an amplitude > A and of length < B "));
    d.rboHighLow->click();
    EXPECT_FALSE(d.edtAmpl->isEnabled() || d.edtLength->isEnabled() || d.edtSmallVal->isEnabled());
    d.rboReplSmallValues->click();
    EXPECT_TRUE(d.edtSmallVal->isEnabled());
    d.edtSmallVal->setText(QStringLiteral("abc"));
    d.btnOKClick();  // the conversion message; the dialog stays with nothing changed
    EXPECT_FALSE(d.Changed());
    ASSERT_EQ(run.ui.Messages().size(), 1u);
    EXPECT_EQ(run.ui.Messages()[0], "'abc' is not a valid floating point value");
    d.btnHelp->click();
    EXPECT_TRUE(run.ui.Events().back().text.ends_with("dlgElimPeak.rtf"));
}

}  // namespace
}  // namespace corv::test
