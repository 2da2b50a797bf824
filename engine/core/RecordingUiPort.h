#pragma once
// A user-interface port without a display: records every message and question and answers
// from a queue of scripted answers, else with a default. Used by the tests and the CLI.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/UiPort.h"

namespace corv {

// Thrown by Halt so that a headless caller can end cleanly.
struct HaltRequested {};

struct UiEvent {
    enum class Kind { Message, Question, Input, Help, Beep, Progress, Halt };
    Kind kind = Kind::Message;
    std::string text;    // the message, question (lines joined by "\n") or file
    std::string answer;  // "yes", "no", "ok", "cancel", "aux", or the text typed
    BoxKind box = BoxKind::Information;
};

class RecordingUiPort : public UiPort {
  public:
    // Scripted answers, taken in order by the questions (and input boxes for texts).
    void QueueAnswer(Answer a) { m_answers.push_back(a); }
    void QueueText(std::string text) { m_texts.push_back(std::move(text)); }
    void SetDefaultAnswer(Answer a) { m_default = a; }
    // Called for every event as it happens (the CLI prints them).
    void SetListener(std::function<void(const UiEvent&)> f) { m_listener = std::move(f); }

    const std::vector<UiEvent>& Events() const { return m_events; }
    // The texts of the message boxes, in order.
    std::vector<std::string> Messages() const;
    // The texts of the questions, in order.
    std::vector<std::string> Questions() const;
    void Clear() { m_events.clear(); }
    bool Busy() const { return m_busyDepth > 0; }

    void Message(const std::string& text, BoxKind kind) override;
    Answer Ask(const std::string& text, Buttons buttons, BoxKind kind) override;
    int AskThree(const ThreeButtonQuestion& q) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    bool InputQuery(const std::string& caption, const std::string& prompt,
                    std::string& value) override;
    void ShowHelpFile(const std::filesystem::path& file) override;
    void Beep() override;
    void SetBusy(bool busy) override;
    void ProgressText(int x, int y, const std::string& text) override;
    [[noreturn]] void Halt() override;

    // Progress texts are frequent; record them only when asked.
    void RecordProgress(bool on) { m_recordProgress = on; }

    // Long work: the titles begun so far, and a scripted cancel once `done` reaches the
    // given amount (the user's Cancel button).
    void BeginProgress(const std::string& title, int64_t total) override;
    bool Progress(int64_t done) override;
    void EndProgress() override;
    const std::vector<std::string>& ProgressTitles() const { return m_progressTitles; }
    void CancelProgressAt(int64_t done) { m_cancelAt = done; }
    bool ProgressOpen() const { return m_progressDepth > 0; }
    // Called with the title, the amount done and the total (the CLI prints a line).
    void SetProgressListener(std::function<void(const std::string&, int64_t, int64_t)> f) {
        m_progressListener = std::move(f);
    }

    static const char* AnswerName(Answer a);
    static std::optional<Answer> AnswerFromName(const std::string& name);

  private:
    Answer NextAnswer();
    void Record(UiEvent e);

    std::deque<Answer> m_answers;
    std::deque<std::string> m_texts;
    Answer m_default = Answer::No;
    std::function<void(const UiEvent&)> m_listener;
    std::vector<UiEvent> m_events;
    int m_busyDepth = 0;
    bool m_recordProgress = false;
    std::vector<std::string> m_progressTitles;
    std::function<void(const std::string&, int64_t, int64_t)> m_progressListener;
    int64_t m_cancelAt = -1;
    int64_t m_progressTotal = 0;
    int m_progressDepth = 0;
};

}  // namespace corv
