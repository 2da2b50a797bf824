#include "files/StartPreparation.h"

#include <filesystem>

#include "AppState.h"
#include "core/Checked.h"
#include "core/Times.h"
#include "core/UiPort.h"
#include "files/BinaryHeader.h"
#include "files/FileNameExtension.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr double kNoStart = 1e17;
// Start times further apart than this (seconds) are probably a wrong header.
constexpr double kFarApartSeconds = 26000000;
constexpr double kMaxDelay = 2147483647;

bool FileExists(const std::string& name) {
    std::error_code ec;
    const fs::path p(name);
    return !name.empty() && fs::exists(p, ec) && !fs::is_directory(p, ec);
}

bool Present(const AppState& state, int c) {
    return state.store.ChannelPresent[static_cast<size_t>(c)];
}

// The earliest StartTime of the present channels; kNoStart when none is present.
double EarliestStart(const AppState& state) {
    double earliest = kNoStart;
    for (int c = 0; c < kChannelCount; ++c)
        if (Present(state, c) && state.store.Rec(c).StartTime < earliest)
            earliest = state.store.Rec(c).StartTime;
    return earliest;
}

// The delay of channel c in its own samples; false after the message or a No.
bool ChannelDelay(ChannelRecord& r, double earliest, UiPort& ui) {
    r.SmpDelay = 0;
    if (r.SampRate < 1) {
        ui.Message(" Illegal sampl. rate");
        return false;
    }
    double d = r.StartTime - earliest;
    if (d / 1000 > kFarApartSeconds &&
        ui.Ask(" Start times differs much! \r\n(May origin from info in file header)\r\nContinue? ",
               Buttons::YesNo, BoxKind::Confirmation) != Answer::Yes)
        return false;
    d /= r.SampRate;
    if (d > kMaxDelay) {
        ui.Message("Illegal start time");
        return false;
    }
    r.SmpDelay = Round<int32_t>(d);
    return true;
}

}  // namespace

bool MarkPresentChannels(AppState& state) {
    bool any = false;
    for (int c = 0; c < kChannelCount; ++c) {
        const ChannelRecord& r = state.store.Rec(c);
        const bool present = FileExists(r.NameIn) || r.ToCreate == 1;
        state.store.ChannelPresent[static_cast<size_t>(c)] = present;
        any = any || present;
    }
    if (any) state.startRef = StartRefFromTime(EarliestStart(state));
    return any;
}

void ReadHeaders(AppState& state) {
    for (int c = 0; c < kChannelCount; ++c) {
        const ChannelRecord& r = state.store.Rec(c);
        if (r.ReadHeader == 'Y' && r.ColumnValue == 0 && FileExists(r.NameIn))
            ReadBinaryHeader(state, fs::path(r.NameIn), c);
    }
}

bool CheckStartTimes(AppState& state, UiPort& ui) {
    const double earliest = EarliestStart(state);
    for (int c = 0; c < kChannelCount; ++c)
        if (Present(state, c) && !ChannelDelay(state.store.Rec(c), earliest, ui)) return false;
    if (earliest < kNoStart) state.startRef = StartRefFromTime(earliest);
    return true;
}

void ApplyDelays(AppState& state) {
    for (int c = 0; c < kChannelCount; ++c)
        if (Present(state, c)) state.store.Rec(c).CorrSmpDelay = state.store.Rec(c).SmpDelay;
}

void DeriveOutputNames(AppState& state) {
    Settings& s = state.settings;
    const std::string& first = state.store.Rec(0).NameIn;
    for (int c = 0; c < kChannelCount; ++c)
        s.NameOutFile[static_cast<size_t>(c)] =
            ReplaceExtension(first, ".ex" + std::to_string(c + 1));
    s.BreathFileName = ReplaceExtension(first, ".brh");
    s.FeedFileName = ReplaceExtension(first, ".pry");
    for (int c = 0; c < kChannelCount; ++c) {
        const std::string& name = state.store.Rec(c).NameIn;
        if (!FileExists(name)) continue;
        s.StatisticsFileName = ReplaceExtension(name, ".sta");
        for (auto& h : state.histograms) h.fileName = ReplaceExtension(name, ".his");
        break;
    }
}

}  // namespace corv
