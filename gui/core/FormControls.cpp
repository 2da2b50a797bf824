#include "core/FormControls.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include "core/FormScale.h"

namespace corv {

namespace {

// The room the window frame and title take around the client area.
constexpr int kFrameAllowance = 40;

void FitIntoArea(QWidget* w, const QSize& area) {
    const QSize room(area.width() - 8, area.height() - kFrameAllowance);
    const QSize size = w->size();
    if (size.width() <= room.width() && size.height() <= room.height()) return;
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("scrolledContent"));
    content->setFixedSize(size);
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) child->setParent(content);
    for (QWidget* child : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
    auto* scroller = new QScrollArea(w);
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(content);
    const QSize fitted = size.boundedTo(room);
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w->setFixedSize(fitted);
    scroller->setGeometry(0, 0, fitted.width(), fitted.height());
}

}  // namespace

FormScale StartForm(QDialog* form, const QString& name, const QString& title, int width,
                    int height) {
    form->setObjectName(name);
    form->setWindowTitle(title);
    const FormScale s(form->font());
    if (width > 0) form->setFixedSize(s.X(width), s.Y(height));
    return s;
}

void CentreOnScreen(QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    FitIntoArea(w, screen->availableGeometry().size());
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
