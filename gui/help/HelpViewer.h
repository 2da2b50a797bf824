#pragma once
// The help viewer: one non-modal, stay-on-top window for the whole run that shows one help
// file (RTF, or plain text for ".txt") at a time. Esc or the close box hides it; the next
// ShowHelpFile shows it again.

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string_view>

class QTextEdit;

namespace corv {

class TfrmHelp : public QWidget {
    Q_OBJECT

  public:
    // Receives the text of a file-open failure; by default a critical message box.
    using ErrorReporter = std::function<void(const QString& text)>;

    // Created hidden.
    explicit TfrmHelp(QWidget* parent = nullptr);

    // Places the window on the right of the screen, captions it with the file name, loads the
    // file in place of the old content and shows the window. A file that cannot be read is
    // reported and the window is not shown; the old content stays.
    void ShowHelpFile(const std::filesystem::path& path);

    // The help folder joined with a help file name; leading separators of the name (one name
    // is "\mnixZoom.rtf") are dropped so that the file is still found in the folder.
    static std::filesystem::path HelpFilePath(const std::filesystem::path& helpFolder,
                                              std::string_view fileName);

    // The text of the platform's file-open error for path.
    static QString FileOpenErrorText(const QString& path, const QString& reason);

    void SetErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    QTextEdit* RichEdit1() const { return m_richEdit; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void PlaceOnScreen();
    bool LoadFile(const QString& path);
    void ReportError(const QString& text);

    QTextEdit* m_richEdit = nullptr;
    ErrorReporter m_reportError;
};

}  // namespace corv
