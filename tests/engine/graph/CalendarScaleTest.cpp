#include "graph/CalendarScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"
#include "core/RecordingUiPort.h"
#include "core/Times.h"
#include "graph/TimeScale.h"
#include "graph/ViewState.h"

namespace corv {
namespace {

constexpr Colour kDawn = 255;
constexpr Colour kDusk = 16711680;

class CalendarScaleTest : public ::testing::Test {
  protected:
    CalendarScaleTest() {
        colours[kColDawn].value = kDawn;
        colours[kColDusk].value = kDusk;
    }

    void Draw(double tLeft, double tRight) {
        DrawCalendarScale(canvas, ui, colours, 0, 0.75, tLeft, tRight);
    }

    // Ticks of one length: vertical lines from row 0 down to row `length`.
    Calls Ticks(int length) const {
        Calls out;
        for (const auto& c : canvas.CallsStartingWith("line ")) {
            int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            if (std::sscanf(c.c_str(), "line %d,%d-%d,%d", &x1, &y1, &x2, &y2) == 4 && x1 == x2 &&
                y1 == 0 && y2 == length)
                out.push_back(c);
        }
        return out;
    }

    Calls Texts() const { return canvas.CallsStartingWith("text "); }

    std::array<ColourEntry, kColourCount> colours{};
    RecordingCanvas canvas{800, 40};
    RecordingUiPort ui;
};

TEST_F(CalendarScaleTest, TenMinutesLabelsEveryMinuteAndNoSeconds) {
    const double tLeft = PartsToTime(2005, 6, 7, 10, 3, 30);
    Draw(tLeft, tLeft + 600000);  // S = 450

    const Calls& calls = canvas.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "line 0,0-800,0");
    // 10:04 .. 10:13, 80 pixels apart, starting 30 s (40 px) in.
    const Calls ticks = Ticks(4);
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_EQ(ticks.front(), "line 40,0-40,4");
    EXPECT_EQ(ticks.back(), "line 760,0-760,4");
    const Calls texts = Texts();
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[0], "text 36,5 4m");
    EXPECT_EQ(texts[1], "text 116,5 5");
    EXPECT_EQ(texts[9], "text 756,5 13");
    // No boundary of a larger unit lies inside, and the seconds pass does not run.
    EXPECT_TRUE(Ticks(16).empty() && Ticks(10).empty() && Ticks(7).empty());
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "font height 6"), 0);
    EXPECT_EQ(calls.back(), "font height 8");
    // Months, days, hours, minutes: the label colour alternates.
    EXPECT_EQ(canvas.CallsStartingWith("font colour "),
              (Calls{"font colour 16711680", "font colour 255", "font colour 16711680",
                     "font colour 255"}));
    EXPECT_TRUE(ui.Events().empty());
}

TEST_F(CalendarScaleTest, MidnightInsideTenMinutes) {
    const double tLeft = PartsToTime(2005, 6, 30, 23, 55, 0);
    Draw(tLeft, tLeft + 600000);
    // The first of July: month tick and label, no day tick (day 1), no hour tick (hour 0),
    // no minute tick at minute 0.
    EXPECT_EQ(Ticks(16), (Calls{"line 400,0-400,16"}));
    const Calls texts = Texts();
    EXPECT_TRUE(Ticks(10).empty() && Ticks(7).empty());
    EXPECT_EQ(Ticks(4).size(), 9u);  // 23:55 .. 23:59 and 00:01 .. 00:04
    EXPECT_EQ(texts.front(), "text 392,17 JUL");
    EXPECT_EQ(texts[1], "text 0,5 55m");  // kept whole at the left edge
}

TEST_F(CalendarScaleTest, FewSecondsUseSmallFontAndStepsGrowWithTheSpan) {
    const double tLeft = PartsToTime(2005, 6, 7, 10, 3, 58) + 500;
    Draw(tLeft, tLeft + 5000);  // S = round(3.75) = 4, step 1
    // Seconds 59, 1, 2, 3 (second 0 is the minute tick), 160 pixels apart.
    EXPECT_EQ(Ticks(2), (Calls{"line 80,0-80,2", "line 400,0-400,2", "line 560,0-560,2",
                               "line 720,0-720,2"}));
    EXPECT_EQ(Ticks(4), (Calls{"line 240,0-240,4"}));
    EXPECT_EQ(Texts(), (Calls{"text 236,5 4m", "text 76,3 59s", "text 396,3 1", "text 556,3 2",
                              "text 716,3 3"}));
    const Calls& calls = canvas.Calls();
    const auto small = std::find(calls.begin(), calls.end(), "font height 6");
    ASSERT_NE(small, calls.end());
    EXPECT_EQ(*(small + 1), "font colour 16711680");
    EXPECT_EQ(calls.back(), "font height 8");

    // The second step grows with the span.
    canvas.Clear();
    const double tMinute = PartsToTime(2005, 6, 7, 10, 3, 0);
    Draw(tMinute, tMinute + 40000);  // S = 30: every second second
    const Calls wider = Texts();
    ASSERT_GE(wider.size(), 2u);
    EXPECT_EQ(wider[0], "text 0,5 3m");
    EXPECT_EQ(wider[1], "text 36,3 2s");
    EXPECT_EQ(Ticks(2).size(), 19u);  // 2, 4, .. 38
}

TEST_F(CalendarScaleTest, SeveralDaysShowDaysAndEveryFourthHour) {
    const double tLeft = PartsToTime(2005, 6, 7, 12, 0, 0);
    Draw(tLeft, tLeft + 5 * 86400000.0);  // S = 324000: hours step 4, no minutes
    const Calls days = Ticks(10);
    ASSERT_EQ(days.size(), 5u);  // 8 .. 12 June at midnight, 160 pixels apart
    EXPECT_EQ(days.front(), "line 80,0-80,10");
    const Calls texts = Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "text 76,12 8d"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "text 236,12 9"), texts.end());
    // 30 four-hour boundaries less 5 midnights; the first is the left edge itself.
    EXPECT_EQ(Ticks(7).size(), 25u);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "text 0,9 12h"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "text 23,9 16"), texts.end());
    EXPECT_TRUE(Ticks(4).empty() && Ticks(16).empty());
}

// Text twice as tall (a 2x screen): ticks and label rows twice as long and low, labels kept
// whole at both edges.
TEST_F(CalendarScaleTest, TallerTextSpreadsTheScaleAndEdgesKeepLabelsWhole) {
    class TallText : public RecordingCanvas {
      public:
        using RecordingCanvas::RecordingCanvas;
        int TextHeight(const std::string&) override { return 26; }
    } tall(800, 60);
    const double tLeft = PartsToTime(2005, 6, 7, 12, 0, 0);
    DrawCalendarScale(tall, ui, colours, 0, 0.75, tLeft, tLeft + 5 * 86400000.0);
    const Calls& calls = tall.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "line 80,0-80,20"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "text 72,24 8d"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "text 0,18 12h"), calls.end());
    // Every label lies whole inside the image.
    for (const std::string& t : tall.CallsStartingWith("text ")) {
        int x = 0, y = 0;
        char label[16] = {};
        ASSERT_EQ(std::sscanf(t.c_str(), "text %d,%d %15s", &x, &y, label), 3) << t;
        EXPECT_TRUE(x >= 0 && x + 6 * static_cast<int>(std::string(label).size()) <= 800) << t;
    }
}

TEST_F(CalendarScaleTest, SpanAcrossNewYear) {
    const double tLeft = PartsToTime(2004, 11, 15, 0, 0, 0);
    const double tRight = PartsToTime(2005, 2, 10, 0, 0, 0);  // 87 days: S = 5637600
    Draw(tLeft, tRight);
    const Calls& calls = canvas.Calls();
    const Calls texts = Texts();
    // The year tick is drawn in the dawn colour and labelled below the month names.
    const int xYear = static_cast<int>(47.0 / 87 * 800 + 0.5);
    const std::string yearTick =
        "line " + std::to_string(xYear) + ",0-" + std::to_string(xYear) + ",16";
    const auto tick = std::find(calls.begin(), calls.end(), yearTick);
    ASSERT_NE(tick, calls.end());
    EXPECT_EQ(*(tick - 1), "pen colour 255");
    EXPECT_EQ(*(tick + 1), "text " + std::to_string(xYear - 8) + ",18 2005");
    // December and February; January has no month tick, November began before the window.
    EXPECT_EQ(Ticks(16).size(), 3u);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.find(",17 ") != t.npos; }),
              2);
    // Every fourth day of the month: 16 .. 28 Nov, 4 .. 28 Dec, 4 .. 28 Jan, 4 and 8 Feb.
    EXPECT_EQ(Ticks(10).size(), 4u + 7u + 7u + 2u);
    const auto firstDay = std::find_if(
        texts.begin(), texts.end(), [](const std::string& t) { return t.find(",12 ") != t.npos; });
    ASSERT_NE(firstDay, texts.end());
    EXPECT_EQ(firstDay->substr(firstDay->find(' ', 5) + 1), "16d");
    EXPECT_TRUE(Ticks(7).empty());
}

TEST_F(CalendarScaleTest, LongSpansShowYearsAndSteppedMonths) {
    Draw(PartsToTime(1990, 6, 1, 0, 0, 0), PartsToTime(2000, 6, 1, 0, 0, 0));
    Calls years;
    for (const auto& t : Texts()) years.push_back(t.substr(t.rfind(' ') + 1));
    EXPECT_EQ(years, (Calls{"1991", "1992", "1993", "1994", "1995", "1996", "1997", "1998", "1999",
                            "2000"}));
    EXPECT_TRUE(canvas.CallsStartingWith("font colour").empty());

    canvas.Clear();
    Draw(PartsToTime(1990, 1, 1, 0, 0, 0), PartsToTime(1992, 1, 1, 0, 0, 0));  // step 4
    Calls months;
    for (const auto& t : Texts())
        if (t.find(",17 ") != t.npos) months.push_back(t.substr(t.rfind(' ') + 1));
    EXPECT_EQ(months, (Calls{"APR", "AUG", "DEC", "APR", "AUG", "DEC"}));
    EXPECT_EQ(Ticks(16).size(), 22u + 1u);  // 11 months a year, one year tick
}

TEST_F(CalendarScaleTest, TinySpanBeepsAndDrawsNothing) {
    Draw(1e10, 1e10 + 1);
    EXPECT_TRUE(canvas.Calls().empty());
    ASSERT_EQ(ui.Events().size(), 1u);
    EXPECT_EQ(ui.Events()[0].kind, UiEvent::Kind::Beep);

    // Two milliseconds: far-away boundaries are not drawn and nothing overflows.
    ui.Clear();
    EXPECT_NO_THROW(
        Draw(PartsToTime(2005, 6, 17, 10, 3, 30) + 400, PartsToTime(2005, 6, 17, 10, 3, 30) + 402));
    EXPECT_TRUE(ui.Events().empty());
    EXPECT_EQ(canvas.Calls().front(), "line 0,0-800,0");
    EXPECT_TRUE(Texts().empty());
}

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
