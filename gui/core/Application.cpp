#include "core/Application.h"

#include <QCoreApplication>

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/CommandGuard.h"
#include "core/QtText.h"
#include "core/QtUiPort.h"
#include "help/HelpViewer.h"
#include "settings/Defaults.h"
#include "settings/MainDialog.h"
#include "settings/SetupFile.h"

namespace corv {

namespace {

// The kinds that work with the start and end of a route.
bool UsesCoordinates(int kind) {
    return kind == 1 || kind == 16 || kind == 17;
}

}  // namespace

Application::Application(std::filesystem::path executable, UiPort* ui)
    : m_executable(std::move(executable)), m_state(std::make_unique<AppState>()), m_ui(ui) {
    if (m_ui == nullptr) {
        m_qtPort = std::make_unique<QtUiPort>();
        m_ui = m_qtPort.get();
    }
}

Application::~Application() {
    // The dialog's pages refer to the port and the state; they go first.
    m_dialog.reset();
    m_help.reset();
}

bool Application::Start(const std::optional<std::filesystem::path>& setupFile) {
    try {
        CreateDialog();
        if (setupFile) ReadSetupArgument(*setupFile);
        m_state->store.AllocateBanks(*m_ui);
        m_help = std::make_unique<TfrmHelp>();
        m_help->SetErrorReporter(
            [this](const QString& text) { m_ui->Message(ToStd(text), BoxKind::Error); });
        if (m_qtPort)
            m_qtPort->SetHelpViewer(
                [this](const std::filesystem::path& file) { m_help->ShowHelpFile(file); });
    } catch (...) {
        m_ui->Message("Program start fails for unknown reason.", BoxKind::Error);
        return false;
    }
    m_dialog->SetCloseHandler([this] { Shutdown(); });
    // The first activation fills the controls; until the window is shown they must
    // already hold the settings.
    RunGuarded(*m_ui, [this] { m_dialog->DialogActivate(); });
    return true;
}

void Application::CreateDialog() {
    m_dialog = std::make_unique<MainDialog>(*m_state, *m_ui);
    if (m_qtPort) m_qtPort->SetOwner(m_dialog.get());
    m_dialog->SetCoordinatesVisible(UsesCoordinates(kAnalysisKind));
    m_dialog->setWindowTitle(ToQ(MainDialogCaption(kAnalysisKind)));
    SetDefaults(*m_state, m_executable);
    m_dialog->BuildChannelPages();
    ReadSetupFile(*m_state, AutoSetupPath(*m_state));
}

void Application::ReadSetupArgument(const std::filesystem::path& file) {
    // As "Read config. file" does it: a failure is shown and the start goes on.
    RunGuarded(*m_ui, [&] {
        const std::filesystem::path full = std::filesystem::absolute(file);
        m_state->folders.SetupPath = ToStd(FromPath(full));
        ReadSetupFile(*m_state, full);
    });
}

void Application::Shutdown() {
    RunGuarded(*m_ui, [this] {
        const std::filesystem::path file = AutoSetupPath(*m_state);
        std::error_code ec;  // a missing user settings folder is made; the write reports errors
        std::filesystem::create_directories(file.parent_path(), ec);
        WriteSetupFile(*m_state, file);
    });
    m_state->store.FreeBanks();
    m_dialog->DestroyGraphWindow();
    if (m_help) m_help->hide();
    if (m_quitOnClose) QCoreApplication::quit();
}

}  // namespace corv
