// Dialogs stay within the screen, however large fonts or scaling make them.
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include "core/FormControls.h"

namespace corv {
namespace {

TEST(FormControls, ADialogTallerThanTheScreenScrollsInsideIt) {
    const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
    QDialog tall;
    tall.setFixedSize(area.width() / 2, area.height() + 300);
    auto* bottom = new QPushButton(QStringLiteral("Start"), &tall);
    bottom->move(10, area.height() + 250);
    CentreOnScreen(&tall);
    EXPECT_LE(tall.height(), area.height());
    auto* scroller = tall.findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(bottom->window(), &tall);  // still the dialog's button, now scrolled into reach
    EXPECT_TRUE(scroller->widget()->isAncestorOf(bottom));

    QDialog small;
    small.setFixedSize(200, 100);
    CentreOnScreen(&small);
    EXPECT_EQ(small.size(), QSize(200, 100));
    EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);
}

}  // namespace
}  // namespace corv
