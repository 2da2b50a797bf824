#pragma once
// The progress report of one piece of long work through the user-interface port: opened
// with a title and the amount of work, closed when the scope ends. Report() is cheap enough
// to call for every sample or line: it passes on about a thousand reports in all.

#include <cstdint>
#include <string>

namespace corv {

class UiPort;

class ProgressScope {
  public:
    ProgressScope(UiPort& ui, const std::string& title, int64_t total);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    // The amount done so far; false once the user has cancelled (and from then on).
    bool Report(int64_t done) {
        if (done < m_next) return !m_cancelled;
        return Pass(done);
    }
    bool Cancelled() const { return m_cancelled; }

  private:
    bool Pass(int64_t done);

    UiPort& m_ui;
    int64_t m_stride;
    int64_t m_next = 0;
    bool m_cancelled = false;
};

}  // namespace corv
