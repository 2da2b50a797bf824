#pragma once
// "Preview…" of a channel page: the first lines of a text data file as a table, with the
// separator, decimal mark and header lines the engine guessed. The user picks the data
// column by clicking it; the dialog warns when that column has empty fields or text, and
// hands back what the channel page needs.

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/TextSniffer.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace corv {

class UiPort;

// The settings the preview fills into the channel page.
struct ImportChoice {
    int32_t headerLines = 0;
    int32_t column = 1;  // counted from 1
    char separator = '\t';
    std::string caption;  // the column's name; empty when the file names none
};

class TfrmImportPreview : public QDialog {
    Q_OBJECT
  public:
    // column: the column chosen so far (from 1); one the lines do not have gives way to the
    // first column that holds numbers.
    TfrmImportPreview(std::filesystem::path file, std::vector<std::string> lines, int column = 0,
                      QWidget* parent = nullptr);

    // Makes column (from 1) the chosen one, as a click on it does.
    void SelectColumn(int column);
    ImportChoice Choice() const;

    QTableWidget* tblLines;
    QComboBox* cboSeparator;
    QSpinBox* edtHeader;
    QLabel* lblDecimal;
    QLabel* lblColumn;
    QLabel* lblWarning;
    QPushButton* btnOK;
    QPushButton* btnCancel;

  private:
    char ChosenSeparator() const;
    // The first column that holds a number in a data line.
    int FirstNumberColumn() const;
    // The table again after a change of separator or header lines.
    void Refill();
    // The column names of the last header line, as far as there is one.
    std::vector<std::string> ColumnNames() const;
    // The warning about empty fields and text in the chosen column.
    void CheckChosenColumn();

    std::filesystem::path m_file;
    std::vector<std::string> m_lines;
    TextLayout m_guess;
    int m_column = 1;
};

// Opens the preview of `file` on `column`; nullopt when the user cancels or the file cannot
// be read (after "   Can't open : " and the name).
std::optional<ImportChoice> ShowImportPreview(const std::filesystem::path& file, int column,
                                              UiPort& ui, QWidget* parent);

}  // namespace corv
