#include "core/QtUiPort.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "core/MessDialog.h"
#include "core/ProgressOverlay.h"
#include "core/QtText.h"

namespace corv {

namespace {

// Message texts use CR LF or lone CR between lines.
QString BoxText(const std::string& text) {
    QString s = ToQ(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QMessageBox::Icon IconOf(BoxKind kind) {
    switch (kind) {
        case BoxKind::Information:
            return QMessageBox::Information;
        case BoxKind::Warning:
            return QMessageBox::Warning;
        case BoxKind::Error:
            return QMessageBox::Critical;
        case BoxKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString TitleOf(BoxKind kind) {
    switch (kind) {
        case BoxKind::Information:
            return QStringLiteral("Information");
        case BoxKind::Warning:
            return QStringLiteral("Warning");
        case BoxKind::Error:
            return QStringLiteral("Error");
        case BoxKind::Confirmation:
            return QStringLiteral("Confirmation");
    }
    return {};
}

QMessageBox::StandardButtons ButtonsOf(Buttons b) {
    switch (b) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A box closed without a button counts as the refusing answer.
Answer AnswerOf(int button, Buttons b) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return b == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

// The hourglass of a working command gives way to the arrow while a box waits for an
// answer.
class ArrowWhileAsking {
  public:
    explicit ArrowWhileAsking(bool busy) : m_busy(busy) {
        if (m_busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking() {
        if (m_busy) QApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

  private:
    bool m_busy;
};

}  // namespace

QWidget* QtUiPort::Owner() {
    // A box belongs to the window the user is working in, so it opens over that window
    // and the keyboard returns there when it closes. Between two boxes of one command no
    // window may be active: the last owner still shown serves; the main dialog is the
    // fallback.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) owner = QApplication::activeWindow();
    if (owner == nullptr && m_lastOwner && m_lastOwner->isVisible()) owner = m_lastOwner;
    if (owner == nullptr) owner = m_owner;
    m_lastOwner = owner;
    return owner;
}

QtUiPort::ReturnFocus::ReturnFocus(QWidget* owner) : m_owner(owner) {}

QtUiPort::ReturnFocus::~ReturnFocus() {
    if (m_owner && m_owner->isVisible()) m_owner->activateWindow();
}

void QtUiPort::Message(const std::string& text, BoxKind kind) {
    ArrowWhileAsking arrow(m_busyDepth > 0);
    // A plain message has the program's name as its title and no icon, like a note.
    const bool plain = kind == BoxKind::Information;
    const ReturnFocus back(Owner());
    QMessageBox box(plain ? QMessageBox::NoIcon : IconOf(kind),
                    plain ? QApplication::applicationName() : TitleOf(kind), BoxText(text),
                    QMessageBox::Ok, back.Owner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Answer QtUiPort::Ask(const std::string& text, Buttons buttons, BoxKind kind) {
    ArrowWhileAsking arrow(m_busyDepth > 0);
    const ReturnFocus back(Owner());
    QMessageBox box(IconOf(kind), TitleOf(kind), BoxText(text), ButtonsOf(buttons), back.Owner());
    box.setTextFormat(Qt::PlainText);
    return AnswerOf(box.exec(), buttons);
}

int QtUiPort::AskThree(const ThreeButtonQuestion& q) {
    ArrowWhileAsking arrow(m_busyDepth > 0);
    const ReturnFocus back(Owner());
    TfrmMessDialog dlg(back.Owner());
    dlg.btnOK->setText(ToQ(q.okCaption));
    dlg.btnCancel->setText(ToQ(q.cancelCaption));
    if (!q.auxCaption.empty()) {
        dlg.btnAux->setText(ToQ(q.auxCaption));
        dlg.btnAux->setVisible(true);
    }
    for (const std::string& line : q.lines) dlg.AddLine(ToQ(line));
    return dlg.Run();
}

std::string QtUiPort::InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& defaultText) {
    std::string value = defaultText;
    return InputQuery(caption, prompt, value) ? value : defaultText;
}

bool QtUiPort::InputQuery(const std::string& caption, const std::string& prompt,
                          std::string& value) {
    ArrowWhileAsking arrow(m_busyDepth > 0);
    bool ok = false;
    const ReturnFocus back(Owner());
    const QString text = QInputDialog::getText(back.Owner(), ToQ(caption), BoxText(prompt),
                                               QLineEdit::Normal, ToQ(value), &ok);
    if (ok) value = ToStd(text);
    return ok;
}

void QtUiPort::ShowHelpFile(const std::filesystem::path& file) {
    if (m_help) m_help(file);
}

void QtUiPort::Beep() {
    QApplication::beep();
}

void QtUiPort::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busyDepth;
    } else if (m_busyDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_busyDepth;
    }
}

void QtUiPort::ProgressText(int x, int y, const std::string& text) {
    ShowProgressText(m_owner, x, y, ToQ(text));
}

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kShowAfterMs = 500;

}  // namespace

void QtUiPort::BeginProgress(const std::string& title, int64_t total) {
    if (m_progressDepth++ > 0) return;
    m_progressTotal = std::max<int64_t>(total, 1);
    auto* dialog =
        new QProgressDialog(ToQ(title), QStringLiteral("Cancel"), 0, kProgressSteps, Owner());
    dialog->setObjectName(QStringLiteral("dlgProgress"));
    dialog->setWindowTitle(QApplication::applicationName());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumDuration(kShowAfterMs);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    m_progress = dialog;
}

bool QtUiPort::Progress(int64_t done) {
    if (m_progress == nullptr) return true;
    if (m_progressDepth == 1) {
        const auto step = static_cast<int>(
            std::clamp<int64_t>(done * kProgressSteps / m_progressTotal, 0, kProgressSteps - 1));
        // The hourglass would hide that the Cancel button can be pressed.
        ArrowWhileAsking arrow(m_busyDepth > 0 && m_progress->isVisible());
        // Once shown, the modal dialog lets the window repaint and its Cancel be pressed
        // within setValue; before, no event runs, so no other command can start.
        m_progress->setValue(step);
    }
    return !m_progress->wasCanceled();
}

void QtUiPort::EndProgress() {
    if (m_progressDepth == 0 || --m_progressDepth > 0) return;
    delete m_progress.data();
}

void QtUiPort::Halt() {
    // Nothing else may run: no handlers, no setup file.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace corv
