#pragma once
// The user-interface port of the Qt front end: message boxes, questions, the three-button
// dialog, input boxes, the help viewer, beep, hourglass and progress texts on the main
// dialog.

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>
#include <functional>

#include "core/UiPort.h"

namespace corv {

class QtUiPort : public UiPort {
  public:
    using HelpViewer = std::function<void(const std::filesystem::path&)>;

    explicit QtUiPort(QWidget* owner = nullptr) : m_owner(owner) {}

    // The window that owns the boxes when no window is active, and on which progress texts
    // are drawn.
    void SetOwner(QWidget* owner) { m_owner = owner; }
    // Where ShowHelpFile sends its files.
    void SetHelpViewer(HelpViewer viewer) { m_help = std::move(viewer); }

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
    // A progress dialog with Cancel over the active window, shown once the work has taken
    // half a second; nested work reports into the outermost one.
    void BeginProgress(const std::string& title, int64_t total) override;
    bool Progress(int64_t done) override;
    void EndProgress() override;
    [[noreturn]] void Halt() override;

    // The dialog of the work in progress, null when none is (for tests).
    QProgressDialog* ProgressDialog() const { return m_progress; }

  private:
    // The window a box opens over: the active window, else the owner.
    QWidget* Owner();

    // Gives the keyboard back to the box's owner window when the box has closed.
    class ReturnFocus {
      public:
        explicit ReturnFocus(QWidget* owner);
        ~ReturnFocus();
        ReturnFocus(const ReturnFocus&) = delete;
        ReturnFocus& operator=(const ReturnFocus&) = delete;
        QWidget* Owner() const { return m_owner; }

      private:
        QPointer<QWidget> m_owner;
    };

    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_lastOwner;
    HelpViewer m_help;
    int m_busyDepth = 0;
    QPointer<QProgressDialog> m_progress;
    int m_progressDepth = 0;
    int64_t m_progressTotal = 1;
};

}  // namespace corv
