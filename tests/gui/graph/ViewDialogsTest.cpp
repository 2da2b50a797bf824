#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <memory>

#include "AppState.h"
#include "GraphInputTestSupport.h"
#include "core/RecordingUiPort.h"
#include "graph/ChartStyleDialog.h"
#include "graph/RedrawFlags.h"
#include "graph/SubsidLineDialog.h"
#include "graph/WinHeightDialog.h"

namespace corv {
namespace {

using test::Click;
using test::WhenModal;

// Three channels with captions, one strip height each.
class ViewDialog : public ::testing::Test {
  protected:
    ViewDialog() {
        const char* captions[] = {"Beak", "Depth", "Temperature"};
        for (int c = 0; c < kChannelCount; ++c) {
            state->store.Rec(c).Caption = captions[c];
            state->store.Rec(c).WndSze = 1;
        }
    }

    RecordingUiPort ui;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
};
using ChartStyleDialog = ViewDialog;
using SubsidLineDialog = ViewDialog;
using WinHeightDialog = ViewDialog;

void Key(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

TEST_F(ChartStyleDialog, ShowsAndStoresStyleCaptionAndPositionEscStillRedraws) {
    state->store.Rec(1).GrRepr = 4;
    TfrmChartStyle d(*state, ui, 1);
    EXPECT_EQ(d.windowTitle(), "Chart Style");
    EXPECT_TRUE(d.rboInverted->isChecked());
    EXPECT_TRUE(d.rboBars->isChecked());
    EXPECT_TRUE(d.rboTop->isChecked());
    EXPECT_EQ(d.edtCaption->text(), "Depth");

    d.rboNormal->setChecked(true);
    d.rboDots->setChecked(true);
    d.rboBottom->setChecked(true);
    d.edtCaption->setText("Depth below the surface [m]");
    d.btnOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(state->store.Rec(1).GrRepr, 2);
    EXPECT_EQ(state->store.Rec(1).Caption, "Depth below the su");
    EXPECT_EQ(state->CaptionPos, kCaptionAtBottom);

    // A setup-only style checks nothing, and Esc still redraws.
    state->store.Rec(0).GrRepr = 7;
    {
        TfrmChartStyle d(*state, ui, 0);
        for (QRadioButton* b : {d.rboNormal, d.rboInverted, d.rboSolid, d.rboBars, d.rboDots})
            EXPECT_FALSE(b->isChecked());
    }
    state->ActiveChannel = 2;
    WhenModal([](QWidget* w) {
        w->findChild<QLineEdit*>("edtCaption")->setText("changed");
        Key(w, Qt::Key_Escape);
    });
    const ViewDialogResult r = ShowChartStyleDialog(*state, ui, nullptr);
    EXPECT_EQ(r.redrawFlags, kRedrawStripMarksScale);
    EXPECT_FALSE(r.rebuildStrips);
    EXPECT_EQ(state->store.Rec(2).Caption, "Temperature");
}

TEST_F(SubsidLineDialog, RowsOfTheActiveChannelAndOk) {
    auto& lines = state->settings.SubsidLines[1];
    lines[2] = {-12.5, 1.0};
    lines[0].shown = 1.0;
    state->ActiveChannel = 1;
    WhenModal([](QWidget* w) {
        auto* d = static_cast<TFrmSubsidLine*>(w);
        EXPECT_EQ(d->chkLine[0]->text(), "Line &1 at y= ");
        EXPECT_TRUE(d->chkLine[1]->isChecked());
        EXPECT_EQ(d->edtLine[1]->text(), "-12.5");
        d->chkLine[1]->setChecked(false);
        d->chkLine[6]->setChecked(true);
        d->edtLine[6]->setText("3.25");
        Key(d->edtLine[6], Qt::Key_Return);  // Enter is OK, also inside an edit
    });
    const ViewDialogResult r = ShowSubsidLineDialog(*state, ui, nullptr);
    EXPECT_EQ(r.redrawFlags, kRedrawStripAndMarks);
    EXPECT_EQ(lines[7].value, 3.25);
    EXPECT_EQ(lines[7].shown, 1.0);
    EXPECT_EQ(lines[2].shown, 0.0);
    EXPECT_EQ(lines[0].shown, 1.0);
}

TEST_F(SubsidLineDialog, BadNumberKeepsTheDialogOpenAndCancelChangesNothing) {
    auto& lines = state->settings.SubsidLines[0];
    TFrmSubsidLine d(*state, ui, 0);
    d.show();
    d.chkLine[0]->setChecked(true);
    d.edtLine[0]->setText("5");
    d.chkLine[1]->setChecked(true);
    d.edtLine[1]->setText("five");
    d.btnOK->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"'five' is not a valid floating point value"});
    EXPECT_EQ(lines[1].shown, 0.0);
    d.btnCancel->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(lines[0].shown, 0.0);

    WhenModal([](QWidget* w) { Click(w, "btnCancel"); });
    EXPECT_EQ(ShowSubsidLineDialog(*state, ui, nullptr).redrawFlags, 0u);
}

TEST_F(WinHeightDialog, PresentChannelsGetScrollBarsAndOkMovesTheActiveChannel) {
    state->store.ChannelPresent = {true, true, false};
    state->store.Rec(1).WndSze = 2;
    TFormChgeWinHeight d(*state, ui);
    d.show();
    EXPECT_TRUE(d.sbrHeight[0]->isVisible());
    EXPECT_FALSE(d.sbrHeight[2]->isVisible());
    EXPECT_FALSE(d.lblChannel[2]->isEnabled());
    EXPECT_EQ(d.lblChannel[1]->text(), "Depth");
    EXPECT_EQ(d.sbrHeight[1]->value(), 2);

    // No strip at all is refused.
    d.sbrHeight[0]->setValue(0);
    d.sbrHeight[1]->setValue(0);
    d.btnOK->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(state->store.Rec(0).WndSze, 1);

    d.sbrHeight[1]->setValue(7);
    d.btnOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(state->store.Rec(0).WndSze, 0);
    EXPECT_EQ(state->store.Rec(1).WndSze, 7);
    EXPECT_EQ(state->ActiveChannel, 1);
}

TEST_F(WinHeightDialog, CancelChangesNothingButTheStripsAreRebuilt) {
    WhenModal([](QWidget* w) {
        w->findChild<QScrollBar*>("sbrHeight0")->setValue(9);
        Click(w, "btnCancel");
    });
    const ViewDialogResult r = ShowWinHeightDialog(*state, ui, nullptr);
    EXPECT_TRUE(r.rebuildStrips);
    EXPECT_EQ(state->store.Rec(0).WndSze, 1);

    WhenModal([](QWidget* w) {
        w->findChild<QScrollBar*>("sbrHeight2")->setValue(4);
        Key(w->findChild<QPushButton*>("btnCancel"), Qt::Key_Enter);  // Enter is OK anywhere
    });
    EXPECT_TRUE(ShowWinHeightDialog(*state, ui, nullptr).rebuildStrips);
    EXPECT_EQ(state->store.Rec(2).WndSze, 4);
}

}  // namespace
}  // namespace corv
