#include "calc/HistogramDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AppState.h"
#include "calc/HistogramCommand.h"
#include "calc/ReadoutImage.h"
#include "core/CommandGuard.h"
#include "core/FormControls.h"
#include "core/NumberFormat.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "graph/StripDrawing.h"
#include "graph/ValueScale.h"
#include "help/HelpViewer.h"

namespace corv {

namespace {

constexpr int kLeft = 10;
constexpr int kImageWidth = 473;
constexpr int kImageHeight = 321;
constexpr int kScaleWidth = 70;

QString General8(double v) {
    return QString::number(v, 'g', 8);
}

}  // namespace

TfrmHistogram::TfrmHistogram(AppState& state, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui) {
    setObjectName(QStringLiteral("frmHistogram"));
    setWindowTitle(QStringLiteral("Histogram"));
    const int row = QFontMetrics(font()).height() + 8;
    const int bottom = kLeft + kImageHeight;
    imgHistogram = new ReadoutImage(this, QStringLiteral("imgHistogram"),
                                    QRect(kLeft, kLeft, kImageWidth, kImageHeight));
    imgHistogram->setCursor(Qt::CrossCursor);
    imgHistogram->OnMouseMove = [this](int x, int y) { ImgMouseMove(x, y); };
    imgCountScale = new TChanImage(this, QStringLiteral("imgCountScale"),
                                   QRect(kLeft + kImageWidth, kLeft, kScaleWidth, kImageHeight));
    const auto label = [&](const char* name, const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, row);
        return l;
    };
    lblMin = label("lblMin", {}, kLeft, bottom, 150);
    lblTop = label("lblTop", {}, kLeft + kImageWidth - 150, bottom, 150);
    lblTop->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label("lblYData", QStringLiteral("y-data"), kLeft, bottom + 20, 45);
    lblValue = label("lblValue", {}, kLeft + 50, bottom + 20, 95);
    label("lblAmountCaption", QStringLiteral("Amount"), kLeft + 150, bottom + 20, 55);
    lblAmount = label("lblAmount", {}, kLeft + 210, bottom + 20, 120);
    for (QLabel* l : {lblValue, lblAmount}) l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const HistogramRecord& record = state.histograms[size_t(state.ActiveChannel)];
    const int editTop = bottom + 20 + row + 6;
    const auto edit = [&](const char* name, const char* caption, const std::string& text, int x,
                          int y, int w) {
        label("", QString::fromLatin1(caption), x, y, w);
        auto* e = new QLineEdit(ToQ(text), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y + row, w, row);
        return e;
    };
    edtMinBin = edit("edtMinBin", "Min. bin", FormatShortest(record.minBin), kLeft, editTop, 120);
    edtBinSize =
        edit("edtBinSize", "Bin size", FormatShortest(record.binSize), kLeft + 130, editTop, 120);
    edtHistFile = edit("edtHistFile", "Export histogram to", record.fileName, kLeft + 260, editTop,
                       kImageWidth + kScaleWidth - 260);
    const int buttonTop = editTop + 2 * row + 10;
    const auto button = [&](const char* name, const char* caption, int x) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, buttonTop, 90, row + 2);
        return b;
    };
    btnOK = button("btnOK", "OK", kLeft);
    btnCancel = button("btnCancel", "Cancel", kLeft + 100);
    btnHelp = button("btnHelp", "Help", kLeft + 200);
    btnOK->setDefault(true);
    setFixedSize(kLeft * 2 + kImageWidth + kScaleWidth, buttonTop + row + 12);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        RunGuarded(m_ui, [this] {
            m_ui.ShowHelpFile(
                TfrmHelp::HelpFilePath(ToPath(ToQ(m_state.folders.HelpFolder)), "dlgHisto.rtf"));
        });
    });
}

void TfrmHistogram::btnOKClick() {
    if (m_presses == 0) {
        FirstPress();
        return;
    }
    bool written = false;
    RunGuarded(m_ui,
               [&] { written = HistogramExportPress(m_state, m_ui, ToStd(edtHistFile->text())); });
    if (written) {
        m_presses = 2;
        accept();
    }
}

void TfrmHistogram::FirstPress() {
    bool computed = false;
    RunGuarded(m_ui, [&] {
        computed =
            HistogramFirstPress(m_state, m_ui, ToStd(edtMinBin->text()), ToStd(edtBinSize->text()));
    });
    if (!computed) return;
    const int c = m_state.ActiveChannel;
    Canvas& image = imgHistogram->canvas();
    image.SetBrushColour(kImageBackground);
    image.FillRect(0, 0, image.Width(), image.Height());
    DrawHistogramBars(image, m_state.histogramCounts[size_t(c)], m_state.histograms[size_t(c)]);
    imgHistogram->update();
    m_presses = 1;
    btnOK->setText(QStringLiteral("Export"));
    DrawLabels();
}

void TfrmHistogram::DrawLabels() {
    const int c = m_state.ActiveChannel;
    const HistogramRecord& record = m_state.histograms[size_t(c)];
    const double top = record.minBin + (kHistogramBins - 1) * record.binSize;
    lblMin->setText(ToQ(FormatShortest(record.minBin)));
    lblTop->setText(ToQ(FormatShortest(top)) + QStringLiteral(" bin"));
    Canvas& scale = imgCountScale->canvas();
    scale.SetBrushColour(kImageBackground);
    scale.FillRect(0, 0, scale.Width(), scale.Height());
    const double largest = LargestCount(m_state.histogramCounts[size_t(c)]);
    RunGuarded(m_ui, [&] {
        DrawFormYAxis(scale, 0, 0, scale.Height() - 1, 0, largest, 0, kImageBackground);
    });
    imgCountScale->update();
}

void TfrmHistogram::ImgMouseMove(int x, int y) {
    if (m_presses == 0) return;
    const int c = m_state.ActiveChannel;
    const HistogramRecord& record = m_state.histograms[size_t(c)];
    const double w = imgHistogram->width(), h = imgHistogram->height();
    const double top = record.minBin + (kHistogramBins - 1) * record.binSize;
    const double largest = LargestCount(m_state.histogramCounts[size_t(c)]);
    lblValue->setText(General8((top - record.minBin) * x / w + record.minBin));
    lblAmount->setText(General8((h - y) * largest / h));
}

void ShowHistogramDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmHistogram dialog(state, ui, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
}

}  // namespace corv
