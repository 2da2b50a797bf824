#include "graph/CalendarScale.h"

#include <algorithm>
#include <string>

#include "core/Canvas.h"
#include "core/Checked.h"
#include "core/Times.h"
#include "core/UiPort.h"

namespace corv {

namespace {

constexpr double kMsPerSecond = 1000;
constexpr double kMsPerMinute = 60 * kMsPerSecond;
constexpr double kMsPerHour = 60 * kMsPerMinute;
constexpr double kMsPerDay = 24 * kMsPerHour;

constexpr const char* kMonthNames[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// A step that applies once the scaled span exceeds `above` seconds.
struct Rung {
    int64_t above;
    int step;
};

template <size_t N>
int StepFor(int64_t scaledSpan, const Rung (&rungs)[N]) {
    int step = 1;
    for (const Rung& r : rungs)
        if (scaledSpan > r.above) step = r.step;
    return step;
}

// The line height of the scale's 8-pixel font on a plain screen; a larger one (a high
// pixel density or a large font) spreads ticks and labels in proportion.
constexpr int kPlainTextHeight = 13;

class ScaleDrawer {
  public:
    ScaleDrawer(Canvas& canvas, int y, double tLeft, double tRight)
        : m_canvas(canvas),
          m_y(y),
          m_tLeft(tLeft),
          m_k(canvas.Width() / (tRight - tLeft)),
          m_unit(std::max(1.0, canvas.TextHeight("0") / double(kPlainTextHeight))) {}

    // The passes begin at the unit boundary at or before the left edge; a boundary before
    // it would only be drawn off the image and take the unit letter with it.
    bool Visible(double t) const { return t >= m_tLeft; }

    int X(double t) const { return Round<int>((t - m_tLeft) * m_k); }

    void Tick(int x, int length) {
        m_canvas.MoveTo(x, m_y);
        m_canvas.LineTo(x, m_y + Scaled(length));
    }

    // A label `before` plain pixels left of x, moved inside the image where it would be
    // cut at an edge.
    void Label(int x, int before, int dy, const std::string& text) {
        const int width = m_canvas.TextWidth(text);
        const int left = std::max(0, std::min(x - Scaled(before), m_canvas.Width() - width));
        m_canvas.TextOut(left, m_y + Scaled(dy), text);
    }

    Canvas& canvas() const { return m_canvas; }

  private:
    int Scaled(int pixels) const { return Round<int>(pixels * m_unit); }

    Canvas& m_canvas;
    int m_y;
    double m_tLeft;
    double m_k;
    double m_unit;
};

// One of the day, hour, minute and second passes: from `start`, every `advance` ms up to
// tRight, a tick and a label where the unit's value is a multiple of `step` other than
// `skipped`; the first label carries the unit letter.
struct UnitPass {
    double start;
    double advance;
    int step;
    int skipped;
    int tickLength;
    int labelDy;
    char unit;
};

template <class ValueAt>
void DrawUnitPass(ScaleDrawer& d, const UnitPass& pass, double tRight, ValueAt valueAt) {
    bool first = true;
    int n = 0;
    for (double t = pass.start; t < tRight; t += pass.advance, ++n) {
        if (!d.Visible(t)) continue;
        const int value = valueAt(t, n);
        if (value == pass.skipped || value % pass.step != 0) continue;
        const int x = d.X(t);
        d.Tick(x, pass.tickLength);
        std::string label = std::to_string(value);
        if (first) label += pass.unit;
        first = false;
        d.Label(x, 4, pass.labelDy, label);
    }
}

void DrawYears(ScaleDrawer& d, Colour pen, int fromYear, double tRight) {
    for (int32_t year = fromYear;; ++year) {
        const double t = PartsToTime(year, 1, 1, 0, 0, 0);
        if (!(t < tRight)) break;
        d.canvas().SetPenColour(pen);
        const int x = d.X(t);
        d.Tick(x, 16);
        d.Label(x, 8, 18, std::to_string(year));
    }
}

void DrawMonths(ScaleDrawer& d, int64_t s, const TimeParts& p, double tRight) {
    static constexpr Rung kRungs[] = {{15120000, 2}, {30240000, 4}, {60480000, 6}};
    const int step = StepFor(s, kRungs);
    int32_t year = p.year;
    int32_t month = p.month;
    for (double t = PartsToTime(year, month, 1, 0, 0, 0); t < tRight;
         t = PartsToTime(year, month, 1, 0, 0, 0)) {
        if (month != 1 && d.Visible(t)) {
            const int x = d.X(t);
            d.Tick(x, 16);
            if (month % step == 0) {
                CheckIndex(month - 1, 12);
                d.Label(x, 8, 17, kMonthNames[month - 1]);
            }
        }
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

void DrawDays(ScaleDrawer& d, int64_t s, const TimeParts& p, double tRight) {
    static constexpr Rung kRungs[] = {{2160000, 2}, {4320000, 4}, {8640000, 7}};
    const UnitPass pass{.start = PartsToTime(p.year, p.month, p.day, 0, 0, 0),
                        .advance = kMsPerDay,
                        .step = StepFor(s, kRungs),
                        .skipped = 1,
                        .tickLength = 10,
                        .labelDy = 12,
                        .unit = 'd'};
    // Days run over month ends, so the day of month comes from the calendar.
    DrawUnitPass(d, pass, tRight, [](double t, int) { return int{TimeToParts(t).day}; });
}

void DrawHours(ScaleDrawer& d, int64_t s, const TimeParts& p, double tRight) {
    static constexpr Rung kRungs[] = {{90000, 2}, {180000, 4}, {360000, 8}, {540000, 12}};
    const UnitPass pass{.start = PartsToTime(p.year, p.month, p.day, p.hour, 0, 0),
                        .advance = kMsPerHour,
                        .step = StepFor(s, kRungs),
                        .skipped = 0,
                        .tickLength = 7,
                        .labelDy = 9,
                        .unit = 'h'};
    DrawUnitPass(d, pass, tRight, [&](double, int n) { return (p.hour + n) % 24; });
}

void DrawMinutes(ScaleDrawer& d, int64_t s, const TimeParts& p, double tRight) {
    static constexpr Rung kRungs[] = {{1200, 2}, {2400, 5}, {4800, 10}, {10800, 15}};
    const UnitPass pass{.start = PartsToTime(p.year, p.month, p.day, p.hour, p.minute, 0),
                        .advance = kMsPerMinute,
                        .step = StepFor(s, kRungs),
                        .skipped = 0,
                        .tickLength = 4,
                        .labelDy = 5,
                        .unit = 'm'};
    DrawUnitPass(d, pass, tRight, [&](double, int n) { return (p.minute + n) % 60; });
}

void DrawSeconds(ScaleDrawer& d, int64_t s, const TimeParts& p, double tRight) {
    static constexpr Rung kRungs[] = {{25, 2}, {60, 5}, {120, 10}, {180, 15}};
    const UnitPass pass{.start = PartsToTime(p.year, p.month, p.day, p.hour, p.minute, p.second),
                        .advance = kMsPerSecond,
                        .step = StepFor(s, kRungs),
                        .skipped = 0,
                        .tickLength = 2,
                        .labelDy = 3,
                        .unit = 's'};
    DrawUnitPass(d, pass, tRight, [&](double, int n) { return (p.second + n) % 60; });
}

}  // namespace

void DrawCalendarScale(Canvas& canvas, UiPort& ui,
                       const std::array<ColourEntry, kColourCount>& colours, int y, double factor,
                       double tLeft, double tRight) {
    const double span = tRight - tLeft;
    if (span <= 1) {
        ui.Beep();
        return;
    }
    const int64_t spanSec = Trunc(span / 1000);
    ScaleDrawer d(canvas, y, tLeft, tRight);
    canvas.MoveTo(0, y);
    canvas.LineTo(canvas.Width(), y);

    // The thresholds compare this scaled span, in seconds.
    const int64_t s = Round(static_cast<double>(spanSec) * factor);
    const TimeParts p = TimeToParts(tLeft);
    const Colour dawn = colours[kColDawn].value;
    const Colour dusk = colours[kColDusk].value;

    DrawYears(d, dawn, p.year + 1, tRight);
    if (s < 126144100) {
        canvas.SetFontColour(dusk);
        DrawMonths(d, s, p, tRight);
    }
    if (s < 17280000) {
        canvas.SetFontColour(dawn);
        DrawDays(d, s, p, tRight);
    }
    if (s < 720000) {
        canvas.SetFontColour(dusk);
        DrawHours(d, s, p, tRight);
    }
    if (s < 21600) {
        canvas.SetFontColour(dawn);
        DrawMinutes(d, s, p, tRight);
    }
    if (s < 240) {
        canvas.SetFontHeight(6);
        canvas.SetFontColour(dusk);
        DrawSeconds(d, s, p, tRight);
    }
    canvas.SetFontHeight(8);
}

}  // namespace corv
