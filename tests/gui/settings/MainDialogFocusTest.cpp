// The main dialog with real focus changes and message boxes (the Qt port, boxes closed by a
// timer).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

#include "MainDialogTestSupport.h"
#include "settings/ChannelPage.h"

namespace corv::test {
namespace {

void Activate(QWidget* w) {
    for (int i = 0; i < 50 && !w->isActiveWindow(); ++i) {
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    }
}

// Accepts every message box that comes up while the test runs; counts them.
class BoxCloser {
  public:
    BoxCloser() { Poll(); }
    ~BoxCloser() { *m_alive = false; }  // the timer still pending holds the flag
    QStringList texts;

  private:
    void Poll() {
        QTimer::singleShot(5, [this, alive = m_alive] {
            if (!*alive) return;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
            Poll();
        });
    }
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

TEST(MainDialogFocus, LeavingTheIntervalWarnsOnceAndTheTextStaysUntilAnActivation) {
    TempDir dir;
    Application app(dir.Path() / "corvandell");
    ASSERT_TRUE(app.Start());
    MainDialog& d = app.Dialog();
    d.show();
    Activate(&d);
    ASSERT_TRUE(d.isActiveWindow());

    ChannelPage* p = d.Page(0);
    d.PageControl1->setCurrentIndex(1);
    p->edtSampRate->setFocus(Qt::MouseFocusReason);
    p->edtSampRate->setText("abc");
    {
        BoxCloser closer;
        p->edtFileName->setFocus(Qt::MouseFocusReason);
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
        EXPECT_EQ(closer.texts, QStringList{"Illegal value"});
    }
    EXPECT_EQ(app.State().store.Rec(0).SampRate, 8);

    // Coming back from the message box is no activation that refills the controls.
    Activate(&d);
    EXPECT_EQ(p->edtSampRate->text(), "abc");

    // Coming back from another window of the program is.
    QWidget other;
    other.show();
    Activate(&other);
    Activate(&d);
    EXPECT_EQ(p->edtSampRate->text(), "8");
    d.close();
}

}  // namespace
}  // namespace corv::test
