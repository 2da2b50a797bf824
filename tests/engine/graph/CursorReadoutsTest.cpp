#include "graph/CursorReadouts.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/Times.h"

namespace corv {
namespace {

TEST(CursorReadoutsTest, ValuesAtTheCursorSamplesWithDateAndTimeOfDay) {
    test::GraphState g;
    ChannelRecord& r = g.Load(1, {100, 200, 300, 400}, 500);
    r.CoeffA = 0.5;
    AppState& s = *g;
    s.ActiveChannel = 1;
    s.store.OriginTime = PartsToTime(2005, 6, 7, 23, 59, 59);
    s.settings.DateSep = '/';
    s.view.LeftCursor = 999;     // sample 1
    s.view.RightCursor = 60000;  // past the last sample: sample 3
    const CursorReadouts out = CursorReadoutTexts(s);
    ASSERT_TRUE(out.shown);
    EXPECT_EQ(out.leftValue, "100.0000");
    EXPECT_EQ(out.rightValue, "200.0000");
    EXPECT_EQ(out.leftDate, "07/06/2005");
    EXPECT_EQ(out.leftTime, "23:59:59");
    EXPECT_EQ(out.rightDate, "08/06/2005");
    EXPECT_EQ(out.rightTime, "00:00:59");
}

TEST(CursorReadoutsTest, NothingWhenTheRightCursorLiesBeforeTheChannel) {
    test::GraphState g;
    g.Load(0, {1, 2}, 1000);
    AppState& s = *g;
    s.view.LeftCursor = -3000;
    s.view.RightCursor = -2000;
    EXPECT_FALSE(CursorReadoutTexts(s).shown);
}

}  // namespace
}  // namespace corv
