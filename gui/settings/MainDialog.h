#pragma once
// The main dialog (form TForm1), the application's main window: the General page and one
// page per channel, Start, Help and Close. It keeps the channel records and its controls
// in step and opens the graph window when Start has loaded the channels.

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <array>
#include <filesystem>
#include <functional>

class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;

namespace corv {

struct AppState;
class UiPort;
class ChannelPage;
class GeneralPage;

class MainDialog : public QDialog {
    Q_OBJECT
  public:
    // Builds the window and the General page; the channel pages follow with
    // BuildChannelPages. Messages and questions go through `ui`.
    MainDialog(AppState& state, UiPort& ui, QWidget* parent = nullptr);
    ~MainDialog() override;

    // The three channel pages with their controls (once, during start-up).
    void BuildChannelPages();
    // The start and end co-ordinate groups, used by some analysis kinds only.
    void SetCoordinatesVisible(bool visible);

    // Every control from the settings.
    void FillDialog();
    // Every channel page into its record and the setup-file name into SetupPath; raises
    // ConversionError for a text that is not a number.
    void ReadDialog();
    void ValidateFormat(int c);
    // What every activation does: refill the controls; the cross cursor becomes green.
    void DialogActivate();

    // Called once when the dialog closes (the program's end).
    void SetCloseHandler(std::function<void()> handler) { m_onClose = std::move(handler); }

    // The graph window, or null while none is open.
    QWidget* GraphWindow() const { return m_graphWindow; }
    void OpenGraphWindow();
    void DestroyGraphWindow();

    GeneralPage* General() const { return m_general; }
    ChannelPage* Page(int c) const;

    // Handlers.
    void btnStartClick();
    void btnHelpClick();
    void btnCloseClick();
    void btnCopyNamesClick();
    void btnCopySampRateClick();
    void btnCopyTimeClick();
    void btnCopyFormatClick();
    void btnCopyScalingClick();

    // File > "Recent setup files": the last setup files read, newest first.
    QStringList RecentSetupFiles() const;
    // Opens a file as the File menu and a drop do: a setup file is read like "Read config.
    // file"; any other file becomes the input file of the channel whose page is shown
    // (channel 1 when the General page is).
    void OpenFile(const QString& file);

    QMenuBar* menuBar = nullptr;
    QMenu* mniRecent = nullptr;
    QTabWidget* PageControl1;
    QPushButton* btnStart;
    QPushButton* btnHelp;
    QPushButton* btnClose;
    QPushButton* btnCopyNames = nullptr;
    QPushButton* btnCopySampRate = nullptr;
    QPushButton* btnCopyTime = nullptr;
    QPushButton* btnCopyFormat = nullptr;
    QPushButton* btnCopyScaling = nullptr;

  public slots:
    // Esc does not close the main window.
    void reject() override {}

  protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

  private:
    void BuildButtons();
    // The File menu above the pages; everything else moves down to make room.
    void BuildFileMenu();
    void RememberSetupFile();
    void FillRecentMenu();
    std::filesystem::path RecentListFile() const;
    void BuildCopyButtons(ChannelPage* page);
    void TrackModalWindows();
    void RunStart();
    // The Copy buttons: channels 1 and 2 take a setting from channel 0.
    void CopyToOthers(void (ChannelPage::*copy)(const ChannelPage&));

    AppState& m_state;
    UiPort& m_ui;
    GeneralPage* m_general;
    std::array<ChannelPage*, 3> m_pages{};
    QPointer<QWidget> m_graphWindow;
    std::function<void()> m_onClose;
    bool m_closed = false;
    // The last other window that had the focus was a modal box: coming back from it is
    // not an activation that refills the controls (it would undo what was just typed).
    bool m_backFromModal = false;
};

}  // namespace corv
