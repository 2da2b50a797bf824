#include "processing/SectionBuffers.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "AppState.h"
#include "core/Checked.h"
#include "core/EditScope.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"

namespace corv {

namespace {

SectionBuffer& Buffer(AppState& state, int b) {
    CheckIndex(b, kSectionBufferCount);
    return state.sectionBuffers[static_cast<size_t>(b)];
}

struct CopyPlan {
    int32_t first = 0;
    int32_t last = -1;
    int64_t target = 0;
};

// The source indexes first..last of the buffer and the target index of first.
CopyPlan PlanCopy(const AppState& state, const SectionBuffer& buffer) {
    const ChannelRecord& src = state.store.Rec(buffer.channel);
    CopyPlan plan;
    if (src.SampRate <= 0) return plan;
    const double dt = src.SampRate;
    plan.first = Trunc<int32_t>(buffer.startTime / dt);
    const double end = std::trunc(buffer.endTime / dt);
    plan.last = end < src.DataCnt ? Trunc<int32_t>(end) : src.DataCnt;
    plan.target = Round<int64_t>(state.view.LeftCursor / dt);
    return plan;
}

}  // namespace

void FillSectionBuffer(AppState& state, int b) {
    SectionBuffer& buffer = Buffer(state, b);
    buffer.startTime = state.view.LeftCursor;
    buffer.endTime = state.view.RightCursor;
    buffer.channel = state.ActiveChannel;
    LogCommand(state, "section-store " + std::to_string(b), true);
}

void SetSectionBuffersUsed(AppState& state, const std::array<bool, kSectionBufferCount>& ticked) {
    for (int b = 0; b < kSectionBufferCount; ++b) Buffer(state, b).used = ticked[size_t(b)];
}

std::array<bool, kSectionBufferCount> UsedSectionBuffers(const AppState& state) {
    std::array<bool, kSectionBufferCount> used{};
    for (size_t b = 0; b < used.size(); ++b) used[b] = state.sectionBuffers[b].used;
    return used;
}

int SoleUsedSectionBuffer(const AppState& state) {
    int sole = -1;
    for (int b = 0; b < kSectionBufferCount; ++b) {
        if (!state.sectionBuffers[size_t(b)].used) continue;
        if (sole >= 0) return -1;
        sole = b;
    }
    return sole;
}

bool SelectSectionBuffer(AppState& state, UiPort& ui, int b) {
    state.selectedSectionBuffer = -1;
    HideSectionBuffers(state);
    if (b < 0) {
        ui.Message("Invalid choice");
        return false;
    }
    Buffer(state, b).shown = true;
    state.selectedSectionBuffer = b;
    return true;
}

void HideSectionBuffers(AppState& state) {
    for (SectionBuffer& buffer : state.sectionBuffers) buffer.shown = false;
}

int ShownSectionBuffer(const AppState& state) {
    for (int b = 0; b < kSectionBufferCount; ++b)
        if (state.sectionBuffers[size_t(b)].shown) return b;
    return -1;
}

// The copied samples bring their gaps along: the target stretch is unmeasured exactly where
// the source was.
static void CopyGaps(ChannelStore& s, int src, int32_t first, int32_t last, int a, int64_t target) {
    const auto position = [&](int c, int64_t i) {
        return static_cast<int32_t>(
            std::clamp<int64_t>(i - s.Rec(c).CorrSmpDelay, INT32_MIN, INT32_MAX));
    };
    const int64_t shift = target - first;
    std::vector<GapRange> marked;
    GapRange prev{first, first - 1};
    for (const GapRange& run : s.RealRuns(src, first, last)) {
        if (run.first > prev.last + 1) marked.push_back({prev.last + 1, run.first - 1});
        prev = run;
    }
    if (prev.last < last) marked.push_back({prev.last + 1, last});
    ChannelGaps& gaps = s.Gaps[size_t(a)];
    gaps.Erase(position(a, target), position(a, target + (int64_t{last} - first)));
    const int32_t end = position(a, s.Rec(a).DataCnt);
    for (const GapRange& g : marked)
        gaps.Mark(std::max(position(a, g.first + shift), 0),
                  std::min(position(a, g.last + shift), end));
}

bool CopySectionBuffer(AppState& state, UiPort& ui, int b) {
    SectionBuffer& buffer = Buffer(state, b);
    buffer.shown = false;
    const CopyPlan plan = PlanCopy(state, buffer);
    if (plan.last < plan.first) return false;
    const int a = state.ActiveChannel;
    const int src = buffer.channel;
    const int64_t lastTarget = plan.target + (int64_t{plan.last} - plan.first);
    const EditScope scope = EditScope().Words(a, plan.target, lastTarget).Record(a);
    const bool changed = state.history.RunEdit(state, ui, "Section copy", scope, [&] {
        // Ascending, so a target after an overlapping source repeats the copied stretch.
        int64_t target = plan.target;
        for (int32_t i = plan.first; i <= plan.last; ++i, ++target)
            if (target >= 0 && target <= INT32_MAX)
                state.store.SetRaw(static_cast<int32_t>(target), state.store.GetRaw(i, src), a);
        CopyGaps(state.store, src, plan.first, plan.last, a, plan.target);
        return true;
    });
    if (changed) LogEdit(state, "section-overwrite " + std::to_string(b), true);
    return changed;
}

}  // namespace corv
