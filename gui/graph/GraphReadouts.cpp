#include "graph/GraphReadouts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "core/QtText.h"
#include "graph/CursorReadouts.h"
#include "graph/StripLayout.h"

namespace corv {

namespace {

// The rows of a read-out column are this far apart, and the edits as high.
constexpr int kRowStep = 17;

QLineEdit* MakeReadout(QWidget* parent, const char* name, int left, int top, int width,
                       const QString& hint, bool readOnly) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(left, top, width, kRowStep);
    e->setToolTip(hint);
    e->setReadOnly(readOnly);
    e->setTextMargins(1, 0, 1, 0);
    return e;
}

// Value, time and date edits one below the other.
void MakeColumn(QWidget* parent, const char* const (&names)[3], int left, int top, int width,
                const QString& hint, bool readOnly, QLineEdit* (&out)[3]) {
    for (int k = 0; k < 3; ++k)
        out[k] = MakeReadout(parent, names[k], left, top + k * kRowStep, width, hint, readOnly);
}

QLabel* MakeResultLabel(QWidget* box, int k, int left, int top, const char* text) {
    auto* l = new QLabel(QString::fromLatin1(text), box);
    l->setObjectName(QStringLiteral("lblRes%1").arg(k + 1));
    l->move(left, top);
    l->adjustSize();
    return l;
}

}  // namespace

GraphReadouts::GraphReadouts(QWidget* client, const GraphLayout& g) {
    const int w8 = g.X(0.08);
    const int top = g.Y(0.83);
    QLineEdit* left[3];
    QLineEdit* right[3];
    QLineEdit* mouse[3];
    MakeColumn(client, {"EdLCurYval", "EdLCurTime", "edtLCurDate"}, g.X(0.04), top, w8,
               QStringLiteral("Left (F4) cursor"), true, left);
    MakeColumn(client, {"EdRCurYval", "EdRCurTime", "edtRCurDate"}, g.X(0.72), top, w8,
               QStringLiteral("Right (F5) cursor"), true, right);
    MakeColumn(client, {"edtMausY", "edtMausTime", "edtMausDate"}, g.X(0.16), top, w8,
               QStringLiteral("Mouse pos."), false, mouse);
    EdLCurYval = left[0];
    EdLCurTime = left[1];
    edtLCurDate = left[2];
    EdRCurYval = right[0];
    EdRCurTime = right[1];
    edtRCurDate = right[2];
    edtMausY = mouse[0];
    edtMausTime = mouse[1];
    edtMausDate = mouse[2];

    gboResults = new QGroupBox(QStringLiteral("Results"), client);
    gboResults->setObjectName(QStringLiteral("gboResults"));
    gboResults->setGeometry(g.X(0.3), g.Y(0.82), g.X(0.4), g.Y(0.08));
    // The title sits on the frame line, so the rows at 15 and 35 lie inside the frame.
    gboResults->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    const int col1 = g.X(0.1), col2 = g.X(0.3);
    const int edtWidth = g.X(0.2) - col1 - 4;
    const struct { int left, top; } places[4] = {{col1, 15}, {col1, 35}, {col2, 15}, {col2, 35}};
    for (int k = 0; k < 4; ++k) {
        const QString name = QStringLiteral("edtRes%1").arg(k + 1);
        edtRes[static_cast<size_t>(k)] =
            MakeReadout(gboResults, name.toLatin1().constData(), places[k].left, places[k].top,
                        edtWidth, QString(), false);
    }
    lblRes[0] = MakeResultLabel(gboResults, 0, 3, 15, "MaxDepth");
    lblRes[1] = MakeResultLabel(gboResults, 1, 3, 35, "Duration");
    lblRes[2] = MakeResultLabel(gboResults, 2, g.X(0.2), 15, "MaxDepth");
    lblRes[3] = MakeResultLabel(gboResults, 3, g.X(0.2), 35, "MaxDepth");

    edtFoc = new QLineEdit(client);
    edtFoc->setObjectName(QStringLiteral("edtFoc"));
    edtFoc->setGeometry(0, 0, 0, 0);
}

void GraphReadouts::ShowCursorTexts(const CursorReadouts& t) {
    EdLCurYval->setText(ToQ(t.leftValue));
    EdLCurTime->setText(ToQ(t.leftTime));
    edtLCurDate->setText(ToQ(t.leftDate));
    EdRCurYval->setText(ToQ(t.rightValue));
    EdRCurTime->setText(ToQ(t.rightTime));
    edtRCurDate->setText(ToQ(t.rightDate));
}

void GraphReadouts::ShowMouseTexts(const std::string& value, const std::string& time,
                                   const std::string& date) {
    edtMausY->setText(ToQ(value));
    edtMausTime->setText(ToQ(time));
    edtMausDate->setText(ToQ(date));
}

}  // namespace corv
