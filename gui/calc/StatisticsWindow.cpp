#include "calc/StatisticsWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "AppState.h"
#include "calc/StatisticsExport.h"
#include "calc/StatisticsText.h"
#include "core/CommandGuard.h"
#include "core/FormControls.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "help/HelpViewer.h"

namespace corv {

namespace {

constexpr int kWidth = 340;
constexpr int kMargin = 20;

}  // namespace

TfrmStatistics::TfrmStatistics(AppState& state, UiPort& ui, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_ui(ui),
      m_f4(state.view.LeftCursor),
      m_f5(state.view.RightCursor) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("Statistics"));
    m_results = WorkSectionStatistics(state);

    const int h = QFontMetrics(font()).height();
    const int lineHeight = h + h / 2;
    int width = kWidth;
    for (const auto& [row, text] : StatisticsLines(m_results)) {
        auto* label = new QLabel(ToQ(text), this);
        label->setObjectName(QStringLiteral("lblLine%1").arg(row));
        // The numbers are there to be copied.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->adjustSize();
        label->move(kMargin, kMargin + row * lineHeight);
        width = std::max(width, label->width() + 2 * kMargin);
        lines.push_back(label);
    }
    setFixedSize(width, kStatisticsLineCount * lineHeight + kMargin);

    const int buttonTop = kStatisticsButtonLine * lineHeight + kMargin;
    const auto button = [&](const char* name, const char* caption, int left) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, buttonTop, 80, std::max(20, h + 6));
        return b;
    };
    btnOK = button("btnOK", "OK", 10);
    btnHelp = button("btnHelp", "Help", width - 200);
    btnExport = button("btnExport", "Export", width - 100);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        RunGuarded(m_ui, [this] {
            m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(ToPath(ToQ(m_state.folders.HelpFolder)),
                                                     "mniStatistic.rtf"));
        });
    });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
}

void TfrmStatistics::btnExportClick() {
    bool written = false;
    RunGuarded(m_ui,
               [&] { written = ExportStatisticsQuery(m_state, m_ui, m_results, m_f4, m_f5); });
    if (written) accept();
}

void ShowStatisticsWindow(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmStatistics window(state, ui, parent);
    CentreOnScreen(&window);
    window.exec();
}

}  // namespace corv
