#include "core/EditScope.h"

#include <algorithm>
#include <utility>

#include "AppState.h"
#include "core/Checked.h"

namespace corv {

namespace {

// Words of one channel at bank positions first..last.
class WordsSnapshot final : public UndoSnapshot {
  public:
    WordsSnapshot(const ChannelStore& store, int c, int64_t first, int64_t last)
        : m_channel(c), m_first(first), m_words(static_cast<size_t>(last - first + 1)) {
        for (size_t k = 0; k < m_words.size(); ++k) {
            const uint16_t* w = store.BankWord(c, static_cast<int32_t>(m_first + int64_t(k)));
            m_words[k] = w ? *w : 0;
        }
    }
    void Swap(AppState& state) override {
        for (size_t k = 0; k < m_words.size(); ++k) {
            if (uint16_t* w =
                    state.store.BankWord(m_channel, static_cast<int32_t>(m_first + int64_t(k))))
                std::swap(*w, m_words[k]);
        }
    }
    size_t Bytes() const override { return m_words.size() * sizeof(uint16_t); }

  private:
    int m_channel;
    int64_t m_first;
    std::vector<uint16_t> m_words;
};

// The record goes with the channel's gap list: both describe its samples.
class RecordSnapshot final : public UndoSnapshot {
  public:
    RecordSnapshot(const ChannelStore& store, int c)
        : m_channel(c), m_record(store.Rec(c)), m_gaps(store.Gaps[size_t(c)]) {}
    void Swap(AppState& state) override {
        std::swap(state.store.Rec(m_channel), m_record);
        std::swap(state.store.Gaps[size_t(m_channel)], m_gaps);
    }
    size_t Bytes() const override {
        return sizeof(ChannelRecord) + m_gaps.Ranges().size() * sizeof(GapRange);
    }

  private:
    int m_channel;
    ChannelRecord m_record;
    ChannelGaps m_gaps;
};

// The length of the time axis: insert raises it.
class AxisSnapshot final : public UndoSnapshot {
  public:
    explicit AxisSnapshot(const ChannelStore& store) : m_totalSpan(store.TotalSpan) {}
    void Swap(AppState& state) override { std::swap(state.store.TotalSpan, m_totalSpan); }
    size_t Bytes() const override { return sizeof(double); }

  private:
    double m_totalSpan;
};

}  // namespace

EditScope& EditScope::Words(int c, int64_t first, int64_t last) {
    CheckIndex(c, kChannelCount);
    m_words.push_back({c, first, last, false});
    return *this;
}

EditScope& EditScope::WholeChannel(int c, int64_t lastAfter) {
    CheckIndex(c, kChannelCount);
    m_words.push_back({c, 0, lastAfter, true});
    return *this;
}

EditScope& EditScope::Record(int c) {
    CheckIndex(c, kChannelCount);
    m_records[static_cast<size_t>(c)] = true;
    return *this;
}

EditScope& EditScope::Extra(std::function<std::unique_ptr<UndoSnapshot>(AppState&)> capture,
                            size_t bytes) {
    m_extras.push_back({std::move(capture), bytes});
    return *this;
}

EditScope& EditScope::KeepModifiedFlags() {
    m_marksModified = false;
    return *this;
}

std::vector<EditScope::BankRange> EditScope::BankRanges(const AppState& state) const {
    std::vector<BankRange> ranges;
    const int64_t bankEnd = int64_t{state.store.MaxSamples} - 1;
    for (const WordRange& w : m_words) {
        const ChannelRecord& r = state.store.Rec(w.channel);
        int64_t first = 0, last = 0;
        if (w.whole) {
            first = 0;
            last = std::max<int64_t>(r.DataCnt, w.last) - r.CorrSmpDelay;
        } else {
            first = w.first - r.CorrSmpDelay;
            last = w.last - r.CorrSmpDelay;
        }
        first = std::max<int64_t>(first, 0);
        last = std::min(last, bankEnd);
        if (first <= last) ranges.push_back({w.channel, first, last});
    }
    // Overlapping ranges must be saved once: swapping a word twice would restore it.
    std::sort(ranges.begin(), ranges.end(), [](const BankRange& a, const BankRange& b) {
        return a.channel != b.channel ? a.channel < b.channel : a.first < b.first;
    });
    std::vector<BankRange> merged;
    for (const BankRange& r : ranges) {
        if (!merged.empty() && merged.back().channel == r.channel &&
            r.first <= merged.back().last + 1)
            merged.back().last = std::max(merged.back().last, r.last);
        else
            merged.push_back(r);
    }
    return merged;
}

size_t EditScope::Bytes(const AppState& state) const {
    size_t bytes = sizeof(double);
    for (const BankRange& r : BankRanges(state))
        bytes += static_cast<size_t>(r.last - r.first + 1) * sizeof(uint16_t);
    for (bool rec : m_records)
        if (rec) bytes += sizeof(ChannelRecord);
    for (const ExtraPart& e : m_extras) bytes += e.bytes;
    return bytes;
}

std::vector<std::unique_ptr<UndoSnapshot>> EditScope::Capture(AppState& state) const {
    std::vector<std::unique_ptr<UndoSnapshot>> parts;
    for (const BankRange& r : BankRanges(state))
        parts.push_back(std::make_unique<WordsSnapshot>(state.store, r.channel, r.first, r.last));
    for (int c = 0; c < kChannelCount; ++c)
        if (m_records[static_cast<size_t>(c)])
            parts.push_back(std::make_unique<RecordSnapshot>(state.store, c));
    parts.push_back(std::make_unique<AxisSnapshot>(state.store));
    for (const ExtraPart& e : m_extras) parts.push_back(e.capture(state));
    return parts;
}

std::array<bool, kChannelCount> EditScope::Channels() const {
    std::array<bool, kChannelCount> channels = m_records;
    for (const WordRange& w : m_words) channels[static_cast<size_t>(w.channel)] = true;
    return channels;
}

}  // namespace corv
