#pragma once
// The user-interface port of the Qt front end: message boxes, questions, the three-button
// dialog, input boxes, the help viewer, beep, hourglass and progress texts on the main
// dialog.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/UiPort.h"

namespace corv {

class QtUiPort : public UiPort {
  public:
    using HelpViewer = std::function<void(const std::filesystem::path&)>;

    explicit QtUiPort(QWidget* owner = nullptr) : m_owner(owner) {}

    // The window that owns the boxes and on which progress texts are drawn.
    void SetOwner(QWidget* owner) { m_owner = owner; }
    // Where ShowHelpFile sends its files.
    void SetHelpViewer(HelpViewer viewer) { m_help = std::move(viewer); }

    void Message(const std::string& text, BoxKind kind) override;
    Answer Ask(const std::string& text, Buttons buttons, BoxKind kind) override;
    Answer AskAt(const std::string& text, Buttons buttons, int x, int y,
                 const std::filesystem::path& helpFile) override;
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

  private:
    QPointer<QWidget> m_owner;
    HelpViewer m_help;
    int m_busyDepth = 0;
};

}  // namespace corv
