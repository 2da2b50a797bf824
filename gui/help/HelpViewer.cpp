#include "help/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/Checked.h"
#include "help/RtfReader.h"
#include "help/Windows1252.h"

namespace corv {

namespace {

QString PathToQString(const std::filesystem::path& p) {
#ifdef _WIN32
    return QString::fromStdWString(p.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(p.string()));
#endif
}

// Callers join the help folder and a name that may begin with a backslash; on systems whose
// separator is "/" the backslashes are separators too, and doubled separators are merged.
QString NormalisedPath(const std::filesystem::path& p) {
    QString text = PathToQString(p);
#ifndef _WIN32
    text.replace(u'\\', u'/');
    while (text.contains(QStringLiteral("//"))) {
        text.replace(QStringLiteral("//"), QStringLiteral("/"));
    }
#endif
    return text;
}

// Plain text with CR LF, LF or lone CR line ends.
QString PlainText(const QByteArray& bytes) {
    QString text = DecodeWindows1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

TfrmHelp::TfrmHelp(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_QuitOnClose, false);  // an open help window must not keep the program alive
    m_richEdit = new QTextEdit(this);
    m_richEdit->setObjectName(QStringLiteral("RichEdit1"));
    m_richEdit->setReadOnly(true);
    m_richEdit->setAlignment(Qt::AlignHCenter);
    m_richEdit->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_richEdit);

    m_reportError = [this](const QString& text) {
        QMessageBox::critical(isVisible() ? this : parentWidget(),
                              QCoreApplication::applicationName(), text);
    };
}

void TfrmHelp::ShowHelpFile(const std::filesystem::path& path) {
    const QString file = NormalisedPath(path);
    PlaceOnScreen();
    setWindowTitle(QFileInfo(file).fileName());
    if (!LoadFile(file)) return;
    show();
    raise();
    activateWindow();  // so that Esc reaches the viewer at once
}

std::filesystem::path TfrmHelp::HelpFilePath(const std::filesystem::path& helpFolder,
                                             std::string_view fileName) {
    while (!fileName.empty() && (fileName.front() == '\\' || fileName.front() == '/')) {
        fileName.remove_prefix(1);
    }
    return helpFolder / std::filesystem::path(fileName);
}

QString TfrmHelp::FileOpenErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

void TfrmHelp::PlaceOnScreen() {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr) return;
    const double w = s->geometry().width();
    const double h = s->geometry().height();
    move(Round<int>(0.6 * w), Round<int>(0.1 * h));
    resize(Round<int>(0.35 * w), Round<int>(0.85 * h));
}

bool TfrmHelp::LoadFile(const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        ReportError(FileOpenErrorText(QDir::toNativeSeparators(path),
                                      QStringLiteral("No such file or directory")));
        return false;
    }
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = info.isDir() ? QStringLiteral("Is a directory") : file.errorString();
        ReportError(FileOpenErrorText(QDir::toNativeSeparators(path), reason));
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ReportError(FileOpenErrorText(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }

    // A file that is not RTF is shown as plain text, as a rich-text box does.
    QTextDocument* doc = m_richEdit->document();
    if (info.suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0 ||
        !LooksLikeRtf(data)) {
        doc->setPlainText(PlainText(data));
    } else {
        ReadRtf(data, *doc);  // damaged files show what could be read
    }
    m_richEdit->moveCursor(QTextCursor::Start);
    return true;
}

void TfrmHelp::ReportError(const QString& text) {
    if (m_reportError) m_reportError(text);
}

bool TfrmHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace corv
