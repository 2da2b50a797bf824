// The graph window's keys and mouse: the events go to the engine's decisions, and the
// window draws what they ask for.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/UiPort.h"
#include "graph/GraphReadouts.h"
#include "graph/GraphWindow.h"
#include "graph/KeyHandling.h"
#include "graph/MouseHandling.h"
#include "graph/StripDrawing.h"
#include "graph/StripWidgets.h"

namespace corv {

namespace {

Key KeyOfQt(int k) {
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return static_cast<Key>(static_cast<int>(Key::F1) + (k - Qt::Key_F1));
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return KeyOfChar(static_cast<char>('0' + (k - Qt::Key_0)));
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return KeyOfChar(static_cast<char>('A' + (k - Qt::Key_A)));
    switch (k) {
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Home:
            return Key::Home;
        case Qt::Key_End:
            return Key::End;
        case Qt::Key_PageUp:
            return Key::PageUp;
        case Qt::Key_PageDown:
            return Key::PageDown;
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        default:
            return Key::Other;
    }
}

KeyModifiers ModifiersOf(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
            m.testFlag(Qt::AltModifier)};
}

// A shifted F1..F12 arrives as F13..F24 on some platforms.
int Unshifted(const QKeyEvent* e) {
    const int k = e->key();
    const bool shifted = e->modifiers().testFlag(Qt::ShiftModifier);
    return shifted && k >= Qt::Key_F13 && k <= Qt::Key_F24 ? k - 12 : k;
}

bool IsModifierKey(int k) {
    return k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Alt || k == Qt::Key_Meta ||
           k == Qt::Key_AltGr;
}

}  // namespace

bool GraphWindow::eventFilter(QObject* watched, QEvent* e) {
    // The client area changes with the window and with the panels around it.
    if (watched == m_client && e->type() == QEvent::Resize) {
        Relayout();
        return false;
    }
    const bool key = e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride;
    if (!key || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->window() != this) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    if (e->type() == QEvent::ShortcutOverride) {
        // Menu shortcuts come first, also in an edit that would take the letter: the event
        // stays unaccepted, so the menu gets the key.
        return DecideKey(KeyOfQt(Unshifted(k)), ModifiersOf(k->modifiers()),
                         GraphMenuShortcuts()) == KeyCommand::MenuShortcut;
    }
    // A key travels from the focus widget up to its window; the window takes it once, at
    // its first stop.
    QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    // A modifier on its own is left to the menu bar (Alt) and the keys that follow.
    if (w != first || IsModifierKey(k->key())) return false;
    return FormKeyDown(Unshifted(k), k->modifiers());
}

bool GraphWindow::FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers) {
    const KeyCommand command =
        DecideKey(KeyOfQt(qtKey), ModifiersOf(modifiers), GraphMenuShortcuts());
    // A shortcut whose item is disabled ends here too.
    if (command == KeyCommand::MenuShortcut) return true;
    const BusyGuard busy(m_ui);
    KeyResult r;
    RunGuarded(m_ui, [&] {
        const StepMarkerImages images{m_images->MainTimeScale(), m_images->OverviewTimeScale(),
                                      m_images->Overview().Width()};
        r = RunKeyCommand(m_state, command, images);
    });
    m_readouts->edtFoc->setFocus();
    Redraw(r.redraw);
    return true;
}

void GraphWindow::ImgMouseDn(TChanImage* image, MouseButton button, int x, int y) {
    // The middle button pans and leaves the marks to the other two.
    if (button == MouseButton::Middle) {
        m_panLastX = x;
        return;
    }
    const int index = ImageIndex(image);
    const TChanImage* active = m_images->StripImage(m_state.ActiveChannel);
    const MouseEvent press{
        index, x, y, image->width(), image->height(), button, active ? active->height() : 0};
    MouseDownResult r;
    RunGuarded(m_ui, [&] { r = corv::ImgMouseDn(m_state, press); });
    if (r.openDimsPopup && active)
        m_dimsPopup->popup(active->mapToGlobal(QPoint(r.popupX, r.popupY)));
}

void GraphWindow::ImgMouseUp(TChanImage* image, MouseButton button, int x, int y) {
    if (button == MouseButton::Middle) {
        m_panLastX = -1;
        return;
    }
    const BusyGuard busy(m_ui);
    const TChanImage* active = m_images->StripImage(m_state.ActiveChannel);
    const MouseEvent release{ImageIndex(image),
                             x,
                             y,
                             image->width(),
                             image->height(),
                             button,
                             active ? active->height() : 0};
    MouseUpResult r;
    RunGuarded(m_ui, [&] { r = corv::ImgMouseUp(m_state, release); });
    if (r.readoutShown) m_readouts->ShowMouseTexts(r.mouseValue, r.mouseTime, r.mouseDate);
    Redraw(r.redraw);
}

void GraphWindow::ImgDblClick(TChanImage* image) {
    if (corv::ImgDblClick(ImageIndex(image)) != 0) RefreshOverview();
}

void GraphWindow::ImgTimeDown(TChanImage* image, int x) {
    const BusyGuard busy(m_ui);
    const bool overview = image == m_images->TotalimgTimeScale();
    const int width = overview
                          ? m_layout.overview.Width()
                          : m_layout.strips[static_cast<size_t>(m_state.ActiveChannel)].Width();
    uint32_t flags = 0;
    RunGuarded(m_ui, [&] {
        flags = corv::ImgTimeDown(m_state, overview ? TimeScaleKind::Overview : TimeScaleKind::Main,
                                  x, width);
    });
    Redraw(flags);
}

void GraphWindow::ImgScaleYDown(TChanImage* image, int y) {
    const int c = ImageIndex(image);
    if (c < 0) return;
    const BusyGuard busy(m_ui);
    ScaleYResult r;
    RunGuarded(m_ui, [&] { r = corv::ImgScaleYDown(m_state, c, y, image->height()); });
    Redraw(r.redraw);
    if (r.yScaleChannel >= 0) {
        if (Canvas* scale = m_images->YScale(r.yScaleChannel))
            RunGuarded(m_ui, [&] { DrawStripYScale(*scale, m_state, r.yScaleChannel); });
        m_images->UpdateAll();
    }
}

}  // namespace corv
