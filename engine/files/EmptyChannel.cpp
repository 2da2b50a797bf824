#include "files/EmptyChannel.h"

#include <algorithm>
#include <fstream>

#include "AppState.h"
#include "core/Checked.h"
#include "core/UiPort.h"

namespace corv {

namespace {

// Whether a file of this name can be created; the test file is removed again.
bool CanCreate(const std::filesystem::path& file) {
    {
        std::ofstream probe(file, std::ios::binary);
        if (!probe) return false;
    }
    std::error_code ec;
    std::filesystem::remove(file, ec);
    return true;
}

// Writes `raw` at bank positions first..last of channel c, within the capacity.
void FillBank(ChannelStore& store, int c, int64_t first, int64_t last, uint16_t raw) {
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, int64_t{store.MaxSamples} - 1);
    while (first <= last) {
        const auto p = static_cast<int32_t>(first);
        const int64_t blockEnd = (first | ChannelStore::kBlockMask) + 1;
        const int64_t count = std::min(blockEnd, last + 1) - first;
        if (uint16_t* w = store.BankWord(c, p)) std::fill_n(w, count, raw);
        first += count;
    }
}

}  // namespace

bool ShouldCreateEmpty(const AppState& state, int c) {
    const ChannelRecord& r = state.store.Rec(c);
    std::error_code ec;
    return r.ToCreate == 1 && !std::filesystem::exists(std::filesystem::path(r.NameIn), ec);
}

int CreateEmptyChannel(AppState& state, UiPort& ui, int c) {
    ChannelStore& store = state.store;
    ChannelRecord& r = store.Rec(c);
    if (!CanCreate(std::filesystem::path(r.NameIn))) {
        ui.Message(" Error. Missing filename of file to create ");
        return 1;
    }
    // As long as channel 0 in time; 64-bit because DataCnt x SampRate exceeds 32 bits.
    const ChannelRecord& r0 = store.Rec(0);
    if (r.SampRate == 0) throw RangeError("Division by zero");
    r.DataCnt = Narrow<int32_t>(int64_t{r0.DataCnt} * r0.SampRate / r.SampRate);
    r.EndTime = static_cast<double>(r.SampRate) * r.DataCnt + r.StartTime;
    bool inRange = true;
    const uint16_t fill = store.ValueToRaw(c, inRange, 0.0);
    // Common index i lives at bank position i - CorrSmpDelay.
    FillBank(store, c, -int64_t{r.CorrSmpDelay}, int64_t{r.DataCnt} - r.CorrSmpDelay, fill);
    store.ChannelPresent[static_cast<size_t>(c)] = true;
    return 0;
}

}  // namespace corv
