#pragma once
// Guessing how a text data file is laid out, for the import preview and `corvandell-cli
// sniff`: the column separator (TAB, ";", "," or blanks), whether numbers use a decimal comma,
// how many lines at the top are not data, and the column names of the last such line. The
// guess goes by the fields that read as numbers: the separator that yields the most of them
// in lines without words wins, and the data start at the first line without words that has
// as many fields as most lines holding numbers.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corv {

struct TextLayout {
    char separator = '\t';  // '\t', ';', ',' or ' ' (runs of blanks)
    bool decimalComma = false;
    int32_t headerLines = 0;
    int32_t columnCount = 1;               // fields of a data line
    std::vector<std::string> columnNames;  // empty when no header line names the columns
};

// How many lines the preview shows and the guess reads.
inline constexpr size_t kPreviewLines = 50;
inline constexpr size_t kSniffLines = 1000;

// The layout of the given lines (the top of a file).
[[nodiscard]] TextLayout SniffLines(const std::vector<std::string>& lines);

// Up to `count` lines from the top of a file, split as the loader splits them; nullopt when
// the file cannot be read.
[[nodiscard]] std::optional<std::vector<std::string>> ReadFirstLines(
    const std::filesystem::path& file, size_t count);

// The fields of a line under a separator, blanks around them and enclosing double quotes
// removed; a separator inside quotes does not split. A line ending in the separator ends
// with an empty field.
[[nodiscard]] std::vector<std::string> SplitFields(std::string_view line, char separator);

// The lines of a column that give no number though the column is there (empty or text).
struct ColumnCheck {
    int64_t linesRead = 0;  // data lines looked at
    int64_t noNumber = 0;   // lines whose field is empty or not a number
    int64_t firstLine = 0;  // line number (from 1, header lines included) of the first
    int64_t tooFew = 0;     // lines without the column
};

// Checks column `column` of the data lines after `headerLines`, at most `maxLines` of them.
[[nodiscard]] std::optional<ColumnCheck> CheckColumn(const std::filesystem::path& file,
                                                     int32_t headerLines, int32_t column,
                                                     char separator, int64_t maxLines);

}  // namespace corv
