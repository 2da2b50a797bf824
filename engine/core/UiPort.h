#pragma once
// The engine's only way to talk to the user. The GUI implements it with Qt dialogs; tests
// and the CLI implement it with recorded messages and scripted answers.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corv {

// Which buttons a question offers.
enum class Buttons { YesNo, OkCancel, YesNoCancel };

// The look of a message or question box (icon); it does not change the answers.
enum class BoxKind { Information, Warning, Error, Confirmation };

// The answer to a question. The three-button dialog returns 1 (first), 2 (Cancel) or
// 7 (the third choice); the numbers match those the callers compare with.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7, Aux = 8 };

// A question with captions of the caller's choice: OK, Cancel and an optional third button.
struct ThreeButtonQuestion {
    std::vector<std::string> lines;
    std::string okCaption = "OK";
    std::string cancelCaption = "Cancel";
    std::string auxCaption;  // empty: the third button stays hidden
};

class UiPort {
  public:
    virtual ~UiPort() = default;

    // A plain message box with one OK button.
    virtual void Message(const std::string& text, BoxKind kind = BoxKind::Information) = 0;
    // A question with the given buttons; returns the button pressed.
    virtual Answer Ask(const std::string& text, Buttons buttons,
                       BoxKind kind = BoxKind::Confirmation) = 0;
    // The three-button question dialog; returns 1, 2 or 7.
    virtual int AskThree(const ThreeButtonQuestion& q) = 0;
    // An input box: the typed text, or `defaultText` when cancelled.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    // An input query: false when cancelled; `value` holds the default on entry.
    virtual bool InputQuery(const std::string& caption, const std::string& prompt,
                            std::string& value) = 0;
    // Opens a help file in the help viewer.
    virtual void ShowHelpFile(const std::filesystem::path& file) = 0;
    virtual void Beep() = 0;
    // The hourglass cursor while a command works.
    virtual void SetBusy(bool busy) = 0;
    // Progress text drawn at a pixel position of the main dialog.
    virtual void ProgressText(int x, int y, const std::string& text) = 0;

    // Long work (loads, exports, whole-channel commands): BeginProgress names it and its
    // amount (in any unit), Progress reports the amount done and returns false once the
    // user has asked to cancel, EndProgress closes the report. The work polls Progress,
    // stops when it returns false and undoes what it began. Use ProgressScope
    // (core/ProgressScope.h) rather than these calls. The defaults show nothing and never
    // cancel.
    virtual void BeginProgress(const std::string& /*title*/, int64_t /*total*/) {}
    virtual bool Progress(int64_t /*done*/) { return true; }
    virtual void EndProgress() {}
    // Ends the process at once (after the halt notice); never returns.
    [[noreturn]] virtual void Halt() = 0;
};

// Shows the hourglass for the lifetime of the guard.
class BusyGuard {
  public:
    explicit BusyGuard(UiPort& ui) : m_ui(ui) { m_ui.SetBusy(true); }
    ~BusyGuard() { m_ui.SetBusy(false); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    UiPort& m_ui;
};

}  // namespace corv
