#include "graph/GraphReadouts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/QtText.h"
#include "graph/CursorReadouts.h"
#include "graph/StripLayout.h"

namespace corv {

namespace {

QLineEdit* MakeReadout(QWidget* parent, const QString& name, const QString& hint, bool readOnly) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setToolTip(hint);
    e->setReadOnly(readOnly);
    e->setTextMargins(1, 0, 1, 0);
    return e;
}

// Value, time and date edits one below the other.
void MakeColumn(QWidget* parent, const char* const (&names)[3], const QString& hint, bool readOnly,
                QLineEdit* (&out)[3]) {
    for (int k = 0; k < 3; ++k)
        out[k] = MakeReadout(parent, QString::fromLatin1(names[k]), hint, readOnly);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

GraphReadouts::GraphReadouts(QWidget* client, const GraphLayout& g) {
    QLineEdit* left[3];
    QLineEdit* right[3];
    QLineEdit* mouse[3];
    MakeColumn(client, {"EdLCurYval", "EdLCurTime", "edtLCurDate"},
               QStringLiteral("Left (F4) cursor"), true, left);
    MakeColumn(client, {"EdRCurYval", "EdRCurTime", "edtRCurDate"},
               QStringLiteral("Right (F5) cursor"), true, right);
    MakeColumn(client, {"edtMausY", "edtMausTime", "edtMausDate"}, QStringLiteral("Mouse pos."),
               false, mouse);
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
    // The title sits on the frame line, so the rows at 15 and 35 lie inside the frame.
    gboResults->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    for (size_t k = 0; k < 4; ++k) {
        edtRes[k] =
            MakeReadout(gboResults, QStringLiteral("edtRes%1").arg(k + 1), QString(), false);
        lblRes[k] = MakeLabel(gboResults, QStringLiteral("lblRes%1").arg(k + 1), QString());
    }
    // The event analysis fills the first two: the event's duration and positive sum.
    lblRes[0]->setText(QStringLiteral("Duration"));
    lblRes[1]->setText(QStringLiteral("Positive sum"));
    for (size_t k : {size_t{2}, size_t{3}}) {
        lblRes[k]->hide();
        edtRes[k]->hide();
    }

    for (size_t k = 0; k < 3; ++k)
        lblColumn[k] = MakeLabel(client, QStringLiteral("lblReadoutColumn%1").arg(k), QString());
    const char* const rows[3] = {"Value", "Time", "Date"};
    for (size_t k = 0; k < 3; ++k)
        lblRow[k] = MakeLabel(client, QStringLiteral("lblReadoutRow%1").arg(k),
                              QString::fromLatin1(rows[k]));
    ShowTitles(std::string());

    edtFoc = new QLineEdit(client);
    edtFoc->setObjectName(QStringLiteral("edtFoc"));
    edtFoc->setGeometry(0, 0, 0, 0);
    Place(g);
}

void GraphReadouts::Place(const GraphLayout& g) {
    const int rows = kReadoutRowHeight;
    QLineEdit* const columns[3][3] = {{EdLCurYval, EdLCurTime, edtLCurDate},
                                      {edtMausY, edtMausTime, edtMausDate},
                                      {EdRCurYval, EdRCurTime, edtRCurDate}};
    for (size_t c = 0; c < 3; ++c) {
        const int left = g.readoutLeft[c];
        for (int k = 0; k < 3; ++k)
            columns[c][k]->setGeometry(left, g.readoutTop + k * rows, g.readoutWidth, rows);
        // A title may reach over the gap to the next column or the results box, not into it.
        int next = c + 1 < 3 ? g.readoutLeft[c + 1] : g.screenWidth;
        if (g.results.left > left) next = std::min(next, g.results.left);
        const int titleWidth = std::max(next - left - 6, g.readoutWidth);
        lblColumn[c]->setGeometry(left, g.readoutTop - kReadoutTitleHeight, titleWidth, rows);
    }
    ShowTitles(m_caption);
    const int rowLabelWidth = std::max(g.readoutLeft[0] - 4, 1);
    for (int k = 0; k < 3; ++k)
        lblRow[static_cast<size_t>(k)]->setGeometry(2, g.readoutTop + k * rows, rowLabelWidth,
                                                    rows);

    const PixelRect& r = g.results;
    gboResults->setGeometry(r.left, r.top, r.Width(), r.Height());
    const int labelWidth = std::max(r.Width() / 3 - 6, 1);
    const int editLeft = labelWidth + 6;
    const int editWidth = std::max(r.Width() - editLeft - 8, 1);
    for (size_t k = 0; k < 2; ++k) {
        const int top = 15 + 20 * static_cast<int>(k);
        lblRes[k]->setGeometry(3, top, labelWidth, rows);
        edtRes[k]->setGeometry(editLeft, top, editWidth, rows);
    }
}

void GraphReadouts::ShowTitles(const std::string& caption) {
    m_caption = caption;
    const QString of = caption.empty() ? QString() : QStringLiteral(": ") + ToQ(caption);
    const char* const names[3] = {"F4", "Pointer", "F5"};
    for (size_t k = 0; k < 3; ++k) {
        // A long caption is cut with an ellipsis rather than clipped mid-letter; the tooltip
        // keeps the whole title.
        QLabel* l = lblColumn[k];
        const QString title = QString::fromLatin1(names[k]) + of;
        l->setText(l->fontMetrics().elidedText(title, Qt::ElideRight, l->width()));
        l->setToolTip(title);
    }
}

void GraphReadouts::ShowCursorTexts(const CursorReadouts& t) {
    ShowTitles(t.caption);
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
