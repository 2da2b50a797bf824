#pragma once
// The program as a whole: the state of the run, the user-interface port, the main dialog
// and the help viewer. Start builds them in start-up order; closing the main dialog saves
// the automatic setup file and ends the run.

#include <filesystem>
#include <memory>
#include <optional>

namespace corv {

struct AppState;
class UiPort;
class QtUiPort;
class MainDialog;
class TfrmHelp;

class Application {
  public:
    // `executable` fixes the program folder (the automatic setup file and the help files
    // live there). `ui` replaces the Qt port, so tests see the messages without boxes.
    explicit Application(std::filesystem::path executable, UiPort* ui = nullptr);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the main dialog, the defaults, the channel pages, reads the automatic setup
    // file and then `setupFile` (if given, as "Read config. file" does) and allocates the
    // banks. Returns false after "Program start fails for unknown reason." when a step
    // raised; the caller then ends the program.
    bool Start(const std::optional<std::filesystem::path>& setupFile = std::nullopt);

    // Whether closing the main dialog also quits the event loop (the real program does).
    void SetQuitOnClose(bool quit) { m_quitOnClose = quit; }

    AppState& State() { return *m_state; }
    MainDialog& Dialog() { return *m_dialog; }
    UiPort& Ui() { return *m_ui; }

  private:
    void CreateDialog();
    void ReadSetupArgument(const std::filesystem::path& file);
    void Shutdown();

    std::filesystem::path m_executable;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<QtUiPort> m_qtPort;
    UiPort* m_ui;
    std::unique_ptr<MainDialog> m_dialog;
    std::unique_ptr<TfrmHelp> m_help;
    bool m_quitOnClose = false;
};

}  // namespace corv
