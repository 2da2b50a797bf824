#pragma once
// The undo history: every command that changes samples, a channel record or analysis state
// runs through RunEdit, which saves what the command declared it will change, runs it and
// keeps the saved state as one step. Undo and Redo swap a step's saved state with the live
// one. The memory of all steps stays within a budget; the oldest steps go first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ChannelRecord.h"
#include "core/EditScope.h"

namespace corv {

struct AppState;
class UiPort;

// What an undo or redo changed, for the redraw.
struct UndoOutcome {
    bool done = false;
    std::string name;                            // the step's name
    std::array<bool, kChannelCount> channels{};  // channels whose words or record changed
    uint32_t redraw = 0;                         // RedrawFlags to run
};

class UndoHistory {
  public:
    static constexpr size_t kDefaultBudget = size_t{512} << 20;

    // Runs `run` as the step `name`. run returns true when it changed something; otherwise
    // the step is dropped. A step larger than the budget runs without an undo entry after
    // the user is told, and clears the history (older steps could no longer be undone
    // consistently). Exceptions from run propagate; what run changed before it threw is
    // kept as a step, so Undo can still take it back. Returns run's result.
    bool RunEdit(AppState& state, UiPort& ui, const std::string& name, const EditScope& scope,
                 const std::function<bool()>& run);

    [[nodiscard]] bool CanUndo() const { return m_next > 0; }
    [[nodiscard]] bool CanRedo() const { return m_next < m_steps.size(); }
    // The names of the steps Undo and Redo would take; empty when there is none.
    [[nodiscard]] std::string UndoName() const;
    [[nodiscard]] std::string RedoName() const;

    UndoOutcome Undo(AppState& state);
    UndoOutcome Redo(AppState& state);

    // Forgets every step; the log keeps the lines of the applied ones.
    void Clear();
    // A new load: no steps and an empty processing log.
    void Restart();

    // The processing log: a line logged while a step runs belongs to that step, so undo
    // hides it and redo shows it again; other lines (file writes) stand alone.
    void Log(std::string line);
    // A line of the step the last RunEdit kept, as if logged while it ran; a line of no
    // step when that RunEdit kept none or the history moved since (undo, redo, clear).
    void LogToLastStep(std::string line);
    // While paused, Log and LogToLastStep drop their lines (nested pauses count).
    void PauseLog(bool pause) { m_logPauses += pause ? 1 : -1; }
    [[nodiscard]] bool LogPaused() const { return m_logPauses > 0; }
    // Whether a line logged now (by Log, or by LogToLastStep when toLastStep) belongs to a
    // step, which undo may hide.
    [[nodiscard]] bool LogsIntoStep(bool toLastStep) const {
        return m_running != nullptr || (toLastStep && m_lastKept);
    }
    // The lines of the log as they stand, oldest first.
    [[nodiscard]] std::vector<std::string> LogLines() const;
    // The channel's data as they are now are saved in a file: undoing or redoing back to
    // this point clears its ChannelModified.
    void MarkSaved(int channel);

    void SetBudget(size_t bytes) { m_budget = bytes; }
    [[nodiscard]] size_t Budget() const { return m_budget; }
    [[nodiscard]] size_t BytesHeld() const { return m_bytes; }
    [[nodiscard]] size_t StepCount() const { return m_steps.size(); }
    // How many steps were kept so far: a command made of steps sees whether any ran.
    [[nodiscard]] uint64_t KeptSteps() const { return m_keptSteps; }

  private:
    using LogLine = std::pair<uint64_t, std::string>;  // sequence number, text
    struct Step {
        std::string name;
        std::vector<LogLine> log;
        std::vector<std::unique_ptr<UndoSnapshot>> parts;
        std::vector<EditScope::BankRange> words;  // the bank words the step may change
        std::array<bool, kChannelCount> channels{};
        bool marksModified = true;
        size_t bytes = 0;
    };
    static constexpr int64_t kUnreachable = -1;

    void Push(Step step);
    void DropOldest();
    void UpdateModified(AppState& state, const std::array<bool, kChannelCount>& channels) const;
    static void MarkWordsChanged(AppState& state, const std::vector<EditScope::BankRange>& words);
    static uint32_t RedrawFor(const AppState& state, const Step& step);

    std::vector<Step> m_steps;
    std::vector<LogLine> m_log;  // lines of no step, or of steps that can no longer be undone
    uint64_t m_logSeq = 0;
    Step* m_running = nullptr;  // the step whose command runs now
    bool m_lastKept = false;    // the last RunEdit kept the step at m_next - 1
    int m_logPauses = 0;
    uint64_t m_keptSteps = 0;
    size_t m_next = 0;  // steps before this index are applied
    size_t m_bytes = 0;
    size_t m_budget = kDefaultBudget;
    // Per channel, the position whose state is saved in a file, or kUnreachable.
    std::array<int64_t, kChannelCount> m_saved{};
};

}  // namespace corv
