#include "graph/TimeScale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"
#include "core/Times.h"
#include "graph/ViewState.h"

namespace corv {
namespace {

using Calls = std::vector<std::string>;

Calls Marker(TimeScaleKind kind, const ViewState& v, double total, int overviewWidth,
             int width = 400) {
    RecordingCanvas c(width, 30);
    StepMarker(c, kind, v, total, overviewWidth);
    EXPECT_EQ(c.Mode(), PenMode::Copy);
    return c.CallsStartingWith("line ");
}

TEST(TimeScaleTest, StepMarkerShowsTheStepInTheScalesOwnMeasure) {
    ViewState v;
    v.LeftBorder = 1000;
    v.RightBorder = 2000;
    v.FineStep = 100;
    v.CoarseStep = 250;
    EXPECT_EQ(Marker(TimeScaleKind::Main, v, 10000, 500), (Calls{"line 0,28-50,28"}));
    EXPECT_EQ(Marker(TimeScaleKind::Overview, v, 10000, 500), (Calls{"line 0,28-10,28"}));
    v.FineStep = 1500;  // wider than the window: the whole overview width
    EXPECT_EQ(Marker(TimeScaleKind::Main, v, 10000, 500), (Calls{"line 0,28-500,28"}));
    v.FineStep = 100;
    v.RightBorder = 1000.0005;  // a window under 1 us shows no marker
    v.FineStep = 0.0001;
    EXPECT_TRUE(Marker(TimeScaleKind::Main, v, 10000, 500).empty());
    EXPECT_TRUE(Marker(TimeScaleKind::Overview, v, 0, 500).empty());  // no recording
}

TEST(TimeScaleTest, TimeScaleClearsDrawsTheCalendarAndTheMarker) {
    test::GraphState g;
    AppState& s = *g;
    s.store.OriginTime = PartsToTime(2005, 6, 7, 10, 0, 0);
    s.store.TotalSpan = 3600000;
    s.view.LeftBorder = 0;
    s.view.RightBorder = 600000;
    s.view.FineStep = 60000;
    s.view.CoarseStep = 900000;
    RecordingCanvas main(400, 30);
    DrawTimeScale(main, g.ui, s, TimeScaleKind::Main, 400);
    const Calls& calls = main.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "fill 1,1-399,29");
    EXPECT_EQ(calls.back(), "pen mode copy");
    EXPECT_EQ(main.CallsStartingWith("line ").back(), "line 0,28-40,28");
    EXPECT_FALSE(main.CallsStartingWith("text ").empty());

    RecordingCanvas overview(400, 30);
    DrawTimeScale(overview, g.ui, s, TimeScaleKind::Overview, 400);
    EXPECT_EQ(overview.CallsStartingWith("line ").back(), "line 0,28-100,28");
}

}  // namespace
}  // namespace corv
