#include "calc/PlotDialogs.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "AppState.h"
#include "calc/ReadoutImage.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/NumberFormat.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "graph/StripDrawing.h"
#include "graph/ValueScale.h"
#include "help/HelpViewer.h"

namespace corv {

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
constexpr int kAxisSpace = 60;  // beside and below the plot, for the axes

}  // namespace

PlotChannelQuery::PlotChannelQuery(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBiChannel"));
    setWindowTitle(QStringLiteral("Plot chnl-chnl"));
    const int row = QFontMetrics(font()).height() + 8;
    const auto label = [&](const char* name, const char* text, int y) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(10, y, 140, row);
        return l;
    };
    const auto edit = [&](const char* name, const char* text, int y) {
        auto* e = new QLineEdit(QString::fromLatin1(text), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(160, y, 60, row);
        return e;
    };
    lblChannel1 = label("lblChannel1", "&Plot channel Nr", 10);
    edtChannel1 = edit("edtChannel1", "1", 10);
    lblChannel2 = label("lblChannel2", "&against chan. Nr", 20 + row);
    edtChannel2 = edit("edtChannel2", "2", 20 + row);
    lblChannel1->setBuddy(edtChannel1);
    lblChannel2->setBuddy(edtChannel2);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(10, 40 + 2 * row, 90, row + 2);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(130, 40 + 2 * row, 90, row + 2);
    setFixedSize(230, 50 + 3 * row + 2);
    WireOkCancel(this, btnOK, btnCancel, [this] { accept(); });
}

TfrmPlotChnl1againstChnl2::TfrmPlotChnl1againstChnl2(AppState& state, UiPort& ui,
                                                     const PlotChannels& channels, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_axes(PlotAxesOf(state.store, channels)) {
    setObjectName(QStringLiteral("frmPlotChnl1againstChnl2"));
    setWindowTitle(QStringLiteral("Plot channel against channel"));
    const int w = static_cast<int>(std::lround(0.8 * kClientWidth));
    const int h = static_cast<int>(std::lround(0.8 * kClientHeight));
    imgPlotChnlChnl = new ReadoutImage(this, QStringLiteral("imgPlotChnlChnl"), QRect(0, 0, w, h));
    imgPlotChnlChnl->setCursor(Qt::CrossCursor);
    imgPlotChnlChnl->OnMouseMove = [this](int x, int y) { ImgMouseMove(x, y); };
    imgYAxis = new TChanImage(this, QStringLiteral("imgYAxis"), QRect(w, 0, kAxisSpace, h));
    imgXAxis = new TChanImage(this, QStringLiteral("imgXAxis"), QRect(0, h, w, 30));
    const int row = QFontMetrics(font()).height() + 8;
    const int right = w + kAxisSpace + 10;
    const auto readout = [&](const char* name, const char* caption, int y) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setGeometry(right, y, 150, row);
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        e->setGeometry(right, y + row, 150, row);
        return e;
    };
    edtValChn1 = readout("edtValChn1", "Channel 1", 10);
    edtValChn2 = readout("edtValChn2", "Channel 2", 20 + 2 * row);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(right, h - 2 * (row + 10), 90, row + 2);
    btnHelp = new QPushButton(QStringLiteral("Help"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setGeometry(right, h - (row + 10), 90, row + 2);
    setFixedSize(right + 160, h + 40);
    EnterPressesOk(this, btnOK);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        RunGuarded(m_ui, [this] {
            m_ui.ShowHelpFile(TfrmHelp::HelpFilePath(ToPath(ToQ(m_state.folders.HelpFolder)),
                                                     "frmPlotChnlChnl.rtf"));
        });
    });

    if (!m_axes.Valid()) {
        ui.Message(kRangeTooSmall, BoxKind::Warning);
        return;
    }
    RunGuarded(ui, [&] {
        DrawChannelPlot(imgPlotChnlChnl->canvas(), state.store, channels, m_axes,
                        state.view.LeftCursor, state.view.RightCursor);
    });
    DrawAxes();
}

void TfrmPlotChnl1againstChnl2::DrawAxes() {
    RunGuarded(m_ui, [this] {
        Canvas& y = imgYAxis->canvas();
        DrawFormYAxis(y, 0, 0, y.Height() - 1, m_axes.yLow, m_axes.yHigh, 0, kImageBackground);
        Canvas& x = imgXAxis->canvas();
        DrawFormXAxis(x, 0, x.Width() - 1, m_axes.xLow, m_axes.xHigh, 0, kImageBackground);
    });
}

void TfrmPlotChnl1againstChnl2::ImgMouseMove(int x, int y) {
    if (!m_axes.Valid()) return;
    const PlotPoint p =
        PlotReadout(m_axes, imgPlotChnlChnl->width(), imgPlotChnlChnl->height(), x, y);
    edtValChn1->setText(ToQ(FormatShortest(p.x)));
    edtValChn2->setText(ToQ(FormatShortest(p.y)));
}

bool PlotChannelAgainstChannel(AppState& state, UiPort& ui, QWidget* parent) {
    PlotChannels channels;
    {
        PlotChannelQuery ask(parent);
        CentreOnScreen(&ask);
        if (ask.exec() != QDialog::Accepted) return false;
        if (!ParsePlotChannels(ToStd(ask.edtChannel1->text()), ToStd(ask.edtChannel2->text()),
                               channels))
            return false;
    }
    if (!PreparePlot(state, ui, channels)) return false;
    TfrmPlotChnl1againstChnl2 plot(state, ui, channels, parent);
    CentreOnScreen(&plot);
    return plot.exec() == QDialog::Accepted;
}

}  // namespace corv
