#include "core/WidgetHooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <utility>

namespace corv {

namespace {

enum class Trigger { Leave, EnterKey, DoubleClick };

bool Matches(Trigger trigger, QEvent* e) {
    switch (trigger) {
        case Trigger::Leave: {
            if (e->type() != QEvent::FocusOut) return false;
            const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
            return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
        }
        case Trigger::EnterKey: {
            if (e->type() != QEvent::KeyPress) return false;
            const int key = static_cast<QKeyEvent*>(e)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        case Trigger::DoubleClick:
            return e->type() == QEvent::MouseButtonDblClick &&
                   static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
    }
    return false;
}

// Lives as a child of the watched widget, so it goes when the widget goes.
class Hook : public QObject {
  public:
    Hook(QWidget* w, Trigger trigger, std::function<void()> handler)
        : QObject(w), m_trigger(trigger), m_handler(std::move(handler)) {
        w->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!Matches(m_trigger, e)) return QObject::eventFilter(watched, e);
        if (m_trigger == Trigger::Leave) {
            // The control finishes its own focus-out work first (a date edit commits the
            // typed date, a box completes its text), so the handler sees the final value.
            auto* w = static_cast<QWidget*>(watched);
            w->removeEventFilter(this);
            QCoreApplication::sendEvent(w, e);
            w->installEventFilter(this);
        }
        RunOnce();
        return true;  // keys and clicks are consumed; the focus-out was delivered above
    }

  private:
    // A handler that moves the focus itself must not start a second handler.
    void RunOnce() {
        static bool running = false;
        if (running) return;
        struct Running {
            Running() { running = true; }
            ~Running() { running = false; }
        } guard;
        m_handler();
    }

    Trigger m_trigger;
    std::function<void()> m_handler;
};

}  // namespace

void OnLeave(QWidget* w, std::function<void()> handler) {
    new Hook(w, Trigger::Leave, std::move(handler));
}

void OnEnterKey(QWidget* w, std::function<void()> handler) {
    new Hook(w, Trigger::EnterKey, std::move(handler));
}

void OnDoubleClick(QWidget* w, std::function<void()> handler) {
    new Hook(w, Trigger::DoubleClick, std::move(handler));
}

}  // namespace corv
