// The dialogs of whole-channel operations, polynomial and section buffers, opened through
// the graph window's menus on the demo recording, run and undone.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "../ScreenshotCheck.h"
#include "../graph/GraphInputTestSupport.h"
#include "graph/RedrawFlags.h"
#include "graph/StripWidgets.h"
#include "processing/AddRampDialog.h"
#include "processing/BiChannelDialog.h"
#include "processing/PolynomDialog.h"
#include "processing/SectionDialogs.h"

namespace corv {
namespace {

using test::DemoRun;
using test::Trigger;
using test::WhenModal;
using ProcessingIIDialogs = test::DemoGraph;

std::vector<uint16_t> Raws(const AppState& s, int c) {
    std::vector<uint16_t> out;
    for (int32_t i = 0; i <= s.store.Rec(c).DataCnt; ++i) out.push_back(s.store.GetRaw(i, c));
    return out;
}

QImage StripPicture(GraphWindow* w, int c) {
    return w->Images().StripImage(c)->image().copy();
}

TEST_F(ProcessingIIDialogs, BiChannelAndChannelOpsThroughTheMenusAreUndone) {
    const std::vector<uint16_t> before = Raws(run.state, 0);
    const ChannelRecord rec = run.state.store.Rec(0);

    WhenModal([](QWidget* d) {
        auto* dialog = qobject_cast<TfrmBiChannel*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Bi-channel operation");
        EXPECT_EQ(dialog->lblChnl1->text(), "&Subtract from chnl. Nr");
        EXPECT_EQ(dialog->lblChnlResult->text(), "Store &results in channel Nr ");
        dialog->btnOK->click();  // 1 - 2 into 1
    });
    Trigger(w, "mniBiSubtract");
    EXPECT_TRUE(run.state.ChannelModified[0]);
    EXPECT_NE(Raws(run.state, 0), before);

    for (const char* item : {"mniIntegrate", "mniDifferentiate", "mniDiffCompass"})
        Trigger(w, item);
    EXPECT_EQ(run.state.history.UndoName(), "Diff. compass");
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(run.state.history.Undo(run.state).done);
    EXPECT_EQ(Raws(run.state, 0), before);
    EXPECT_EQ(run.state.store.Rec(0).CoeffA, rec.CoeffA);
    EXPECT_EQ(run.state.store.Rec(0).CoeffB, rec.CoeffB);
    EXPECT_FALSE(run.state.ChannelModified[0]);
}

TEST_F(ProcessingIIDialogs, PolynomDialogShowsThePictureAndStoresAtOnce) {
    run.state.ActiveChannel = 1;
    run.state.folders.HelpFolder = (test::SourceDir() / "help" / "").string();
    WhenModal([](QWidget* d) {
        auto* dialog = qobject_cast<TfrmPolynom*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Apply a Polynom to current channel");
        EXPECT_FALSE(dialog->Picture().isNull());
        test::CheckScreenshot(dialog, test::TempDir().Path(), "polynom-dialog.png");
        EXPECT_EQ(dialog->edt[2]->objectName(), "edtC");
        EXPECT_EQ(dialog->edt[2]->text(), "1");
        EXPECT_FALSE(dialog->Edit7->isEnabled());
        dialog->chkApplyPolynom->click();  // at once
        dialog->edt[0]->setText("5");
        dialog->edt[1]->setText("oops");  // B fails after A, C, E, G, I, K are stored
        dialog->btnOk->click();
        EXPECT_TRUE(dialog->isVisible());
        dialog->edt[1]->setText("0");
        dialog->btnOk->click();
    });
    int32_t err = 0;
    const double v = run.state.store.GetValue(50, 1, err);
    Trigger(w, "mniPolynom");
    const ChannelRecord& r = run.state.store.Rec(1);
    EXPECT_EQ(r.a0, 5);
    EXPECT_EQ(r.bApplyPolynom, 1);
    EXPECT_DOUBLE_EQ(run.state.store.GetValue(50, 1, err), v + 5);
    EXPECT_EQ(run.ui.Messages().size(), 1u);  // the conversion error
    // The check box and the partial store are steps; OK then changed nothing more.
    EXPECT_EQ(run.state.history.StepCount(), 2u);
    for (int k = 0; k < 2; ++k) run.state.history.Undo(run.state);
    EXPECT_EQ(r.a0, 0);
    EXPECT_EQ(r.bApplyPolynom, 0);
}

TEST_F(ProcessingIIDialogs, StoreThenOverwritePreviewFollowsF4AndCancelLeavesNoPixels) {
    test::ShowActive(w);
    ViewState& v = run.state.view;
    v.LeftCursor = v.LeftBorder + (v.RightBorder - v.LeftBorder) * 0.2;
    v.RightCursor = v.LeftBorder + (v.RightBorder - v.LeftBorder) * 0.3;
    w->Redraw(kRedrawAllStrips | kRedrawAllStripMarks);
    const QImage clean = StripPicture(w, 0);

    WhenModal([](QWidget* d) {
        auto* dialog = qobject_cast<TfrmStoreSection*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->chkBuffer[3]->text(), "Buffer &3");
        dialog->chkBuffer[3]->click();
        dialog->btnOK->click();
    });
    Trigger(w, "mniSecStore");
    EXPECT_TRUE(run.state.sectionBuffers[3].used);

    // One used buffer: the window opens previewing it, without blocking the graph window.
    Trigger(w, "mniSecOverwrite");
    auto* ow = w->findChild<TfrmSecOverwrite*>();
    ASSERT_NE(ow, nullptr);
    EXPECT_FALSE(ow->isModal());
    EXPECT_EQ(ow->btnOK->text(), "Fix it");
    EXPECT_FALSE(ow->rdbBuffer[2]->isEnabled());
    EXPECT_NE(StripPicture(w, 0), clean);
    const test::TempDir shots;
    test::CheckScreenshot(w, shots.Path(), "section-overwrite-preview.png");
    test::CheckScreenshot(ow, shots.Path(), "section-overwrite-window.png");

    // F4 and two steps right (the keys of the graph window): the preview moves along.
    Trigger(w, "mniLeftCursor");
    const QImage atFirst = StripPicture(w, 0);
    const double f4 = v.LeftCursor;
    EXPECT_TRUE(w->FormKeyDown(Qt::Key_Right, Qt::NoModifier));
    EXPECT_TRUE(w->FormKeyDown(Qt::Key_Right, Qt::NoModifier));
    EXPECT_GT(v.LeftCursor, f4);
    EXPECT_NE(StripPicture(w, 0), atFirst);
    ow->btnCancel->click();
    test::ProcessDeletes();
    const QImage afterCancel = StripPicture(w, 0);
    w->Redraw(kRedrawAllStrips | kRedrawAllStripMarks);
    EXPECT_EQ(afterCancel, StripPicture(w, 0));

    // Again, and "Fix it" copies the section to F4 as one undo step.
    const std::vector<uint16_t> before = Raws(run.state, 0);
    v.LeftCursor += 5000;
    Trigger(w, "mniSecOverwrite");
    ow = w->findChild<TfrmSecOverwrite*>();
    ASSERT_NE(ow, nullptr);
    ow->btnOK->click();
    test::ProcessDeletes();
    EXPECT_NE(Raws(run.state, 0), before);
    EXPECT_EQ(run.state.history.UndoName(), "Section copy");
    run.state.history.Undo(run.state);
    EXPECT_EQ(Raws(run.state, 0), before);
}

TEST(AddRampDialog, RunsTheCheckedMode) {
    AppState state;
    RecordingUiPort ui;
    std::vector<double> ramps;
    int equalized = 0;
    const RampActions actions{[&](double x) {
                                  ramps.push_back(x);
                                  return true;
                              },
                              [&] {
                                  ++equalized;
                                  return true;
                              }};
    TfrmAddRamp d(state, ui, actions);
    EXPECT_TRUE(d.rdbRampOffs->isChecked());
    EXPECT_EQ(d.edtRamp->text(), "0");
    d.edtRamp->setText("abc");
    d.btnOK->click();  // the conversion error, nothing runs
    EXPECT_TRUE(ramps.empty());
    EXPECT_EQ(ui.Messages().size(), 1u);
    TfrmAddRamp d2(state, ui, actions);
    d2.edtRamp->setText("2,5");
    d2.btnOK->click();
    EXPECT_EQ(ramps, std::vector<double>{2.5});
    EXPECT_TRUE(d2.Changed());
    TfrmAddRamp d3(state, ui, actions);
    d3.rdbEqualize->setChecked(true);
    d3.btnOK->click();
    EXPECT_EQ(equalized, 1);
}

TEST_F(ProcessingIIDialogs, SynchroniseShowsTheProposals) {
    run.state.view.LeftCursor = 100000;
    run.state.view.RightCursor = 101000;
    run.ui.QueueText("1 2");
    Trigger(w, "mniSynchronize");
    ASSERT_EQ(run.ui.Messages().size(), 1u);
    EXPECT_EQ(run.ui.Messages()[0].rfind("SI 1=  101.000 or ", 0), 0u) << run.ui.Messages()[0];
    EXPECT_TRUE(w->Menus().Item("mniSecInsert")->isEnabled());
}

}  // namespace
}  // namespace corv
