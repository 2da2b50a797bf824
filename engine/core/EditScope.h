#pragma once
// What a data-changing command declares before it runs: the raw words it may write, the
// channel records whose fields it may set, and any further state (dims, buffers) as a
// snapshot of its own. The undo history saves exactly these and nothing else, so a command
// that writes outside its scope cannot be undone correctly: declare generously.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/ChannelRecord.h"

namespace corv {

struct AppState;

// A saved piece of state. Swap exchanges the saved copy with the live state, so one call
// undoes and the next one redoes.
class UndoSnapshot {
  public:
    virtual ~UndoSnapshot() = default;
    virtual void Swap(AppState& state) = 0;
    [[nodiscard]] virtual size_t Bytes() const = 0;
};

class EditScope {
  public:
    // Raw words of channel c at common indexes first..last (clamped to the bank).
    EditScope& Words(int c, int64_t first, int64_t last);
    // Every stored word of channel c, up to the larger of DataCnt and lastAfter (the last
    // index the command may leave): for insert, delete and resampling.
    EditScope& WholeChannel(int c, int64_t lastAfter = -1);
    // The channel record of c (scaling, baseline, DataCnt, polynomial ...) and its gaps.
    EditScope& Record(int c);
    // Further state: capture is called before the command runs and returns its snapshot.
    EditScope& Extra(std::function<std::unique_ptr<UndoSnapshot>(AppState&)> capture, size_t bytes);
    // The step leaves ChannelModified alone (baseline changes: the baseline is not part of
    // the stored channel file).
    EditScope& KeepModifiedFlags();

    // The bank ranges to save, merged per channel (bank positions, inclusive).
    struct BankRange {
        int channel;
        int64_t first;
        int64_t last;
    };
    [[nodiscard]] std::vector<BankRange> BankRanges(const AppState& state) const;
    // An upper bound of the memory the snapshots will take.
    [[nodiscard]] size_t Bytes(const AppState& state) const;
    // Captures every declared piece of the current state.
    [[nodiscard]] std::vector<std::unique_ptr<UndoSnapshot>> Capture(AppState& state) const;

    // Channels whose words or record the step touches.
    [[nodiscard]] std::array<bool, kChannelCount> Channels() const;
    [[nodiscard]] bool MarksModified() const { return m_marksModified; }

  private:
    struct WordRange {
        int channel;
        int64_t first;
        int64_t last;
        bool whole;
    };
    std::vector<WordRange> m_words;
    std::array<bool, kChannelCount> m_records{};
    struct ExtraPart {
        std::function<std::unique_ptr<UndoSnapshot>(AppState&)> capture;
        size_t bytes;
    };
    std::vector<ExtraPart> m_extras;
    bool m_marksModified = true;
};

}  // namespace corv
