#include "settings/MainDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/CommandGuard.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/ProgressOverlay.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "files/StartSequence.h"
#include "graph/GraphWindow.h"
#include "help/HelpViewer.h"
#include "settings/ChannelPage.h"
#include "settings/GeneralPage.h"

namespace corv {

namespace {

// The main dialog's help file for an analysis kind.
const char* MainHelpFile(int kind) {
    switch (kind) {
        case 1:
            return "mainLight.rtf";
        case 10:
            return "mainpHg.rtf";
        case 13:
            return "mainBeak.rtf";
        case 15:
            return "mainFlip.rtf";
        case 16:
            return "mainRoute6.rtf";
        case 17:
            return "mainRoute12.rtf";
        case 18:
            return "mainSetSpeed.rtf";
        default:
            return "mainDial.rtf";
    }
}

// Progress texts stay on the dialog while Start runs and go when it ends.
class ProgressTexts {
  public:
    explicit ProgressTexts(QWidget* surface) : m_surface(surface) {}
    ~ProgressTexts() { ClearProgressTexts(m_surface); }
    ProgressTexts(const ProgressTexts&) = delete;
    ProgressTexts& operator=(const ProgressTexts&) = delete;

  private:
    QWidget* m_surface;
};

}  // namespace

MainDialog::MainDialog(AppState& state, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const FormScale s(font());
    setFixedSize(s.X(583), s.Y(482));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    s.Place(PageControl1, 4, 4, 575, 428);
    m_general = new GeneralPage(state, ui);
    PageControl1->addTab(m_general, QStringLiteral("General "));
    connect(m_general, &GeneralPage::SetupFileRead, this, [this] {
        FillDialog();
        RememberSetupFile();
    });
    BuildButtons();
    BuildFileMenu();
    TrackModalWindows();
    setAcceptDrops(true);
}

MainDialog::~MainDialog() {
    DestroyGraphWindow();
}

void MainDialog::BuildButtons() {
    const FormScale s(font());
    btnStart =
        MakeButton(this, s, QStringLiteral("btnStart"), QStringLiteral("Start"), 168, 444, 75, 25);
    btnHelp =
        MakeButton(this, s, QStringLiteral("btnHelp"), QStringLiteral("Help"), 254, 444, 75, 25);
    btnClose =
        MakeButton(this, s, QStringLiteral("btnClose"), QStringLiteral("Close"), 340, 444, 75, 25);
    btnStart->setDefault(true);
    connect(btnStart, &QPushButton::clicked, this, [this] { btnStartClick(); });
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { RunGuarded(m_ui, [this] { btnHelpClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void MainDialog::BuildChannelPages() {
    if (m_pages[0] != nullptr) return;
    for (int c = 0; c < kChannelCount; ++c) {
        auto* page = new ChannelPage(c, m_state, m_ui);
        m_pages[static_cast<size_t>(c)] = page;
        PageControl1->addTab(page, ToQ(m_state.store.Rec(c).Caption));
        connect(page, &ChannelPage::captionChosen, this,
                [this, c](const QString& caption) { PageControl1->setTabText(c + 1, caption); });
    }
    BuildCopyButtons(m_pages[0]);
}

void MainDialog::BuildCopyButtons(ChannelPage* page) {
    const FormScale s(font());
    struct CopyButton {
        QPushButton** button;
        const char* name;
        int left, top;
        const char* hint;
        void (MainDialog::*handler)();
    };
    const CopyButton buttons[] = {
        {&btnCopyNames, "btnCopyNames", 480, 32, "Same filenames for all channels",
         &MainDialog::btnCopyNamesClick},
        {&btnCopySampRate, "btnCopySampRate", 480, 72, "Same sampl. rate for all channels",
         &MainDialog::btnCopySampRateClick},
        {&btnCopyTime, "btnCopyTime", 480, 104, "Same time for all channels",
         &MainDialog::btnCopyTimeClick},
        {&btnCopyFormat, "btnCopyFormat", 144, 280, "Same format for all channels",
         &MainDialog::btnCopyFormatClick},
        {&btnCopyScaling, "btnCopyScaling", 432, 280, "Same scaling for all channels",
         &MainDialog::btnCopyScalingClick},
    };
    for (const CopyButton& b : buttons) {
        *b.button = MakeButton(page, s, QString::fromLatin1(b.name), QStringLiteral("Copy"), b.left,
                               b.top, 40, 25, QString::fromLatin1(b.hint));
        const auto handler = b.handler;
        connect(*b.button, &QPushButton::clicked, this,
                [this, handler] { RunGuarded(m_ui, [this, handler] { (this->*handler)(); }); });
    }
}

void MainDialog::SetCoordinatesVisible(bool visible) {
    m_general->SetCoordinatesVisible(visible);
}

ChannelPage* MainDialog::Page(int c) const {
    CheckIndex(c, kChannelCount);
    return m_pages[static_cast<size_t>(c)];
}

void MainDialog::TrackModalWindows() {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        if (w != nullptr && w != windowHandle()) m_backFromModal = w->modality() != Qt::NonModal;
    });
}

void MainDialog::FillDialog() {
    m_general->Fill();
    for (ChannelPage* page : m_pages) {
        if (page == nullptr) continue;
        PageControl1->setTabText(page->Channel() + 1,
                                 ToQ(m_state.store.Rec(page->Channel()).Caption));
        page->Fill();
    }
}

void MainDialog::ReadDialog() {
    m_state.folders.SetupPath = ToStd(m_general->EditCfgfName->text());
    for (ChannelPage* page : m_pages) {
        if (page == nullptr) continue;
        const int c = page->Channel();
        m_state.store.Rec(c).Caption = ToStd(PageControl1->tabText(c + 1).left(18));
        page->Read();
    }
}

void MainDialog::ValidateFormat(int c) {
    Page(c)->ValidateFormat();
}

void MainDialog::DialogActivate() {
    FillDialog();
    m_state.settings.ColourTable[kColCrossCursor].value = 32768;
}

void MainDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_closed) {
        if (!m_backFromModal) RunGuarded(m_ui, [this] { DialogActivate(); });
        m_backFromModal = false;
    }
    QDialog::changeEvent(e);
}

void MainDialog::closeEvent(QCloseEvent* e) {
    if (!m_closed) {
        m_closed = true;
        if (m_onClose) m_onClose();
    }
    e->accept();
}

void MainDialog::btnStartClick() {
    RunGuarded(m_ui, [this] { RunStart(); });
}

void MainDialog::RunStart() {
    if (m_graphWindow) {
        m_ui.Message("Close CV graph-window before loading next channels");
        return;
    }
    ReadDialog();
    StartOutcome outcome;
    {
        const ProgressTexts progress(this);
        const BusyGuard busy(m_ui);
        StartHooks hooks;
        hooks.beforeLoad = [this](int c) {
            PageControl1->setCurrentIndex(c + 1);
            PageControl1->repaint();
        };
        outcome = corv::RunStart(m_state, m_ui, hooks);
    }
    if (outcome == StartOutcome::Loaded) OpenGraphWindow();
}

void MainDialog::OpenGraphWindow() {
    if (m_graphWindow) return;
    // The window belongs to the main dialog; its layout follows the screen it opens on.
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    corv::GraphWindow* w = corv::GraphWindow::Open(m_state, m_ui, screen->size(), this);
    if (w == nullptr) return;
    m_graphWindow = w;
    w->showMaximized();
}

void MainDialog::DestroyGraphWindow() {
    delete m_graphWindow.data();
}

void MainDialog::btnHelpClick() {
    m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(ToPath(ToQ(m_state.folders.HelpFolder)),
                                             MainHelpFile(kAnalysisKind)));
}

void MainDialog::btnCloseClick() {
    close();
}

void MainDialog::CopyToOthers(void (ChannelPage::*copy)(const ChannelPage&)) {
    for (int c = 1; c < kChannelCount; ++c) (Page(c)->*copy)(*Page(0));
}

void MainDialog::btnCopyNamesClick() {
    CopyToOthers(&ChannelPage::CopyNameFrom);
}
void MainDialog::btnCopySampRateClick() {
    CopyToOthers(&ChannelPage::CopySampRateFrom);
}
void MainDialog::btnCopyTimeClick() {
    CopyToOthers(&ChannelPage::CopyTimeFrom);
}
void MainDialog::btnCopyFormatClick() {
    CopyToOthers(&ChannelPage::CopyFormatFrom);
}
void MainDialog::btnCopyScalingClick() {
    CopyToOthers(&ChannelPage::CopyScalingFrom);
}

}  // namespace corv
