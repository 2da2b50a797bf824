#include "processing/WorkSection.h"

#include <algorithm>
#include <filesystem>

#include "AppState.h"
#include "core/Checked.h"
#include "core/UiPort.h"

namespace corv {

SectionIndexes SectionOf(const ChannelStore& store, int c, double tLeft, double tRight) {
    const ChannelRecord& r = store.Rec(c);
    SectionIndexes s;
    if (r.SampRate <= 0) return s;  // no timing: no samples to work on
    s.first = Trunc<int32_t>(tLeft / r.SampRate);
    s.last = std::min(Trunc<int32_t>(tRight / r.SampRate), r.DataCnt);
    return s;
}

// Walks the common indexes from..from+count-1 block by block: f(k, word pointer or null,
// run length), where k is the offset from `from` and a null pointer means no stored word.
template <class F>
static void ForEachRun(const ChannelStore& store, int c, int64_t from, size_t count, int64_t limit,
                       F&& f) {
    const int64_t delay = store.Rec(c).CorrSmpDelay;
    size_t k = 0;
    while (k < count) {
        const int64_t p = from + static_cast<int64_t>(k) - delay;
        size_t run = 1;
        uint16_t* w = nullptr;
        if (p >= 0 && p <= limit) {
            w = store.BankWord(c, static_cast<int32_t>(p));
            const int64_t inBlock = ChannelStore::kBlockSamples - (p & ChannelStore::kBlockMask);
            run = static_cast<size_t>(
                std::min<int64_t>({inBlock, limit - p + 1, static_cast<int64_t>(count - k)}));
        } else if (p < 0) {
            run = static_cast<size_t>(std::min<int64_t>(-p, static_cast<int64_t>(count - k)));
        } else {
            run = count - k;
        }
        f(k, w, run);
        k += run;
    }
}

std::vector<uint16_t> ReadWords(const ChannelStore& store, int c, int64_t from, int64_t to) {
    std::vector<uint16_t> out(static_cast<size_t>(std::max<int64_t>(to - from + 1, 0)), 0);
    ForEachRun(store, c, from, out.size(), store.Rec(c).DataCnt,
               [&](size_t k, const uint16_t* w, size_t run) {
                   if (w) std::copy(w, w + run, out.begin() + static_cast<ptrdiff_t>(k));
               });
    return out;
}

void WriteWords(ChannelStore& store, int c, int64_t from, const uint16_t* words, size_t count) {
    ForEachRun(store, c, from, count, int64_t{store.MaxSamples} - 1,
               [&](size_t k, uint16_t* w, size_t run) {
                   if (w) std::copy(words + k, words + k + run, w);
               });
}

bool PolynomialRefused(AppState& state, UiPort& ui, int c) {
    if (state.store.Rec(c).bApplyPolynom != 1) return false;
    if (!state.store.UpdatePolynomFlag(c)) return false;
    ui.ShowHelpFile(std::filesystem::path(state.folders.HelpFolder) / "ErrPoly.rtf");
    return true;
}

uint16_t RawOfValue(const ChannelStore& store, int c, double value) {
    bool inRange = true;
    return store.ValueToRaw(c, inRange, value);
}

}  // namespace corv
