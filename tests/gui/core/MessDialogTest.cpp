#include "core/MessDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "core/QtUiPort.h"

namespace corv {
namespace {

TEST(MessDialog, EscapeAndTheButtonsGiveTheirResultsAndTheMemoFills) {
    TfrmMessDialog dlg;
    EXPECT_EQ(dlg.windowTitle(), "Confirmation");
    EXPECT_TRUE(dlg.btnAux->isHidden());

    dlg.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &esc);
    EXPECT_EQ(dlg.result(), TfrmMessDialog::kResultCancel);

    dlg.show();
    dlg.btnOK->click();
    EXPECT_EQ(dlg.result(), TfrmMessDialog::kResultOk);
    dlg.show();
    dlg.btnAux->click();
    EXPECT_EQ(dlg.result(), TfrmMessDialog::kResultAux);

    // The memo spans the client width above the buttons.
    dlg.AddLine("first");
    dlg.AddLine("second");
    EXPECT_EQ(dlg.Memo1->toPlainText(), "first\nsecond");
    EXPECT_EQ(dlg.Memo1->focusPolicy(), Qt::NoFocus);
    dlg.show();
    dlg.resize(600, dlg.height());
    EXPECT_EQ(dlg.Memo1->x(), 0);
    EXPECT_EQ(dlg.Memo1->width(), 600);
    EXPECT_LT(dlg.Memo1->geometry().bottom(), dlg.btnOK->y());
}

TEST(QtUiPort, AskThreeShowsTheCallersCaptionsAndLines) {
    QtUiPort port;
    ThreeButtonQuestion q;
    q.lines = {"The file exists.", "Append or overwrite?"};
    q.okCaption = "Append";
    q.cancelCaption = "Cancel";
    q.auxCaption = "Overwrite";

    QString seenText, seenAux;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TfrmMessDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        seenText = dlg->Memo1->toPlainText();
        seenAux = dlg->btnAux->isVisible() ? dlg->btnAux->text() : QString();
        EXPECT_EQ(dlg->btnOK->text(), "Append");
        dlg->btnAux->click();
    });
    EXPECT_EQ(port.AskThree(q), 7);
    EXPECT_EQ(seenText, "The file exists.\nAppend or overwrite?");
    EXPECT_EQ(seenAux, "Overwrite");

    q.auxCaption.clear();
    QTimer::singleShot(0, [] {
        qobject_cast<TfrmMessDialog*>(QApplication::activeModalWidget())->btnOK->click();
    });
    EXPECT_EQ(port.AskThree(q), 1);
}

}  // namespace
}  // namespace corv
