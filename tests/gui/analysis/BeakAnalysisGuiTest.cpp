// The beak analysis in the graph window, driven as a user drives it: the parameter
// dialog, Q and W on the demo recording, the Results box, and the dims popup with undo.
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "../graph/GraphInputTestSupport.h"
#include "analysis/BeakParamDialog.h"
#include "analysis/ResultsFile.h"
#include "graph/GraphReadouts.h"

namespace corv::test {
namespace {

using BeakAnalysisGui = ShownDemoGraph;

void SetEdit(QWidget* d, const char* name, const std::string& text) {
    auto* e = d->findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(e, nullptr) << name;
    e->setText(QString::fromStdString(text));
}

TEST_F(BeakAnalysisGui, ParametersThenQAndWWriteTheResults) {
    TempDir dir;
    const std::string all = (dir / "events.txt").string();

    WhenModal([&](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Beak Parameters");
        EXPECT_EQ(d->findChild<QLineEdit*>("edtScanInterval")->text(), "8");
        SetEdit(d, "edtMinDuration", "12");
        SetEdit(d, "edtAllEvents", all);
        SetEdit(d, "edtOnlyBreath", (dir / "breath.txt").string());
        SetEdit(d, "edtOnlyFeed", (dir / "feed.txt").string());
        Click(d, "btnChgBeakType");  // acts at once
        Click(d, "btnOk");
    });
    Trigger(w, "mniParameters");
    EXPECT_EQ(run.state.settings.Beak.MinDuration, 12);
    EXPECT_EQ(run.state.settings.NameOutFile[0], all);
    EXPECT_EQ(run.state.analysis.event.type, 'F');

    // A value that is no number: the ones stored before it keep their new values.
    WhenModal([&](QWidget* d) {
        SetEdit(d, "edtLevelBeak", "0.7");
        SetEdit(d, "edtThrType", "x");
        Click(d, "btnOk");
        EXPECT_TRUE(d->isVisible());
        SetEdit(d, "edtMinDuration", "99");
        Click(d, "btnCancel");
    });
    Trigger(w, "mniParameters");
    EXPECT_EQ(run.state.settings.Beak.BeakLevel, 0.7);
    EXPECT_EQ(run.state.settings.Beak.TypeThreshold, 2.0);
    EXPECT_EQ(run.state.settings.Beak.MinDuration, 12);
    ASSERT_EQ(run.ui.Messages().size(), 1u);
    run.state.settings.Beak.BeakLevel = 0.8;

    const ViewState& v = run.state.view;
    const double f5 = v.RightCursor;
    ShowActive(w);  // back from the dialog
    Press(w, Qt::Key_Q);
    EXPECT_GT(run.state.analysis.dimList.count, 0);
    EXPECT_GT(v.LeftCursor, f5);
    EXPECT_LT(v.LeftBorder, v.LeftCursor);
    EXPECT_GT(v.RightBorder, v.RightCursor);
    const double event = v.LeftCursor;

    Press(w, Qt::Key_W);
    EXPECT_GT(v.LeftCursor, event);
    EXPECT_TRUE(w->Readouts().edtRes[0]->text().endsWith(" min"));
    EXPECT_FALSE(w->Readouts().edtRes[1]->text().isEmpty());
    const std::string written = ReadFile(all);
    EXPECT_EQ(written.substr(0, written.find("\r\n")), kEventsHeader);
    EXPECT_EQ(NextEventNumber(all), 2);
    EXPECT_EQ(run.ui.Messages().size(), 1u);
}

TEST_F(BeakAnalysisGui, RightClickOnADimOffersThePopupAndUndoTakesItBack) {
    Press(w, Qt::Key_Q);
    const DimList& list = run.state.analysis.dimList;
    ASSERT_GE(list.count, 2);
    const int count = list.count;
    TChanImage* strip = Image(w, "image0");
    const ViewState& v = run.state.view;
    const double rate = run.state.store.Rec(0).SampRate;
    // The pixel of a sample inside dim 0, nearer its start.
    const auto pixelOf = [&](int32_t i) {
        return static_cast<int>((i * rate - v.LeftBorder) * strip->width() /
                                (v.RightBorder - v.LeftBorder));
    };
    const Dim first = list.dims[0];
    const Dim second = list.dims[1];
    const int32_t mid = (first.start + first.end) / 2;

    const auto popupOn = [&](int32_t index, int item) {
        QTest::mousePress(strip, Qt::RightButton, {},
                          QPoint(pixelOf(index) + 1, strip->height() / 2));
        ASSERT_TRUE(w->DimsPopup()->isVisible());
        w->DimsPopup()->hide();
        QTest::mouseRelease(strip, Qt::RightButton, {},
                            QPoint(pixelOf(index) + 1, strip->height() / 2));
        w->DimsPopup()->actions()[item]->trigger();
    };
    popupOn(mid, 2);  // Divide
    EXPECT_EQ(list.count, count + 1);
    EXPECT_EQ(run.state.history.UndoName(), "Divide dim");
    run.state.history.Undo(run.state);
    EXPECT_EQ(list.count, count);
    EXPECT_EQ(list.dims[0].end, first.end);

    popupOn(mid, 1);  // Merge with next
    EXPECT_EQ(list.count, count - 1);
    EXPECT_EQ(list.dims[0].end, second.end);
    run.state.history.Undo(run.state);
    EXPECT_EQ(list.dims[0].end, first.end);

    popupOn(mid, 0);  // Delete
    EXPECT_EQ(list.count, count - 1);
    EXPECT_NE(list.dims[0].start, first.start);
    run.state.history.Undo(run.state);
    EXPECT_EQ(list.count, count);
    EXPECT_EQ(list.dims[0].start, first.start);
    EXPECT_FALSE(run.state.ChannelModified[0]);
    EXPECT_TRUE(run.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::test
