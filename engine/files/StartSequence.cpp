#include "files/StartSequence.h"

#include <algorithm>
#include <filesystem>

#include "AppState.h"
#include "core/Times.h"
#include "core/UiPort.h"
#include "files/BinaryChannel.h"
#include "files/InputChecks.h"
#include "files/ReadOnlyFile.h"
#include "files/StartPreparation.h"
#include "files/TextImport.h"

namespace corv {

namespace {

namespace fs = std::filesystem;

// A relative input name that does not exist from the working folder is looked up beside
// the setup file, so a recording and its setup file can be moved together.
void ResolveInputNames(AppState& state) {
    const fs::path setupFolder = fs::path(state.folders.SetupPath).parent_path();
    if (setupFolder.empty()) return;
    for (auto& r : state.store.Channel) {
        const fs::path name(r.NameIn);
        std::error_code ec;
        if (r.NameIn.empty() || name.is_absolute() || fs::exists(name, ec)) continue;
        const fs::path beside = setupFolder / name;
        if (fs::is_regular_file(beside, ec)) r.NameIn = fs::absolute(beside, ec).string();
    }
}

void ResetRunState(AppState& state) {
    state.ChannelModified.fill(false);
    state.history.Restart();
    state.settings.OutDlmt = '\t';
    for (auto& r : state.store.Channel) r.CorrSmpDelay = 0;
    state.frequencyTags = {};  // they belong to the channels loaded before
}

// The failure count of the loaders, or kLoadCancelled when the user cancelled one.
int LoadChannels(AppState& state, UiPort& ui, const StartHooks& hooks) {
    int failures = 0;
    for (int c = 0; c < kChannelCount && failures == 0; ++c) {
        if (state.store.ChannelPresent[static_cast<size_t>(c)] && hooks.beforeLoad)
            hooks.beforeLoad(c);
        const int result = state.store.Rec(c).ColumnValue > 0 ? LoadTextChannel(state, ui, c)
                                                              : LoadBinaryChannel(state, ui, c);
        if (result == kLoadCancelled) return kLoadCancelled;
        failures += result;
    }
    return failures;
}

// A scaling that is not finite would turn every value of the channel into NaN. A text
// channel scaled automatically gets its scaling from the data when it loads.
bool ScalingsAreFinite(const AppState& state, UiPort& ui) {
    for (int c = 0; c < kChannelCount; ++c) {
        const ChannelRecord& r = state.store.Rec(c);
        const bool autoScaled = r.ColumnValue > 0 && r.AutoScale == 'Y';
        if (state.store.ChannelPresent[static_cast<size_t>(c)] && !autoScaled &&
            !ScalingIsFinite(r)) {
            ui.Message(NonFiniteScalingMessage(c));
            return false;
        }
    }
    return true;
}

// Devices and pipes (/dev/zero) would be read forever: Start refuses them by name.
bool NoSpecialFiles(const AppState& state, UiPort& ui) {
    for (const auto& r : state.store.Channel)
        if (!r.NameIn.empty() && IsSpecialFile(r.NameIn)) {
            ui.Message(" Not a regular file: " + r.NameIn, BoxKind::Error);
            return false;
        }
    return true;
}

double LongestSpan(const ChannelStore& store) {
    double span = 0;
    for (int c = 0; c < kChannelCount; ++c)
        if (store.ChannelPresent[static_cast<size_t>(c)]) {
            const ChannelRecord& r = store.Rec(c);
            span = std::max(span, static_cast<double>(r.DataCnt) * r.SampRate);
        }
    return span;
}

}  // namespace

StartOutcome RunStart(AppState& state, UiPort& ui, const StartHooks& hooks) {
    ResetRunState(state);
    ResolveInputNames(state);
    if (!NoSpecialFiles(state, ui)) return StartOutcome::PrepareFailed;
    if (!MarkPresentChannels(state)) {
        ui.Message(" Invalid filename(s)", BoxKind::Error);
        return StartOutcome::NoChannel;
    }
    if (!CheckInputFiles(state, ui)) return StartOutcome::PrepareFailed;
    ReadHeaders(state);
    if (!CheckStartTimes(state, ui)) return StartOutcome::PrepareFailed;
    ApplyDelays(state);
    state.store.OriginTime = StartRefToTime(state.startRef);
    for (auto& r : state.store.Channel) ScaleFromRange(r);
    if (!ScalingsAreFinite(state, ui)) return StartOutcome::PrepareFailed;
    DeriveOutputNames(state);
    const int failures = LoadChannels(state, ui, hooks);
    // The loaders write the banks directly (also when cancelled or failed): the drawing's
    // block extremes are built now.
    for (int c = 0; c < kChannelCount; ++c)
        state.store.MarkChanged(c, 0, int64_t{state.store.MaxSamples} - 1);
    if (failures == kLoadCancelled) return StartOutcome::Cancelled;
    if (failures > 0) {
        ui.Message(" Error. Missing data files.");
        return StartOutcome::LoadFailed;
    }
    state.store.TotalSpan = LongestSpan(state.store);
    return StartOutcome::Loaded;
}

}  // namespace corv
