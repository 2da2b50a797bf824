#include "graph/ViewSettings.h"

#include <algorithm>

#include "AppState.h"
#include "core/Convert.h"
#include "core/NumberFormat.h"
#include "core/Utf8Text.h"

namespace corv {

namespace {

// Chart style codes 0..5: direction × 3 + figure.
constexpr int kFigures = 3;
constexpr int kDialogStyles = 6;

bool ValidCaptionPos(int32_t pos) {
    return pos == kCaptionInvisible || pos == kCaptionAtTop || pos == kCaptionAtBottom;
}

SubsidLine& Line(AppState& state, int c, int i) {
    return state.settings.SubsidLines.at(static_cast<size_t>(c)).at(static_cast<size_t>(i));
}

}  // namespace

ChartStyleChoice ChartStyleOf(const AppState& state, int c) {
    const ChannelRecord& r = state.store.Rec(c);
    ChartStyleChoice choice;
    if (r.GrRepr < kDialogStyles) {
        choice.direction = r.GrRepr / kFigures;
        choice.figure = r.GrRepr % kFigures;
    }
    choice.captionPos = state.CaptionPos;
    choice.caption = r.Caption;
    return choice;
}

void ApplyChartStyle(AppState& state, int c, const ChartStyleChoice& choice) {
    ChannelRecord& r = state.store.Rec(c);
    const bool direction = choice.direction == 0 || choice.direction == 1;
    const bool figure = choice.figure >= 0 && choice.figure < kFigures;
    if (direction && figure)
        r.GrRepr = static_cast<uint8_t>(choice.direction * kFigures + choice.figure);
    if (ValidCaptionPos(choice.captionPos)) state.CaptionPos = choice.captionPos;
    r.Caption = CutCaption(choice.caption);
}

std::string CutCaption(const std::string& caption) {
    return FirstCharacters(caption, kMaxCaptionLength);
}

SubsidLineRows SubsidLineRowsOf(const AppState& state, int c) {
    const auto& lines = state.settings.SubsidLines.at(static_cast<size_t>(c));
    SubsidLineRows rows;
    for (int i = 1; i <= kSubsidLineRows; ++i) {
        const SubsidLine& line = lines[static_cast<size_t>(i)];
        rows[static_cast<size_t>(i - 1)] = {line.shown == 1.0, FormatShortest(line.value)};
    }
    return rows;
}

void ApplySubsidLineRows(AppState& state, int c, const SubsidLineRows& rows) {
    std::array<double, kSubsidLineRows> values{};
    for (size_t k = 0; k < rows.size(); ++k)
        if (rows[k].checked) values[k] = StrToFloat(rows[k].text);

    double switches = 0;
    for (int i = 1; i <= kSubsidLineRows; ++i) {
        const size_t k = static_cast<size_t>(i - 1);
        SubsidLine& line = Line(state, c, i);
        line.shown = rows[k].checked ? 1.0 : 0.0;
        if (rows[k].checked) line.value = values[k];
        switches += line.shown;
    }
    Line(state, c, 0).shown = switches >= 0.5 ? 1.0 : 0.0;
}

bool ApplyStripHeights(AppState& state, const std::array<int, 3>& heights) {
    ChannelStore& store = state.store;
    std::array<uint8_t, kChannelCount> weights{};
    bool anyStrip = false;
    for (int c = 0; c < kChannelCount; ++c) {
        const size_t k = static_cast<size_t>(c);
        weights[k] = static_cast<uint8_t>(std::clamp(heights[k], 0, kMaxStripHeight));
        if (store.ChannelPresent[k] && weights[k] > 0) anyStrip = true;
    }
    // Without any strip the window would have nothing to show and no channel to act on.
    if (!anyStrip) return false;

    for (int c = 0; c < kChannelCount; ++c)
        if (store.ChannelPresent[static_cast<size_t>(c)])
            store.Rec(c).WndSze = weights[static_cast<size_t>(c)];

    const int active = state.ActiveChannel;
    const bool activeHasStrip = active >= 0 && active < kChannelCount &&
                                store.ChannelPresent[static_cast<size_t>(active)] &&
                                store.Rec(active).WndSze > 0;
    if (!activeHasStrip) {
        for (int c = 0; c < kChannelCount; ++c) {
            if (store.ChannelPresent[static_cast<size_t>(c)] && store.Rec(c).WndSze > 0) {
                state.ActiveChannel = c;
                break;
            }
        }
    }
    return true;
}

}  // namespace corv
