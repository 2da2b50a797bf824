#include "core/UndoHistory.h"

#include <algorithm>
#include <string>

#include "AppState.h"
#include "core/UiPort.h"
#include "graph/RedrawFlags.h"

namespace corv {

namespace {

std::string MiB(size_t bytes) {
    return std::to_string((bytes + (size_t{1} << 20) - 1) >> 20) + " MiB";
}

}  // namespace

bool UndoHistory::RunEdit(AppState& state, UiPort& ui, const std::string& name,
                          const EditScope& scope, const std::function<bool()>& run) {
    m_lastKept = false;
    const size_t bytes = scope.Bytes(state);
    if (bytes > m_budget) {
        ui.Message(" \"" + name + "\" changes more data (" + MiB(bytes) +
                       ") than the undo memory holds (" + MiB(m_budget) +
                       "). It cannot be undone, and the earlier steps can no longer be undone "
                       "either.",
                   BoxKind::Warning);
        Clear();
        const auto words = scope.BankRanges(state);
        bool changed = false;
        try {
            changed = run();
        } catch (...) {
            MarkWordsChanged(state, words);
            throw;
        }
        MarkWordsChanged(state, words);
        if (changed && scope.MarksModified()) {
            const auto channels = scope.Channels();
            for (int c = 0; c < kChannelCount; ++c)
                if (channels[size_t(c)]) {
                    state.ChannelModified[size_t(c)] = true;
                    m_saved[size_t(c)] = kUnreachable;
                }
        }
        return changed;
    }

    Step step;
    step.name = name;
    step.parts = scope.Capture(state);
    step.words = scope.BankRanges(state);
    step.channels = scope.Channels();
    step.marksModified = scope.MarksModified();
    step.bytes = bytes;

    bool changed = false;
    m_running = &step;
    try {
        changed = run();
        m_running = nullptr;
    } catch (...) {
        m_running = nullptr;
        // The command ends in the state it left; that state can still be undone.
        MarkWordsChanged(state, step.words);
        const auto channels = step.channels;
        Push(std::move(step));
        UpdateModified(state, channels);
        throw;
    }
    MarkWordsChanged(state, step.words);
    if (!changed) return false;
    const auto channels = step.channels;
    Push(std::move(step));
    m_lastKept = true;
    UpdateModified(state, channels);
    return true;
}

void UndoHistory::Push(Step step) {
    // A new step ends every redo. A saved state among them stays reachable when none of
    // the dropped steps changed that channel's data.
    const int64_t now = static_cast<int64_t>(m_next);
    for (int c = 0; c < kChannelCount; ++c) {
        int64_t& saved = m_saved[size_t(c)];
        if (saved <= now) continue;
        bool changed = false;
        for (int64_t k = now; k < saved; ++k)
            changed = changed ||
                      (m_steps[size_t(k)].marksModified && m_steps[size_t(k)].channels[size_t(c)]);
        saved = changed ? kUnreachable : now;
    }
    for (size_t k = m_next; k < m_steps.size(); ++k) m_bytes -= m_steps[k].bytes;
    m_steps.resize(m_next);
    m_bytes += step.bytes;
    m_steps.push_back(std::move(step));
    ++m_next;
    ++m_keptSteps;
    while (m_bytes > m_budget && m_steps.size() > 1) DropOldest();
}

void UndoHistory::DropOldest() {
    const Step& oldest = m_steps.front();
    for (int c = 0; c < kChannelCount; ++c) {
        int64_t& saved = m_saved[size_t(c)];
        if (saved == kUnreachable) continue;
        if (saved > 0)
            --saved;
        else if (oldest.channels[size_t(c)] && oldest.marksModified)
            saved = kUnreachable;
    }
    m_bytes -= oldest.bytes;
    m_log.insert(m_log.end(), oldest.log.begin(), oldest.log.end());
    m_steps.erase(m_steps.begin());
    --m_next;
}

std::string UndoHistory::UndoName() const {
    return CanUndo() ? m_steps[m_next - 1].name : std::string();
}

std::string UndoHistory::RedoName() const {
    return CanRedo() ? m_steps[m_next].name : std::string();
}

UndoOutcome UndoHistory::Undo(AppState& state) {
    if (!CanUndo()) return {};
    m_lastKept = false;
    Step& step = m_steps[--m_next];
    // The parts never overlap, so their order does not matter; reverse keeps it tidy.
    for (auto it = step.parts.rbegin(); it != step.parts.rend(); ++it) (*it)->Swap(state);
    MarkWordsChanged(state, step.words);
    UpdateModified(state, step.channels);
    return {true, step.name, step.channels, RedrawFor(state, step)};
}

UndoOutcome UndoHistory::Redo(AppState& state) {
    if (!CanRedo()) return {};
    m_lastKept = false;
    Step& step = m_steps[m_next++];
    for (auto& part : step.parts) part->Swap(state);
    MarkWordsChanged(state, step.words);
    UpdateModified(state, step.channels);
    return {true, step.name, step.channels, RedrawFor(state, step)};
}

void UndoHistory::Clear() {
    for (size_t k = 0; k < m_next; ++k)
        m_log.insert(m_log.end(), m_steps[k].log.begin(), m_steps[k].log.end());
    std::sort(m_log.begin(), m_log.end());
    m_steps.clear();
    m_lastKept = false;
    m_next = 0;
    m_bytes = 0;
    m_saved.fill(0);
}

void UndoHistory::Restart() {
    Clear();
    m_log.clear();
}

void UndoHistory::Log(std::string line) {
    if (LogPaused()) return;
    (m_running ? m_running->log : m_log).emplace_back(++m_logSeq, std::move(line));
}

void UndoHistory::LogToLastStep(std::string line) {
    if (LogPaused()) return;
    Step* const last = m_running ? m_running : m_lastKept ? &m_steps[m_next - 1] : nullptr;
    (last ? last->log : m_log).emplace_back(++m_logSeq, std::move(line));
}

std::vector<std::string> UndoHistory::LogLines() const {
    std::vector<LogLine> all = m_log;
    for (size_t k = 0; k < m_next; ++k)
        all.insert(all.end(), m_steps[k].log.begin(), m_steps[k].log.end());
    std::sort(all.begin(), all.end());
    std::vector<std::string> lines;
    for (auto& l : all) lines.push_back(std::move(l.second));
    return lines;
}

void UndoHistory::MarkSaved(int channel) {
    m_saved.at(static_cast<size_t>(channel)) = static_cast<int64_t>(m_next);
}

// A channel is modified when a step that marks it lies between its saved position and the
// current one; with no reachable saved position it stays modified once marked. Only the
// channels of the step just run, undone or redone are looked at.
void UndoHistory::UpdateModified(AppState& state,
                                 const std::array<bool, kChannelCount>& channels) const {
    const int64_t now = static_cast<int64_t>(m_next);
    for (int c = 0; c < kChannelCount; ++c) {
        if (!channels[size_t(c)]) continue;
        const int64_t saved = m_saved[size_t(c)];
        if (saved == kUnreachable) {
            if (std::any_of(m_steps.begin(), m_steps.begin() + now, [&](const Step& s) {
                    return s.marksModified && s.channels[size_t(c)];
                }))
                state.ChannelModified[size_t(c)] = true;
            continue;
        }
        bool modified = false;
        for (int64_t k = std::min(saved, now); k < std::max(saved, now); ++k) {
            const Step& s = m_steps[size_t(k)];
            modified = modified || (s.marksModified && s.channels[size_t(c)]);
        }
        state.ChannelModified[size_t(c)] = modified;
    }
}

// The drawing reads block extremes of the raw words: those of the step's words are
// recomputed, whichever way the words were written.
void UndoHistory::MarkWordsChanged(AppState& state,
                                   const std::vector<EditScope::BankRange>& words) {
    for (const EditScope::BankRange& r : words) state.store.MarkChanged(r.channel, r.first, r.last);
}

uint32_t UndoHistory::RedrawFor(const AppState& state, const Step& step) {
    uint32_t flags = kRedrawOverview | kRedrawOverviewMarks | kRedrawReadouts | kRedrawYScale;
    bool others = false;
    for (int c = 0; c < kChannelCount; ++c)
        if (step.channels[size_t(c)] && c != state.ActiveChannel) others = true;
    if (step.channels[size_t(state.ActiveChannel)]) flags |= kRedrawStripAndMarks;
    if (others) flags |= kRedrawAllStrips | kRedrawAllStripMarks;
    return flags;
}

}  // namespace corv
