#include "core/RecordingUiPort.h"

namespace corv {

namespace {

// Fits a scripted answer to the buttons a question offers.
Answer Fit(Answer a, Buttons b) {
    switch (b) {
        case Buttons::YesNo:
            if (a == Answer::Ok) return Answer::Yes;
            if (a == Answer::Cancel || a == Answer::Aux) return Answer::No;
            return a;
        case Buttons::OkCancel:
            if (a == Answer::Yes) return Answer::Ok;
            if (a == Answer::No || a == Answer::Aux) return Answer::Cancel;
            return a;
        case Buttons::YesNoCancel:
            if (a == Answer::Ok) return Answer::Yes;
            if (a == Answer::Aux) return Answer::Cancel;
            return a;
    }
    return a;
}

}  // namespace

const char* RecordingUiPort::AnswerName(Answer a) {
    switch (a) {
        case Answer::Ok:
            return "ok";
        case Answer::Cancel:
            return "cancel";
        case Answer::Yes:
            return "yes";
        case Answer::No:
            return "no";
        case Answer::Aux:
            return "aux";
    }
    return "?";
}

std::optional<Answer> RecordingUiPort::AnswerFromName(const std::string& name) {
    for (Answer a : {Answer::Ok, Answer::Cancel, Answer::Yes, Answer::No, Answer::Aux})
        if (name == AnswerName(a)) return a;
    return std::nullopt;
}

std::vector<std::string> RecordingUiPort::Messages() const {
    std::vector<std::string> out;
    for (const auto& e : m_events)
        if (e.kind == UiEvent::Kind::Message) out.push_back(e.text);
    return out;
}

std::vector<std::string> RecordingUiPort::Questions() const {
    std::vector<std::string> out;
    for (const auto& e : m_events)
        if (e.kind == UiEvent::Kind::Question) out.push_back(e.text);
    return out;
}

Answer RecordingUiPort::NextAnswer() {
    if (m_answers.empty()) return m_default;
    Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

void RecordingUiPort::Record(UiEvent e) {
    m_events.push_back(e);
    if (m_listener) m_listener(m_events.back());
}

void RecordingUiPort::Message(const std::string& text, BoxKind kind) {
    Record({UiEvent::Kind::Message, text, "", kind});
}

Answer RecordingUiPort::Ask(const std::string& text, Buttons buttons, BoxKind kind) {
    const Answer a = Fit(NextAnswer(), buttons);
    Record({UiEvent::Kind::Question, text, AnswerName(a), kind});
    return a;
}

int RecordingUiPort::AskThree(const ThreeButtonQuestion& q) {
    std::string text;
    for (size_t i = 0; i < q.lines.size(); ++i) text += (i ? "\n" : "") + q.lines[i];
    Answer a = NextAnswer();
    int result = 2;
    if (a == Answer::Ok || a == Answer::Yes) result = 1;
    if (a == Answer::Aux && !q.auxCaption.empty()) result = 7;
    const char* names[] = {"", "ok", "cancel", "", "", "", "", "aux"};
    Record({UiEvent::Kind::Question, text, names[result], BoxKind::Confirmation});
    return result;
}

std::string RecordingUiPort::InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& defaultText) {
    std::string value = defaultText;
    if (!InputQuery(caption, prompt, value)) return defaultText;
    return value;
}

bool RecordingUiPort::InputQuery(const std::string& caption, const std::string& prompt,
                                 std::string& value) {
    const std::string text = caption + ": " + prompt;
    if (m_texts.empty()) {
        // Without a scripted text the default answer decides between OK and Cancel.
        const bool ok = m_default == Answer::Ok || m_default == Answer::Yes;
        Record({UiEvent::Kind::Input, text, ok ? value : "cancel", BoxKind::Confirmation});
        return ok;
    }
    value = m_texts.front();
    m_texts.pop_front();
    Record({UiEvent::Kind::Input, text, value, BoxKind::Confirmation});
    return true;
}

void RecordingUiPort::ShowHelpFile(const std::filesystem::path& file) {
    Record({UiEvent::Kind::Help, file.generic_string(), "", BoxKind::Information});
}

void RecordingUiPort::Beep() {
    Record({UiEvent::Kind::Beep, "", "", BoxKind::Information});
}

void RecordingUiPort::SetBusy(bool busy) {
    m_busyDepth += busy ? 1 : -1;
}

void RecordingUiPort::BeginProgress(const std::string& title, int64_t total) {
    m_progressTitles.push_back(title);
    m_progressTotal = total;
    ++m_progressDepth;
    if (m_progressListener) m_progressListener(title, 0, total);
}

bool RecordingUiPort::Progress(int64_t done) {
    if (m_progressListener && !m_progressTitles.empty())
        m_progressListener(m_progressTitles.back(), done, m_progressTotal);
    return m_cancelAt < 0 || done < m_cancelAt;
}

void RecordingUiPort::EndProgress() {
    if (m_progressDepth > 0) --m_progressDepth;
}

void RecordingUiPort::ProgressText(int x, int y, const std::string& text) {
    if (m_recordProgress)
        Record({UiEvent::Kind::Progress, std::to_string(x) + "," + std::to_string(y) + ":" + text,
                "", BoxKind::Information});
}

void RecordingUiPort::Halt() {
    Record({UiEvent::Kind::Halt, "", "", BoxKind::Information});
    throw HaltRequested{};
}

}  // namespace corv
