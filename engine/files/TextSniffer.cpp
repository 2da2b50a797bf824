#include "files/TextSniffer.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/Convert.h"
#include "files/ReadOnlyFile.h"
#include "files/TextImport.h"
#include "files/TextLineReader.h"

namespace corv {

namespace {

// On a tie the earlier one wins: a comma is the last guess, as it may be a decimal comma.
constexpr std::array<char, 4> kSeparators = {'\t', ';', ' ', ','};

enum class FieldKind { Empty, Number, CommaNumber, DateLike, Text };

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Dates and times: digits with separators such as "05/01/2002" or "11:32:00".
bool IsDateLike(std::string_view f) {
    bool digit = false;
    for (char ch : f) {
        if (IsDigit(ch))
            digit = true;
        else if (ch != '/' && ch != ':' && ch != '.' && ch != '-' && ch != ' ')
            return false;
    }
    return digit;
}

FieldKind KindOf(const std::string& f, char separator) {
    if (f.empty()) return FieldKind::Empty;
    if (f.find(',') == std::string::npos) {
        if (TryStrToFloat(f, false)) return FieldKind::Number;
    } else if (separator != ',' && std::count(f.begin(), f.end(), ',') == 1 &&
               TryStrToFloat(f, false)) {
        return FieldKind::CommaNumber;
    }
    return IsDateLike(f) ? FieldKind::DateLike : FieldKind::Text;
}

bool IsNumber(FieldKind k) {
    return k == FieldKind::Number || k == FieldKind::CommaNumber;
}

// One line under one separator.
struct LineShape {
    size_t fields = 0;
    int numbers = 0;
    bool text = false;  // some field holds letters or the like
    bool commaNumber = false;
    bool empty = true;  // no field holds anything
};

LineShape ShapeOf(std::string_view line, char separator) {
    LineShape s;
    const std::vector<std::string> fields = SplitFields(line, separator);
    s.fields = fields.size();
    for (const std::string& f : fields) {
        const FieldKind k = KindOf(f, separator);
        s.numbers += IsNumber(k) ? 1 : 0;
        s.text = s.text || k == FieldKind::Text;
        s.commaNumber = s.commaNumber || k == FieldKind::CommaNumber;
        s.empty = s.empty && k == FieldKind::Empty;
    }
    return s;
}

bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) <= ' '; });
}

// The field count of most lines that hold a number.
size_t DataFieldCount(const std::vector<LineShape>& shapes) {
    std::map<size_t, int> votes;
    for (const LineShape& s : shapes)
        if (s.numbers > 0) ++votes[s.fields];
    size_t best = 1;
    int most = 0;
    for (const auto& [fields, n] : votes)
        if (n > most) {
            best = fields;
            most = n;
        }
    return best;
}

std::string Unquote(std::string_view f) {
    if (f.size() >= 2 && f.front() == '"' && f.back() == '"') f = f.substr(1, f.size() - 2);
    return std::string(f);
}

std::string_view TrimmedLine(std::string_view line) {
    while (!line.empty() && static_cast<unsigned char>(line.front()) <= ' ') line.remove_prefix(1);
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
    return line;
}

}  // namespace

std::vector<std::string> SplitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    line = separator == '\t' ? line : TrimmedLine(line);
    // A TAB-separated line keeps its empty fields; only its line-end characters go.
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (TrimmedLine(line).empty()) return fields;
    std::string field;
    bool quoted = false;
    const auto finish = [&] {
        fields.push_back(Unquote(TrimmedLine(field)));
        field.clear();
    };
    for (size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == '"') quoted = !quoted;
        const bool splits = separator == ' ' ? (ch == ' ' || ch == '\t') : ch == separator;
        if (!splits || quoted) {
            field.push_back(ch);
            continue;
        }
        finish();
        if (separator == ' ')  // a run of blanks counts once
            while (i + 1 < line.size() && (line[i + 1] == ' ' || line[i + 1] == '\t')) ++i;
    }
    finish();
    return fields;
}

TextLayout SniffLines(const std::vector<std::string>& lines) {
    TextLayout best;
    int bestNumbers = -1;
    std::vector<LineShape> bestShapes;
    for (char separator : kSeparators) {
        std::vector<LineShape> shapes;
        int numbers = 0;
        for (const std::string& line : lines) {
            shapes.push_back(ShapeOf(line, separator));
            // Only lines without words count: free text holds numbers too.
            if (!shapes.back().text) numbers += shapes.back().numbers;
        }
        if (numbers > bestNumbers) {  // on a tie the earlier separator stays
            bestNumbers = numbers;
            best.separator = separator;
            bestShapes = std::move(shapes);
        }
    }
    best.columnCount = static_cast<int32_t>(DataFieldCount(bestShapes));
    // The data start at the first line of the data's shape that holds no words.
    size_t first = 0;
    while (first < lines.size()) {
        const LineShape& s = bestShapes[first];
        if (!IsBlankLine(lines[first]) && !s.text && !s.empty &&
            s.fields == static_cast<size_t>(best.columnCount))
            break;
        ++first;
    }
    if (first == lines.size()) first = 0;  // no data at all: nothing is a header
    best.headerLines = static_cast<int32_t>(first);
    for (size_t i = first; i < lines.size(); ++i)
        best.decimalComma = best.decimalComma || bestShapes[i].commaNumber;
    // Column names come from the last header line that has a field for every column.
    for (size_t i = first; i-- > 0;) {
        if (IsBlankLine(lines[i])) continue;
        std::vector<std::string> names = SplitFields(lines[i], best.separator);
        if (names.size() == static_cast<size_t>(best.columnCount)) best.columnNames = names;
        break;
    }
    return best;
}

std::optional<std::vector<std::string>> ReadFirstLines(const std::filesystem::path& file,
                                                       size_t count) {
    ReadOnlyFile f;
    if (!f.Open(file)) return std::nullopt;
    std::vector<std::string> lines;
    if (count == 0) return lines;
    TextLineReader reader(f);
    reader.ForEachLine([&](std::string_view line) {
        lines.emplace_back(line);
        return lines.size() < count;
    });
    return lines;
}

std::optional<ColumnCheck> CheckColumn(const std::filesystem::path& file, int32_t headerLines,
                                       int32_t column, char separator, int64_t maxLines) {
    ReadOnlyFile f;
    if (!f.Open(file)) return std::nullopt;
    TextLineReader reader(f);
    reader.Skip(headerLines);
    ColumnCheck check;
    int64_t lineNo = std::max(headerLines, 0);
    reader.ForEachLine([&](std::string_view line) {
        ++lineNo;
        double v = 0;
        const uint8_t result =
            line.empty() ? uint8_t{kNoColumn} : ParseColumnField(line, column, separator, v);
        if (result == kNoValue) {
            if (check.noNumber++ == 0) check.firstLine = lineNo;
        } else if (result == kTooFewColumns) {
            ++check.tooFew;
        }
        return ++check.linesRead < maxLines;
    });
    return check;
}

}  // namespace corv
