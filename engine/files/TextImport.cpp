#include "files/TextImport.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <string>

#include "AppState.h"
#include "core/Checked.h"
#include "core/ProgressScope.h"
#include "core/UiPort.h"
#include "files/ByteSearch.h"
#include "files/EmptyChannel.h"
#include "files/FastDecimal.h"
#include "files/ForceInline.h"
#include "files/HeaderMarker.h"
#include "files/LineOutcomes.h"
#include "files/ReadOnlyFile.h"
#include "files/TextLineReader.h"

namespace corv {

namespace {

constexpr size_t kMaxField = 255;
// Progress is reported every 4096 lines (the mask of the line count).
constexpr int64_t kProgressLines = 4095;
// How much of a line without a number the message quotes.
constexpr size_t kMissTextLength = 60;
// The most line outcomes the scaling pass keeps (8 bytes each): a quarter more than the
// samples a channel holds.
constexpr int64_t kMaxKeptLines = ChannelStore::kCapacity + ChannelStore::kCapacity / 4;
constexpr const char* kWrongColumnQuestion = " Propably wrong column, header,.. . Continue anyway?";

CORV_FORCE_INLINE bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Separator-character mode: columns are counted by the delimiter alone; p ends at the
// start of the wanted field, or the line has too few columns (k counts those found). A line
// ending in the separator ends with an empty field.
template <bool kPadded>
CORV_FORCE_INLINE uint8_t FindSeparatedField(const char*& p, const char* e, int32_t column,
                                             char delimiter, int32_t& k) {
    for (k = 1; k < column;) {
        const char* q = FindByte<kPadded>(p, e, delimiter);
        if (q == e) {
            p = e;
            return kTooFewColumns;
        }
        ++k;
        p = q + 1;
    }
    if (p == e) return kNoValue;                        // empty last field
    if (p + 1 < e && *p == delimiter) return kNoValue;  // two delimiters in a row
    while (p < e && *p == ' ') ++p;
    return kParsedNumber;
}

// A TAB separator at the end of a line was trimmed with the blanks; the fields it ended are
// there, only empty.
uint8_t TrimmedEmptyField(const char* e, const char* end, int32_t missing, char delimiter) {
    for (; e < end && missing > 0; ++e)
        if (*e == delimiter) --missing;
    return missing == 0 ? kNoValue : kTooFewColumns;
}

// Blank-separated mode: a TAB (with the blanks after it) or a run of blanks separates.
CORV_FORCE_INLINE void FindBlankSeparatedField(const char*& p, const char* e, int32_t column) {
    if (column <= 1) return;
    int32_t k = 1;
    do {
        const char ch = *p;
        if (ch == '\t') {
            ++k;
            ++p;
            while (p < e && *p == ' ') ++p;
        } else {
            if (ch == ' ' && p + 1 < e && p[1] != ' ') ++k;
            ++p;
        }
    } while (k != column && p < e);
}

// Whether a character can occur inside a number; such a delimiter cannot end one early.
CORV_FORCE_INLINE bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '+' || c == '-' || c == 'e' ||
           c == 'E';
}

// The field runs from p to the next delimiter, TAB or the end of the line.
template <bool kPadded>
CORV_FORCE_INLINE uint8_t ConvertField(const char* p, const char* e, char delimiter,
                                       double& value) {
    double v;
    if (!IsNumberCharacter(delimiter)) {
        // A number read straight up to the end of the field is the whole field.
        const char* q = fastdecimal::ScanFast<kPadded>(p, e, v);
        if (q != nullptr && (q == e || *q == '\t' || *q == delimiter) &&
            static_cast<size_t>(q - p) <= kMaxField) {
            value = v;
            return kParsedNumber;
        }
    }
    const char* f = p;
    while (f < e && *f != delimiter && *f != '\t') ++f;
    if (static_cast<size_t>(f - p) > kMaxField) return kNoValue;
    if (!ParseDecimalFast<kPadded>(p, f, v)) return kNoValue;
    value = v;
    return kParsedNumber;
}

template <bool kPadded>
CORV_FORCE_INLINE uint8_t ParseColumn(std::string_view line, int32_t column, char delimiter,
                                      double& value) {
    value = 0;
    const char* p = line.data();
    const char* const end = p + line.size();
    const char* e = end;
    while (p < e && IsBlankOrControl(*p)) ++p;
    while (e > p && IsBlankOrControl(e[-1])) --e;
    if (p == e) return kNoColumn;
    if (delimiter != ' ') {
        int32_t k = 1;
        const uint8_t found = FindSeparatedField<kPadded>(p, e, column, delimiter, k);
        if (found == kTooFewColumns && IsBlankOrControl(delimiter))
            return TrimmedEmptyField(e, end, column - k, delimiter);
        if (found != kParsedNumber) return found;
    } else {
        FindBlankSeparatedField(p, e, column);
        if (p >= e) return kNoColumn;
    }
    return ConvertField<kPadded>(p, e, delimiter, value);
}

// Clips to 0..65535 (NaN to 0) and rounds halves to even. Adding and removing 2^52 rounds
// in the FPU's default mode, nearest-even, exactly like RoundHalfEven, without a call.
CORV_FORCE_INLINE uint16_t ToRaw(double r) {
    if (!(r >= 0)) return 0;
    if (r > 65535) return 65535;
    if constexpr (FLT_EVAL_METHOD != 0) return static_cast<uint16_t>(RoundHalfEven(r));
    constexpr double kRoundShift = 4503599627370496.0;  // 2^52
    return static_cast<uint16_t>((r + kRoundShift) - kRoundShift);
}

// One load: the file, its lines, and the once-per-call question about missing columns.
// With automatic scaling the file is read once: the scaling pass keeps each line's number,
// and the storing step maps those onto raw words once the range is known.
class TextLoad {
  public:
    TextLoad(AppState& state, UiPort& ui, int c, ReadOnlyFile& file, ProgressScope& progress)
        : m_store(state.store),
          m_ui(ui),
          m_c(c),
          m_rec(state.store.Rec(c)),
          m_gaps(state.store.Gaps[static_cast<size_t>(c)]),
          m_lines(file),
          m_progress(progress),
          m_headerLines(std::max(m_rec.HeaderText, 0)) {}

    // The automatic-scaling pass; false when the user gave up.
    bool FindRange();
    // The storing pass; false when the user gave up. Sets the count of stored values and,
    // with "Keep the time step", the channel's gaps.
    bool StoreValues(int32_t& n);
    // The message about lines skipped for having no number in the column, if there were any.
    void ReportSkippedLines() const;
    // The first line (number counted from 1 in the file, and text) whose column held no
    // number; number 0 when every line had one.
    int64_t FirstMissLine() const { return m_missLine; }
    const std::string& FirstMissText() const { return m_missText; }

  private:
    CORV_FORCE_INLINE uint8_t Parse(std::string_view line, double& v) const {
        // The reader leaves readable padding behind every line.
        return ParseColumn<true>(line, m_rec.ColumnValue, m_rec.InDelimiter, v);
    }
    // Asked the first time a line lacks the column; later such lines are skipped silently.
    bool ContinueAfterMissingColumn() {
        if (m_asked) return true;
        m_asked = true;
        return m_ui.Ask(kWrongColumnQuestion, Buttons::YesNo, BoxKind::Warning) == Answer::Yes;
    }
    // Notes the first non-empty line (counted from 1 after the header) without a number.
    void NoteMiss(uint8_t result, std::string_view line, int64_t lineNo) {
        if (result != kParsedNumber && m_missLine == 0 && !line.empty()) {
            m_missLine = m_headerLines + lineNo;
            m_missText = std::string(line.substr(0, kMissTextLength));
        }
    }
    int32_t SampleLimit() const {
        return std::clamp(m_store.MaxSamples, 0, ChannelStore::kCapacity);
    }
    bool KeepTimeStep() const { return m_rec.MissingValues == kKeepTimeStep; }

    // Samples before the first number have no value before them: they get the first one.
    void FillLeadingGap(uint16_t raw);
    uint16_t RawOfZero() const;

    // Lines skipped for having no number in the column.
    struct SkippedLines {
        int64_t count = 0;
        int64_t firstLine = 0;  // counted from 1, header lines included
        void Note(int64_t line) {
            if (count++ == 0) firstLine = line;
        }
    };

    // Stores the outcome of one line after another; Add returns false after the last sample
    // that fits or when the user gave up.
    class Storer {
      public:
        Storer(TextLoad& load);
        bool Add(uint8_t result, double v);
        int32_t Count() const { return m_n; }
        bool GaveUp() const { return m_gaveUp; }
        // Fills a leading gap that never got a number.
        void Finish();

      private:
        TextLoad& m_load;
        double m_g, m_h, m_gain, m_offset;
        int32_t m_limit;
        bool m_keepTimeStep;
        uint16_t* m_block = nullptr;
        uint16_t m_last = 0;    // the raw word stored last, repeated over a gap
        int64_t m_ignored = 0;  // lines that gave no sample, for the line number of a skipped one
        bool m_leading = true;  // no number yet
        bool m_gaveUp = false;
        int32_t m_n = 0;
    };

    ChannelStore& m_store;
    UiPort& m_ui;
    int m_c;
    ChannelRecord& m_rec;
    ChannelGaps& m_gaps;
    TextLineReader m_lines;
    ProgressScope& m_progress;
    int64_t m_headerLines;
    LineOutcomes m_outcomes;
    bool m_replay = false;    // the storing step replays m_outcomes
    bool m_overflow = false;  // too many lines to keep
    bool m_asked = false;
    SkippedLines m_skipped;
    int64_t m_missLine = 0;
    std::string m_missText;
};

bool TextLoad::FindRange() {
    m_lines.Skip(m_rec.HeaderText);
    double low = 1e33;
    double high = -1e33;
    bool gaveUp = false;
    int64_t bytes = 0;
    int64_t lines = 0;
    // Lines are kept until they make as many samples as the storing step will take.
    const int32_t limit = SampleLimit();
    const bool keepTimeStep = KeepTimeStep();
    int32_t samples = 0;
    m_lines.ForEachLine([&](std::string_view line) CORV_INLINE_LAMBDA {
        bytes += static_cast<int64_t>(line.size()) + 1;
        if ((++lines & kProgressLines) == 0 && !m_progress.Report(bytes)) {
            gaveUp = true;
            return false;
        }
        bool keep = samples < limit && !m_overflow;
        if (keep && m_outcomes.Size() >= kMaxKeptLines) {
            // Mostly lines without a number: the storing step reads the file again rather
            // than keep them all.
            m_overflow = true;
            m_outcomes.Clear();
            keep = false;
        }
        if (line.empty()) {
            if (keep) m_outcomes.AddMissing(LineOutcomes::kEmptyLine);
            return true;
        }
        double v;
        const uint8_t result = Parse(line, v);
        if (result == kParsedNumber) {
            if (v < low) low = v;
            if (v > high) high = v;
            if (keep) {
                m_outcomes.AddNumber(v);
                ++samples;
            }
            return true;
        }
        if (keep) {
            m_outcomes.AddMissing(result);
            NoteMiss(result, line, lines);
            samples += result == kNoValue && keepTimeStep;
        }
        if (result == kTooFewColumns && !ContinueAfterMissingColumn()) gaveUp = true;
        return !gaveUp;
    });
    if (gaveUp) return false;
    if (low == 1e33 && high == -1e33) {  // no number at all
        low = -10;
        high = 10;
    }
    m_rec.LowRng = low;
    m_rec.HighRng = high;
    if (m_rec.HighRng <= m_rec.LowRng) {  // all values equal
        m_rec.HighRng = 100;
        m_rec.LowRng = -100;
    }
    ScaleFromRange(m_rec);
    if (!ScalingIsFinite(m_rec)) {
        m_ui.Message(NonFiniteScalingMessage(m_c));
        return false;
    }
    m_rec.KindEqu = 'M';
    m_replay = !m_overflow;
    if (m_overflow) m_lines.Rewind();
    return true;
}

TextLoad::Storer::Storer(TextLoad& load)
    : m_load(load),
      // Values are mapped onto the raw range first, then through the user's gain and offset.
      m_g(1 / load.m_rec.CoeffA),
      m_h(-load.m_rec.CoeffB * m_g),
      m_gain(load.m_rec.UsrCoeffA),
      m_offset(load.m_rec.UsrCoeffB),
      m_limit(load.SampleLimit()),
      m_keepTimeStep(load.KeepTimeStep()) {}

CORV_FORCE_INLINE bool TextLoad::Storer::Add(uint8_t result, double v) {
    if (result == kParsedNumber) {
        m_last = ToRaw((v * m_g + m_h) * m_gain + m_offset);
        if (m_leading) {
            m_leading = false;
            m_load.FillLeadingGap(m_last);
        }
    } else if (result == kNoValue && m_keepTimeStep) {
        m_load.m_gaps.Add(m_n);  // repeats the value before it
    } else {
        if (result == kNoValue) m_load.m_skipped.Note(m_load.m_headerLines + m_n + m_ignored + 1);
        ++m_ignored;
        m_gaveUp = result == kTooFewColumns && !m_load.ContinueAfterMissingColumn();
        return !m_gaveUp;
    }
    const int32_t slot = m_n & ChannelStore::kBlockMask;
    if (slot == 0) m_block = m_load.m_store.BankWord(m_load.m_c, m_n);
    if (m_block != nullptr) m_block[slot] = m_last;
    return ++m_n < m_limit;
}

void TextLoad::Storer::Finish() {
    if (m_leading) m_load.FillLeadingGap(m_load.RawOfZero());
}

bool TextLoad::StoreValues(int32_t& n) {
    n = 0;
    if (SampleLimit() == 0) return true;
    Storer storer(*this);
    if (m_replay) {
        m_outcomes.ForEach([&](uint8_t result, double v)
                               CORV_INLINE_LAMBDA { return storer.Add(result, v); });
        m_outcomes.Clear();
    } else {
        m_lines.Skip(m_rec.HeaderText);
        int64_t lineNo = 0;
        int64_t bytes = 0;
        m_lines.ForEachLine([&](std::string_view line) CORV_INLINE_LAMBDA {
            ++lineNo;
            bytes += static_cast<int64_t>(line.size()) + 1;
            if (((m_headerLines + lineNo) & kProgressLines) == 0 && !m_progress.Report(bytes))
                return false;
            double v = 0;
            const uint8_t result = line.empty() ? uint8_t{kNoColumn} : Parse(line, v);
            NoteMiss(result, line, lineNo);
            return storer.Add(result, v);
        });
    }
    storer.Finish();
    n = storer.Count();
    return !storer.GaveUp() && !m_progress.Cancelled();
}

void TextLoad::FillLeadingGap(uint16_t raw) {
    if (m_gaps.Empty() || m_gaps.Ranges().front().first != 0) return;
    for (int32_t p = 0; p <= m_gaps.Ranges().front().last; ++p)
        if (uint16_t* w = m_store.BankWord(m_c, p)) *w = raw;
}

uint16_t TextLoad::RawOfZero() const {
    bool inRange = true;
    return m_store.ValueToRaw(m_c, inRange, 0.0);
}

void TextLoad::ReportSkippedLines() const {
    if (m_skipped.count == 0) return;
    const std::string& name = m_rec.Caption;
    const size_t first = name.find_first_not_of(' ');
    const std::string caption = first == std::string::npos
                                    ? ""
                                    : name.substr(first, name.find_last_not_of(' ') - first + 1);
    m_ui.Message(" Channel " + std::to_string(m_c + 1) +
                 (caption.empty() ? "" : " (" + caption + ")") + ": " +
                 std::to_string(m_skipped.count) + (m_skipped.count == 1 ? " line" : " lines") +
                 " without a number in column " + std::to_string(m_rec.ColumnValue) +
                 " skipped, the first in line " + std::to_string(m_skipped.firstLine) +
                 ". Every later sample moved earlier in time. To keep the time axis, choose "
                 "\"Keep the time step\" under \"Missing values\" on the channel's page. ");
}

}  // namespace

std::string NoSampleText(int c, const ChannelRecord& rec, int64_t missLine,
                         const std::string& missText) {
    std::string text = "Channel " + std::to_string(c + 1) + " (" + rec.Caption +
                       "): no number in column " + std::to_string(rec.ColumnValue) + " of " +
                       rec.NameIn;
    if (missLine > 0)
        text += "\r\nFirst line without one: line " + std::to_string(missLine) + ": " + missText;
    else
        text += "\r\nThe file has no lines after its " + std::to_string(rec.HeaderText) +
                " header lines.";
    return text;
}

uint8_t ParseColumnValue(std::string_view line, int32_t column, char delimiter, double& value) {
    const uint8_t result = ParseColumn<false>(line, column, delimiter, value);
    return result == kNoColumn ? uint8_t{kNoValue} : result;
}

uint8_t ParseColumnField(std::string_view line, int32_t column, char delimiter, double& value) {
    return ParseColumn<false>(line, column, delimiter, value);
}

void ScaleFromRange(ChannelRecord& r) {
    if (std::fabs(r.HighRng - r.LowRng) < 1e-10) {
        r.HighRng += 1;
        r.LowRng -= 1;
    }
    r.CoeffA = (r.HighRng - r.LowRng) / 65535;
    r.CoeffB = r.LowRng;
    r.CoeffC = 0;
    r.Min = r.LowRng;
    r.Max = r.HighRng;
    r.yOffset = 0;
}

bool ScalingIsFinite(const ChannelRecord& r) {
    return std::isfinite(r.CoeffA) && std::isfinite(r.CoeffB) &&
           std::isfinite(r.CoeffA * 65535 + r.CoeffB);
}

std::string NonFiniteScalingMessage(int c) {
    return " Channel " + std::to_string(c + 1) +
           ": the value range is too large, the scaling is not a finite number.";
}

int LoadTextChannel(AppState& state, UiPort& ui, int c) {
    ChannelStore& store = state.store;
    ChannelRecord& rec = store.Rec(c);
    store.Gaps[static_cast<size_t>(c)].Clear();
    if (ShouldCreateEmpty(state, c)) return CreateEmptyChannel(state, ui, c);
    bool& present = store.ChannelPresent[static_cast<size_t>(c)];
    if (!present) return 0;
    const std::filesystem::path file(rec.NameIn);
    if (rec.ToCreate == 0 && !HasHeaderMarker(ui, file).opened) {
        present = false;
        return 1;
    }
    ReadOnlyFile f;
    if (!f.Open(file)) {
        // Only reached for a channel to be created whose file exists but cannot be read.
        ui.Message(kCantOpenPrefix + rec.NameIn);
        present = false;
        return 1;
    }
    std::error_code ec;
    const auto size = static_cast<int64_t>(std::filesystem::file_size(file, ec));
    const int64_t fileBytes = ec ? 0 : size;
    const bool autoScale = rec.AutoScale == 'Y';
    ProgressScope progress(ui, "Loading channel " + std::to_string(c + 1) + ": " + rec.NameIn,
                           fileBytes);
    TextLoad load(state, ui, c, f, progress);
    if (autoScale && !load.FindRange()) return progress.Cancelled() ? kLoadCancelled : 1;
    int32_t n = 0;
    if (!load.StoreValues(n)) return progress.Cancelled() ? kLoadCancelled : 1;
    // Start goes on, but an empty channel is never left unexplained.
    if (n == 0) ui.Message(NoSampleText(c, rec, load.FirstMissLine(), load.FirstMissText()));
    ui.ProgressText(20, 40, " Text lines (" + rec.NameIn + "): " + std::to_string(n));
    f.Close();
    if (n >= store.MaxSamples) ui.Message(" Cannot load entire file. ");
    if (n > 0) load.ReportSkippedLines();  // an empty channel has its own message
    // Computed in floating point: SampRate x n easily exceeds 32 bits.
    rec.EndTime = static_cast<double>(rec.SampRate) * (n - 1) + rec.StartTime;
    rec.DataCnt = Narrow<int32_t>(int64_t{rec.CorrSmpDelay} + n - 1);
    return 0;
}

}  // namespace corv
