#include "files/ImportPreview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Errors.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "files/HeaderMarker.h"
#include "files/TextImport.h"
#include "settings/FormatFields.h"

namespace corv {

namespace {

constexpr int64_t kCheckedLines = 10000;
constexpr size_t kCaptionLength = 18;

// The separators the guess knows, as the channel page's box writes them.
constexpr char kSeparators[] = {'\t', ';', ',', ' '};

const QColor kHeaderRowColour(0xE8, 0xE8, 0xE8);

}  // namespace

TfrmImportPreview::TfrmImportPreview(std::filesystem::path file, std::vector<std::string> lines,
                                     int column, QWidget* parent)
    : QDialog(parent), m_file(std::move(file)), m_lines(std::move(lines)) {
    setObjectName(QStringLiteral("frmImportPreview"));
    setWindowTitle(QStringLiteral("Preview - ") + FromPath(m_file.filename()));
    m_guess = SniffLines(m_lines);
    if (m_lines.size() > kPreviewLines) m_lines.resize(kPreviewLines);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Separator"), this));
    cboSeparator = new QComboBox(this);
    cboSeparator->setObjectName(QStringLiteral("cboSeparator"));
    for (char sep : kSeparators) cboSeparator->addItem(ToQ(SeparatorText(sep)), QChar(sep));
    cboSeparator->setCurrentIndex(static_cast<int>(
        std::find(std::begin(kSeparators), std::end(kSeparators), m_guess.separator) -
        std::begin(kSeparators)));
    controls->addWidget(cboSeparator);
    controls->addSpacing(12);
    controls->addWidget(new QLabel(QStringLiteral("Header"), this));
    edtHeader = new QSpinBox(this);
    edtHeader->setObjectName(QStringLiteral("edtHeader"));
    edtHeader->setRange(0, 1000000);
    edtHeader->setValue(m_guess.headerLines);
    controls->addWidget(edtHeader);
    controls->addSpacing(12);
    lblDecimal = new QLabel(
        m_guess.decimalComma ? QStringLiteral("Decimal comma") : QStringLiteral("Decimal point"),
        this);
    lblDecimal->setObjectName(QStringLiteral("lblDecimal"));
    controls->addWidget(lblDecimal);
    controls->addSpacing(12);
    lblColumn = new QLabel(this);
    lblColumn->setObjectName(QStringLiteral("lblColumn"));
    controls->addWidget(lblColumn, 1);

    tblLines = new QTableWidget(this);
    tblLines->setObjectName(QStringLiteral("tblLines"));
    tblLines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblLines->setSelectionBehavior(QAbstractItemView::SelectColumns);
    tblLines->setSelectionMode(QAbstractItemView::SingleSelection);
    tblLines->horizontalHeader()->setSectionsClickable(true);

    lblWarning = new QLabel(this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setWordWrap(true);
    lblWarning->setStyleSheet(QStringLiteral("color: #a03000"));

    auto* buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("The first lines of ") + FromPath(m_file) +
                       QStringLiteral(". Click the column that holds the channel's data."),
                   this));
    layout->addLayout(controls);
    layout->addWidget(tblLines, 1);
    layout->addWidget(lblWarning);
    layout->addWidget(buttons);
    resize(760, 520);

    connect(tblLines, &QTableWidget::cellClicked, this,
            [this](int, int col) { SelectColumn(col + 1); });
    connect(tblLines->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int col) { SelectColumn(col + 1); });
    connect(cboSeparator, &QComboBox::currentIndexChanged, this, [this] { Refill(); });
    connect(edtHeader, &QSpinBox::valueChanged, this, [this] { Refill(); });
    m_column = column >= 1 && column <= m_guess.columnCount ? column : FirstNumberColumn();
    Refill();
}

int TfrmImportPreview::FirstNumberColumn() const {
    double v = 0;
    for (int k = 1; k <= m_guess.columnCount; ++k)
        for (size_t i = static_cast<size_t>(m_guess.headerLines); i < m_lines.size(); ++i)
            if (ParseColumnValue(m_lines[i], k, m_guess.separator, v) == kParsedNumber) return k;
    return 1;
}

char TfrmImportPreview::ChosenSeparator() const {
    return cboSeparator->currentData().toChar().toLatin1();
}

std::vector<std::string> TfrmImportPreview::ColumnNames() const {
    const int header = edtHeader->value();
    if (header <= 0 || static_cast<size_t>(header) > m_lines.size()) return {};
    return SplitFields(m_lines[static_cast<size_t>(header - 1)], ChosenSeparator());
}

void TfrmImportPreview::Refill() {
    const char sep = ChosenSeparator();
    const int header = edtHeader->value();
    std::vector<std::vector<std::string>> rows;
    size_t columns = 1;
    for (const std::string& line : m_lines) {
        rows.push_back(SplitFields(line, sep));
        columns = std::max(columns, rows.back().size());
    }
    tblLines->clear();
    tblLines->setRowCount(static_cast<int>(rows.size()));
    tblLines->setColumnCount(static_cast<int>(columns));
    const std::vector<std::string> names = ColumnNames();
    QStringList titles;
    for (size_t k = 0; k < columns; ++k)
        titles << QString::number(k + 1) + (k < names.size() && !names[k].empty()
                                                ? QStringLiteral(" ") + ToQ(names[k])
                                                : QString());
    tblLines->setHorizontalHeaderLabels(titles);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t k = 0; k < rows[r].size(); ++k) {
            auto* item = new QTableWidgetItem(ToQ(rows[r][k]));
            if (static_cast<int>(r) < header) item->setBackground(kHeaderRowColour);
            tblLines->setItem(static_cast<int>(r), static_cast<int>(k), item);
        }
    SelectColumn(std::clamp(m_column, 1, static_cast<int>(columns)));
}

void TfrmImportPreview::SelectColumn(int column) {
    m_column = column;
    tblLines->selectColumn(column - 1);
    const std::string caption = Choice().caption;
    lblColumn->setText(QStringLiteral("Column ") + QString::number(column) +
                       (caption.empty() ? QString() : QStringLiteral(": ") + ToQ(caption)));
    CheckChosenColumn();
}

void TfrmImportPreview::CheckChosenColumn() {
    std::optional<ColumnCheck> check;
    try {
        check = CheckColumn(m_file, edtHeader->value(), m_column, ChosenSeparator(), kCheckedLines);
    } catch (const IoError&) {
        check.reset();
    }
    QString text;
    if (check && check->noNumber > 0)
        text = QStringLiteral(
                   "Column %1 is empty or holds text in %2 of the first %3 data lines "
                   "(the first is line %4). Choose \"Keep the time step\" under "
                   "\"Missing values\" to keep the time axis.")
                   .arg(m_column)
                   .arg(check->noNumber)
                   .arg(check->linesRead)
                   .arg(check->firstLine);
    if (check && check->tooFew > 0)
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) +
                QStringLiteral("%1 lines have no column %2.").arg(check->tooFew).arg(m_column);
    lblWarning->setText(text);
}

ImportChoice TfrmImportPreview::Choice() const {
    ImportChoice c;
    c.headerLines = edtHeader->value();
    c.column = m_column;
    c.separator = ChosenSeparator();
    const std::vector<std::string> names = ColumnNames();
    if (static_cast<size_t>(m_column) <= names.size())
        c.caption = names[static_cast<size_t>(m_column - 1)].substr(0, kCaptionLength);
    return c;
}

std::optional<ImportChoice> ShowImportPreview(const std::filesystem::path& file, int column,
                                              UiPort& ui, QWidget* parent) {
    std::optional<std::vector<std::string>> lines;
    try {
        lines = ReadFirstLines(file, kSniffLines);
    } catch (const IoError&) {
        lines.reset();
    }
    if (!lines) {
        ui.Message(kCantOpenPrefix + file.string());
        return std::nullopt;
    }
    TfrmImportPreview dialog(file, std::move(*lines), column, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

}  // namespace corv
