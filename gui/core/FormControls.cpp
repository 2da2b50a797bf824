#include "core/FormControls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/FormScale.h"

namespace corv {

void CentreOnScreen(QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect r = w->frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    w->move(r.topLeft());
}

int EditHeight() {
    static const int h = QLineEdit().sizeHint().height();
    return h;
}

QLabel* MakeLabel(QWidget* parent, const FormScale& s, const QString& name, const QString& text,
                  int left, int top, int width, const QString& hint) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setToolTip(hint);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setGeometry(s.X(left), s.Y(top), s.X(width), EditHeight());
    return l;
}

QLineEdit* MakeEdit(QWidget* parent, const FormScale& s, const QString& name, const QString& text,
                    int left, int top, int width, const QString& hint) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setToolTip(hint);
    s.Place(e, left, top, width);
    return e;
}

QPushButton* MakeButton(QWidget* parent, const FormScale& s, const QString& name,
                        const QString& caption, int left, int top, int width, int height,
                        const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    s.Place(b, left, top, width, height);
    return b;
}

}  // namespace corv
