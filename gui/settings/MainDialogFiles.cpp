// The main dialog's File menu, its recent setup files, and files dropped on the dialog.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "settings/ChannelPage.h"
#include "settings/Defaults.h"
#include "settings/GeneralPage.h"
#include "settings/MainDialog.h"
#include "settings/RecentFiles.h"
#include "settings/SetupFile.h"

namespace corv {

std::filesystem::path MainDialog::RecentListFile() const {
    return RecentFilesPath(m_state);
}

void MainDialog::BuildFileMenu() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mniFile"));
    QAction* read = file->addAction(QStringLiteral("&Read setup file ..."));
    connect(read, &QAction::triggered, this, [this] { m_general->btnCfgFile->click(); });
    mniRecent = file->addMenu(QStringLiteral("Recent &setup files"));
    mniRecent->setObjectName(QStringLiteral("mniRecent"));
    connect(mniRecent, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("&Close")), &QAction::triggered, this,
            [this] { btnCloseClick(); });

    // The pages and buttons were placed for a dialog without a menu bar.
    const int shift = menuBar->sizeHint().height();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != menuBar && !child->isWindow()) child->move(child->x(), child->y() + shift);
    setFixedSize(width(), height() + shift);
    menuBar->setGeometry(0, 0, width(), shift);
}

QStringList MainDialog::RecentSetupFiles() const {
    QStringList names;
    for (const std::string& name : ReadRecentFiles(RecentListFile())) names << ToQ(name);
    return names;
}

void MainDialog::FillRecentMenu() {
    mniRecent->clear();
    const QStringList names = RecentSetupFiles();
    for (int k = 0; k < names.size(); ++k) {
        const QString name = names[k];
        QAction* a = mniRecent->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(name));
        connect(a, &QAction::triggered, this, [this, name] { OpenFile(name); });
    }
    if (names.isEmpty()) mniRecent->addAction(QStringLiteral("(none)"))->setEnabled(false);
}

void MainDialog::RememberSetupFile() {
    std::vector<std::string> list = ReadRecentFiles(RecentListFile());
    AddRecentFile(list, m_state.folders.SetupPath);
    // A program folder that cannot be written keeps no list; that is no reason to complain.
    (void)WriteRecentFiles(RecentListFile(), list);
}

void MainDialog::OpenFile(const QString& file) {
    RunGuarded(m_ui, [&] {
        if (ReadSetupFile(m_state, ToPath(file))) {
            m_state.folders.SetupPath = ToStd(file);
            FillDialog();
            RememberSetupFile();
            return;
        }
        const int c = std::max(PageControl1->currentIndex() - 1, 0);
        ChannelPage* page = Page(c);
        page->edtFileName->setText(file);
        PageControl1->setCurrentIndex(c + 1);
    });
}

void MainDialog::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls() && e->mimeData()->urls().front().isLocalFile())
        e->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    OpenFile(urls.front().toLocalFile());
}

}  // namespace corv
