#include "files/TextImport.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <string>

#include "AppState.h"
#include "core/Checked.h"
#include "core/UiPort.h"
#include "files/ByteSearch.h"
#include "files/EmptyChannel.h"
#include "files/FastDecimal.h"
#include "files/ForceInline.h"
#include "files/HeaderMarker.h"
#include "files/ReadOnlyFile.h"
#include "files/TextLineReader.h"

namespace corv {

namespace {

constexpr size_t kMaxField = 255;
constexpr int32_t kProgressStep = 200;
constexpr const char* kWrongColumnQuestion = " Propably wrong column, header,.. . Continue anyway?";

CORV_FORCE_INLINE bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Separator-character mode: columns are counted by the delimiter alone; p ends at the
// start of the wanted field, or the line has too few columns.
template <bool kPadded>
CORV_FORCE_INLINE uint8_t FindSeparatedField(const char*& p, const char* e, int32_t column,
                                             char delimiter) {
    for (int32_t k = 1; k < column;) {
        const char* q = FindByte<kPadded>(p, e, delimiter);
        if (q == e) {
            p = e;
            break;
        }
        ++k;
        p = q + 1;
    }
    if (p == e) return kTooFewColumns;
    if (p + 1 < e && *p == delimiter) return kNoValue;  // two delimiters in a row
    while (p < e && *p == ' ') ++p;
    return kParsedNumber;
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
    const char* e = p + line.size();
    while (p < e && IsBlankOrControl(*p)) ++p;
    while (e > p && IsBlankOrControl(e[-1])) --e;
    if (p == e) return kNoValue;
    if (delimiter != ' ') {
        const uint8_t found = FindSeparatedField<kPadded>(p, e, column, delimiter);
        if (found != kParsedNumber) return found;
    } else {
        FindBlankSeparatedField(p, e, column);
    }
    if (p >= e) return kNoValue;
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
class TextLoad {
  public:
    TextLoad(AppState& state, UiPort& ui, int c, ReadOnlyFile& file)
        : m_store(state.store), m_ui(ui), m_c(c), m_rec(state.store.Rec(c)), m_lines(file) {}

    // The automatic-scaling pass; false when the user gave up.
    bool FindRange();
    // The storing pass; false when the user gave up. Sets the count of stored values.
    bool StoreValues(int32_t& n);

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

    ChannelStore& m_store;
    UiPort& m_ui;
    int m_c;
    ChannelRecord& m_rec;
    TextLineReader m_lines;
    bool m_asked = false;
};

bool TextLoad::FindRange() {
    m_lines.Skip(m_rec.HeaderText);
    double low = 1e33;
    double high = -1e33;
    bool gaveUp = false;
    m_lines.ForEachLine([&](std::string_view line) CORV_INLINE_LAMBDA {
        if (line.empty()) return true;
        double v;
        const uint8_t result = Parse(line, v);
        if (result == kParsedNumber) {
            if (v < low) low = v;
            if (v > high) high = v;
        } else if (result == kTooFewColumns && !ContinueAfterMissingColumn()) {
            gaveUp = true;
        }
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
    m_lines.Rewind();
    return true;
}

bool TextLoad::StoreValues(int32_t& n) {
    // Values are mapped onto the raw range first, then through the user's gain and offset.
    const double g = 1 / m_rec.CoeffA;
    const double h = -m_rec.CoeffB * g;
    const double gain = m_rec.UsrCoeffA;
    const double offset = m_rec.UsrCoeffB;
    const int32_t limit = std::clamp(m_store.MaxSamples, 0, ChannelStore::kCapacity);
    n = 0;
    if (limit == 0) return true;
    m_lines.Skip(m_rec.HeaderText);
    uint16_t* block = nullptr;
    int32_t nextProgress = 0;
    bool gaveUp = false;
    m_lines.ForEachLine([&](std::string_view line) CORV_INLINE_LAMBDA {
        if (n == nextProgress) {
            m_ui.ProgressText(10, 450, std::to_string(n));
            nextProgress += kProgressStep;
        }
        if (line.empty()) return true;
        double v;
        const uint8_t result = Parse(line, v);
        if (result != kParsedNumber) {
            gaveUp = result == kTooFewColumns && !ContinueAfterMissingColumn();
            return !gaveUp;
        }
        const int32_t slot = n & ChannelStore::kBlockMask;
        if (slot == 0) block = m_store.BankWord(m_c, n);
        if (block != nullptr) block[slot] = ToRaw((v * g + h) * gain + offset);
        return ++n < limit;
    });
    return !gaveUp;
}

}  // namespace

uint8_t ParseColumnValue(std::string_view line, int32_t column, char delimiter, double& value) {
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
    TextLoad load(state, ui, c, f);
    if (rec.AutoScale == 'Y' && !load.FindRange()) return 1;
    int32_t n = 0;
    if (!load.StoreValues(n)) return 1;
    ui.ProgressText(20, 40, " Text lines (" + rec.NameIn + "): " + std::to_string(n));
    f.Close();
    if (n >= store.MaxSamples) ui.Message(" Cannot load entire file. ");
    // Computed in floating point: SampRate x n easily exceeds 32 bits.
    rec.EndTime = static_cast<double>(rec.SampRate) * (n - 1) + rec.StartTime;
    rec.DataCnt = Narrow<int32_t>(int64_t{rec.CorrSmpDelay} + n - 1);
    return 0;
}

}  // namespace corv
