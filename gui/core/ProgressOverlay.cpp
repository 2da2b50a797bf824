#include "core/ProgressOverlay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>

#include "core/FormScale.h"

namespace corv {

namespace {

const char* const kProgressProperty = "corvProgressText";
// The loaders report every few hundred lines; painting more often than this only slows
// them down.
constexpr qint64 kRepaintIntervalMs = 40;

QLabel* LabelAt(QWidget* surface, const QPoint& at) {
    for (QLabel* l : surface->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (l->property(kProgressProperty).toBool() && l->pos() == at) return l;
    auto* label = new QLabel(surface);
    label->setObjectName(QStringLiteral("lblProgress"));
    label->setProperty(kProgressProperty, true);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->move(at);
    return label;
}

}  // namespace

void ShowProgressText(QWidget* surface, int x, int y, const QString& text) {
    if (surface == nullptr) return;
    const FormScale scale(surface->font());
    QLabel* label = LabelAt(surface, scale.Point(x, y));
    label->setText(text);
    label->adjustSize();
    label->raise();
    label->show();

    static QElapsedTimer sinceRepaint;
    if (sinceRepaint.isValid() && sinceRepaint.elapsed() < kRepaintIntervalMs) return;
    sinceRepaint.start();
    label->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ClearProgressTexts(QWidget* surface) {
    if (surface == nullptr) return;
    for (QLabel* l : surface->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (l->property(kProgressProperty).toBool()) delete l;
}

}  // namespace corv
