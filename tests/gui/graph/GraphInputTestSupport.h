#pragma once
// Driving the shown graph window with real key and mouse events, and answering its modal
// dialogs, for the input tests.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "GraphWindowTestSupport.h"
#include "graph/ChanImage.h"
#include "graph/GraphMenus.h"

namespace corv::test {

// Shows the window and makes it the active one, so keys reach its focus widget and its
// menu shortcuts.
inline void ShowActive(GraphWindow* w) {
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

// The demo graph window shown and active, so that keys and clicks reach it.
class ShownDemoGraph : public DemoGraph {
  protected:
    void SetUp() override {
        DemoGraph::SetUp();
        if (!HasFatalFailure()) ShowActive(w);
    }
};

// Clicks the push button `name` of a dialog.
inline void Click(QWidget* dialog, const char* name) {
    auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

// A key press and release where the user's key would go: the focus widget.
inline void Press(GraphWindow* w, Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QTest::keyClick(target, key, m);
}

inline TChanImage* Image(GraphWindow* w, const char* name) {
    return w->findChild<TChanImage*>(QString::fromLatin1(name));
}

// A left-button drag from `from` to `to` on an image.
inline void Drag(TChanImage* image, QPoint from, QPoint to) {
    QTest::mousePress(image, Qt::LeftButton, {}, from);
    QTest::mouseMove(image, to);
    QTest::mouseRelease(image, Qt::LeftButton, {}, to);
}

// Runs `answer` on the modal dialog once exec() has shown it.
inline void WhenModal(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        answer(d);
    });
}

}  // namespace corv::test
