#include "help/RtfReader.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <string_view>
#include <vector>

#include "help/Windows1252.h"

namespace corv {

namespace {

constexpr int kMaxDepth = 100;                 // deeper groups share the state of the last one
constexpr int kMaxWordLength = 32;             // longer control words are cut, not rejected
constexpr long long kParamLimit = 1000000000;  // parameters are clamped to +-this
constexpr int kMaxColours = 1024;
constexpr double kTwipsPerPixel = 15.0;  // 1440 twips per inch at 96 pixels per inch

// Groups whose content is never shown.
// clang-format off
constexpr std::string_view kSkippedDestinations[] = {
    "fonttbl", "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer",
    "footerl", "footerr", "footerf", "footnote", "annotation", "object", "fldinst", "filetbl",
    "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl", "themedata",
    "colorschememapping", "latentstyles", "datastore", "pgdsctbl", "pn", "nonshppict", "shppict",
    "shp", "shpinst", "sp", "private", "template", "userprops", "docvar", "ftnsep", "ftnsepc",
    "aftnsep", "aftnsepc", "bkmkstart", "bkmkend", "atnid", "atnauthor", "xe", "tc"};
// clang-format on

constexpr std::string_view kUnderlineOn[] = {"ul",   "uld",  "uldash", "uldashd", "uldashdd",
                                             "uldb", "ulth", "ulw",    "ulwave"};

// Control words that stand for one character.
struct NamedCharacter {
    std::string_view name;
    char16_t ch;
};
// clang-format off
constexpr NamedCharacter kNamedCharacters[] = {
    {"tab", u'\t'}, {"cell", u'\t'}, {"nestcell", u'\t'}, {"line", u'\u2028'},
    {"emdash", u'\u2014'}, {"endash", u'\u2013'}, {"bullet", u'\u2022'}, {"lquote", u'\u2018'},
    {"rquote", u'\u2019'}, {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
    {"emspace", u'\u2003'}, {"enspace", u'\u2002'}, {"qmspace", u'\u2005'}};
// clang-format on

template <size_t N>
bool Contains(const std::string_view (&table)[N], std::string_view word) {
    return std::find(std::begin(table), std::end(table), word) != std::end(table);
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

enum class Dest { Text, Skip, ColourTable };

struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 0;  // 0: the document's default size
    int colour = 0;      // index into the colour table; 0 is the default colour
    bool operator==(const CharProps&) const = default;
};

struct GroupState {
    CharProps chars;
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0;   // twips
    int firstIndent = 0;  // twips
    int unicodeSkip = 1;  // fallback characters after \uN
    Dest dest = Dest::Text;
};

struct ControlWord {
    std::string_view name;
    bool hasParam = false;
    int param = 0;
};

// One pass over the data; the state stack follows the groups.
class RtfParser {
  public:
    RtfParser(const QByteArray& data, QTextDocument& doc) : m_data(data), m_cursor(&doc) {}

    bool Run(QString* error);

  private:
    GroupState& State() { return m_stack.back(); }
    bool AtEnd() const { return m_pos >= m_data.size(); }
    char Peek(qsizetype offset = 0) const {
        return m_pos + offset < m_data.size() ? m_data[m_pos + offset] : '\0';
    }

    void Damaged(const QString& reason) {
        if (m_problem.isEmpty()) m_problem = reason;
    }

    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    ControlWord ReadWord();
    void ReadHexByte();
    void ReadRawByte(unsigned char byte);
    void ControlSymbol(char symbol);
    void Apply(const ControlWord& w);
    bool ApplyCharacterWord(const ControlWord& w);
    bool ApplyParagraphWord(const ControlWord& w);
    bool EmitNamedCharacter(std::string_view name);
    void UnicodeCharacter(int value);
    bool ConsumeFallback();

    void Emit(QChar c);
    void ColourComponent(const ControlWord& w);
    void ColourTableCharacter(QChar c);
    void Append(QChar c);
    void Flush();
    void EndParagraph();
    void ApplyBlockFormat();
    QTextCharFormat FormatFor(const CharProps& props) const;

    const QByteArray& m_data;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0;
    int m_fallbackLeft = 0;
    bool m_finished = false;
    QString m_problem;

    QString m_buffer;
    CharProps m_bufferProps;
    char16_t m_highSurrogate = 0;

    std::vector<QColor> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;
};

bool RtfParser::Run(QString* error) {
    while (!AtEnd() && !m_finished) {
        const char c = m_data[m_pos];
        if (c == '{') {
            ++m_pos;
            OpenGroup();
        } else if (c == '}') {
            ++m_pos;
            CloseGroup();
        } else if (c == '\\') {
            ReadControl();
        } else {
            ++m_pos;
            ReadRawByte(static_cast<unsigned char>(c));
        }
    }
    if (!m_finished) Damaged(QStringLiteral("The document is cut off."));
    if (!m_stack.empty()) {
        Flush();
        ApplyBlockFormat();
    }
    if (!m_problem.isEmpty() && error != nullptr) *error = m_problem;
    return m_problem.isEmpty();
}

void RtfParser::OpenGroup() {
    m_fallbackLeft = 0;
    if (m_stack.empty()) {
        m_stack.emplace_back();
    } else if (static_cast<int>(m_stack.size()) < kMaxDepth) {
        m_stack.push_back(m_stack.back());
    } else {
        ++m_overflowDepth;
        Damaged(QStringLiteral("Groups are nested too deeply."));
    }
}

void RtfParser::CloseGroup() {
    m_fallbackLeft = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.empty()) return;  // cannot happen: the outermost group ends the document
    if (m_stack.size() == 1) {
        m_finished = true;  // whatever follows the document's group is not part of it
        return;
    }
    m_stack.pop_back();
}

void RtfParser::ReadRawByte(unsigned char byte) {
    if (m_stack.empty()) return;
    if (byte == '\r' || byte == '\n') return;  // line ends in RTF text are not content
    if (ConsumeFallback()) return;
    if (byte == '\t') {
        Emit(QChar(u'\t'));
    } else if (byte >= 0x20) {
        Emit(Windows1252ToChar(byte));
    }
}

void RtfParser::ReadControl() {
    ++m_pos;  // the backslash
    if (AtEnd()) return;
    const char c = Peek();
    if (IsAsciiLetter(c)) {
        const ControlWord w = ReadWord();
        if (w.name == "bin") {
            // Binary data follow; they are never text, not even inside a fallback.
            const qsizetype length = w.param > 0 ? w.param : 0;
            m_pos += std::min(length, m_data.size() - m_pos);
        }
        if (m_stack.empty() || ConsumeFallback()) return;
        Apply(w);
    } else if (c == '\'') {
        ++m_pos;
        ReadHexByte();
    } else {
        ++m_pos;
        if (m_stack.empty() || ConsumeFallback()) return;
        ControlSymbol(c);
    }
}

ControlWord RtfParser::ReadWord() {
    ControlWord w;
    const qsizetype start = m_pos;
    while (!AtEnd() && IsAsciiLetter(Peek())) ++m_pos;
    const qsizetype length = std::min<qsizetype>(m_pos - start, kMaxWordLength);
    w.name = std::string_view(m_data.constData() + start, static_cast<size_t>(length));

    bool negative = false;
    if (Peek() == '-' && IsDigit(Peek(1))) {
        negative = true;
        ++m_pos;
    }
    long long value = 0;
    while (!AtEnd() && IsDigit(Peek())) {
        w.hasParam = true;
        if (value <= kParamLimit) value = value * 10 + (Peek() - '0');
        ++m_pos;
    }
    value = std::min(value, kParamLimit);
    w.param = static_cast<int>(negative ? -value : value);
    if (Peek() == ' ') ++m_pos;  // the delimiter belongs to the control word
    return w;
}

void RtfParser::ReadHexByte() {
    int value = 0;
    int digits = 0;
    while (digits < 2 && !AtEnd() && HexValue(Peek()) >= 0) {
        value = value * 16 + HexValue(Peek());
        ++digits;
        ++m_pos;
    }
    if (m_stack.empty() || ConsumeFallback()) return;
    if (digits == 2) Emit(Windows1252ToChar(static_cast<unsigned char>(value)));
}

void RtfParser::ControlSymbol(char symbol) {
    switch (symbol) {
        case '\\':
        case '{':
        case '}':
            Emit(QChar(static_cast<char16_t>(symbol)));
            break;
        case '~':
            Emit(QChar(u'\u00A0'));
            break;
        case '_':
            Emit(QChar(u'\u2011'));
            break;
        case '*':
            State().dest = Dest::Skip;
            break;
        case '\r':
        case '\n':
            EndParagraph();
            break;
        default:
            break;  // optional hyphens, index marks and unknown symbols show nothing
    }
}

// True when the character just read is part of the fallback text after \uN and is dropped.
bool RtfParser::ConsumeFallback() {
    if (m_fallbackLeft <= 0) return false;
    --m_fallbackLeft;
    return true;
}

void RtfParser::Apply(const ControlWord& w) {
    if (Contains(kSkippedDestinations, w.name)) {
        State().dest = Dest::Skip;
        return;
    }
    if (w.name == "colortbl") {
        if (State().dest == Dest::Text) State().dest = Dest::ColourTable;
        return;
    }
    if (State().dest == Dest::Skip) return;
    if (State().dest == Dest::ColourTable) {
        ColourComponent(w);
        return;
    }
    if (w.name == "u") {
        UnicodeCharacter(w.param);
        return;
    }
    if (w.name == "uc") {
        State().unicodeSkip = std::clamp(w.param, 0, 255);
        return;
    }
    if (ApplyCharacterWord(w) || ApplyParagraphWord(w)) return;
    EmitNamedCharacter(w.name);
}

bool RtfParser::ApplyCharacterWord(const ControlWord& w) {
    CharProps& p = State().chars;
    const bool on = !w.hasParam || w.param != 0;
    if (w.name == "b") {
        p.bold = on;
    } else if (w.name == "i") {
        p.italic = on;
    } else if (Contains(kUnderlineOn, w.name)) {
        p.underline = on;
    } else if (w.name == "ulnone") {
        p.underline = false;
    } else if (w.name == "strike") {
        p.strike = on;
    } else if (w.name == "plain") {
        p = CharProps{};
    } else if (w.name == "fs") {
        p.halfPoints = w.param > 0 ? std::clamp(w.param, 2, 3276) : 0;
    } else if (w.name == "cf") {
        p.colour = std::max(w.param, 0);
    } else {
        return false;
    }
    return true;
}

bool RtfParser::ApplyParagraphWord(const ControlWord& w) {
    GroupState& s = State();
    if (w.name == "pard") {
        s.align = Qt::AlignLeft;
        s.leftIndent = 0;
        s.firstIndent = 0;
    } else if (w.name == "ql") {
        s.align = Qt::AlignLeft;
    } else if (w.name == "qc") {
        s.align = Qt::AlignHCenter;
    } else if (w.name == "qr") {
        s.align = Qt::AlignRight;
    } else if (w.name == "qj") {
        s.align = Qt::AlignJustify;
    } else if (w.name == "li") {
        s.leftIndent = std::clamp(w.param, 0, 100000);
    } else if (w.name == "fi") {
        s.firstIndent = std::clamp(w.param, -100000, 100000);
    } else if (w.name == "par" || w.name == "sect" || w.name == "page" || w.name == "row" ||
               w.name == "nestrow") {
        EndParagraph();
    } else {
        return false;
    }
    return true;
}

bool RtfParser::EmitNamedCharacter(std::string_view name) {
    for (const NamedCharacter& s : kNamedCharacters) {
        if (s.name == name) {
            Emit(QChar(s.ch));
            return true;
        }
    }
    return false;
}

void RtfParser::UnicodeCharacter(int value) {
    if (value < 0) value += 65536;  // \u takes a signed 16-bit number
    if (value < 0 || value > 0xFFFF) {
        Emit(QChar(QChar::ReplacementCharacter));
    } else if (value >= 0x20 || value == '\t') {
        Emit(QChar(static_cast<char16_t>(value)));
    }
    m_fallbackLeft = State().unicodeSkip;
}

void RtfParser::Emit(QChar c) {
    switch (State().dest) {
        case Dest::Text:
            Append(c);
            break;
        case Dest::ColourTable:
            ColourTableCharacter(c);
            break;
        case Dest::Skip:
            break;
    }
}

void RtfParser::ColourComponent(const ControlWord& w) {
    const int value = std::clamp(w.param, 0, 255);
    if (w.name == "red") {
        m_red = value;
    } else if (w.name == "green") {
        m_green = value;
    } else if (w.name == "blue") {
        m_blue = value;
    } else {
        return;
    }
    m_colourGiven = true;
}

void RtfParser::ColourTableCharacter(QChar c) {
    if (c != u';') return;
    if (static_cast<int>(m_colours.size()) < kMaxColours) {
        m_colours.push_back(m_colourGiven ? QColor(m_red, m_green, m_blue) : QColor());
    }
    m_red = m_green = m_blue = 0;
    m_colourGiven = false;
}

// Collects text of one format; surrogate halves that do not pair up become U+FFFD.
void RtfParser::Append(QChar c) {
    if (State().chars != m_bufferProps) {
        Flush();
        m_bufferProps = State().chars;
    }
    if (m_highSurrogate != 0 && !c.isLowSurrogate()) {
        m_buffer.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
    if (c.isHighSurrogate()) {
        m_highSurrogate = c.unicode();
    } else if (c.isLowSurrogate()) {
        if (m_highSurrogate == 0) {
            m_buffer.append(QChar(QChar::ReplacementCharacter));
        } else {
            m_buffer.append(QChar(m_highSurrogate));
            m_buffer.append(c);
            m_highSurrogate = 0;
        }
    } else {
        m_buffer.append(c);
    }
}

void RtfParser::Flush() {
    if (m_highSurrogate != 0) {
        m_buffer.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
    if (m_buffer.isEmpty()) return;
    m_cursor.insertText(m_buffer, FormatFor(m_bufferProps));
    m_buffer.clear();
}

void RtfParser::EndParagraph() {
    if (State().dest != Dest::Text) return;
    Flush();
    ApplyBlockFormat();
    m_cursor.insertBlock();
}

// A paragraph takes the paragraph properties in force where it ends.
void RtfParser::ApplyBlockFormat() {
    if (m_stack.empty()) return;
    const GroupState& s = State();
    QTextBlockFormat f = m_cursor.blockFormat();
    f.setAlignment(s.align);
    f.setLeftMargin(s.leftIndent / kTwipsPerPixel);
    f.setTextIndent(s.firstIndent / kTwipsPerPixel);
    m_cursor.setBlockFormat(f);
}

QTextCharFormat RtfParser::FormatFor(const CharProps& props) const {
    QTextCharFormat f;
    f.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(props.italic);
    f.setFontUnderline(props.underline);
    f.setFontStrikeOut(props.strike);
    if (props.halfPoints > 0) f.setFontPointSize(props.halfPoints / 2.0);
    if (props.colour > 0 && props.colour < static_cast<int>(m_colours.size()) &&
        m_colours[static_cast<size_t>(props.colour)].isValid()) {
        f.setForeground(m_colours[static_cast<size_t>(props.colour)]);
    }
    return f;
}

}  // namespace

bool LooksLikeRtf(const QByteArray& data) {
    qsizetype i = 0;
    while (i < data.size() &&
           (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n')) {
        ++i;
    }
    return data.mid(i, 5) == "{\\rtf";
}

bool ReadRtf(const QByteArray& rtf, QTextDocument& doc, QString* error) {
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    bool ok = false;
    if (!LooksLikeRtf(rtf)) {
        if (error != nullptr) *error = QStringLiteral("The data are not an RTF document.");
    } else {
        RtfParser parser(rtf, doc);
        ok = parser.Run(error);
    }
    doc.setUndoRedoEnabled(undo);
    return ok;
}

}  // namespace corv
