#include "core/DateTyping.h"

#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace corv {

namespace {

bool IsDateCharacter(QChar ch) {
    return ch.isDigit() || ch == QLatin1Char('.') || ch == QLatin1Char('/') ||
           ch == QLatin1Char('-');
}

// Day, month and year in that order, any separators; two-digit years are 2000 + y.
QDate ParseTypedDate(const QString& text) {
    const QStringList parts =
        text.split(QRegularExpression(QStringLiteral("[./-]")), Qt::SkipEmptyParts);
    if (parts.size() != 3) return {};
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].toInt(&okDay);
    const int month = parts[1].toInt(&okMonth);
    int year = parts[2].toInt(&okYear);
    if (!okDay || !okMonth || !okYear) return {};
    if (parts[2].size() <= 2) year += 2000;
    return QDate(year, month, day);
}

class DateTyping : public QObject {
  public:
    explicit DateTyping(QDateEdit* edit) : QObject(edit), m_edit(edit) {
        edit->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::FocusIn:
                m_typed.clear();
                return false;
            case QEvent::FocusOut:
                Commit();
                return false;
            case QEvent::KeyPress:
                return Key(static_cast<QKeyEvent*>(e));
            default:
                return false;
        }
    }

  private:
    bool Key(const QKeyEvent* k) {
        const QString text = k->text();
        if (text.size() == 1 && IsDateCharacter(text[0]) &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            m_typed += text;
            Show(m_typed);
            return true;
        }
        if (k->key() == Qt::Key_Backspace && !m_typed.isEmpty()) {
            m_typed.chop(1);
            Show(m_typed);
            return true;
        }
        // Enter, the arrows and the rest first take what was typed.
        Commit();
        return false;
    }

    void Show(const QString& text) {
        if (QLineEdit* line = m_edit->findChild<QLineEdit*>()) line->setText(text);
    }

    void Commit() {
        if (m_typed.isEmpty()) return;
        const QDate date = ParseTypedDate(m_typed);
        m_typed.clear();
        const QDate shown =
            date.isValid() && date >= m_edit->minimumDate() && date <= m_edit->maximumDate()
                ? date
                : m_edit->date();
        m_edit->setDate(shown);
        // The picker shows a date it already had without writing its text again.
        Show(shown.toString(m_edit->displayFormat()));
    }

    QDateEdit* m_edit;
    QString m_typed;
};

}  // namespace

void AcceptTypedDates(QDateEdit* edit) {
    new DateTyping(edit);
}

}  // namespace corv
