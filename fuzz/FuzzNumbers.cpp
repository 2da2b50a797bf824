// Number conversions and formats: the fast decimal parser equals the general one, and the
// program's number texts read back (exactly where the format keeps every digit it writes).
#include <bit>
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "files/FastDecimal.h"

using namespace corv;
using fuzz::Check;

namespace {

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Each text the program writes for v reads back, and a second round gives the same text.
void CheckFormats(double v) {
    if (!std::isfinite(v)) return;
    for (auto format : {FormatSci23, FormatShortest}) {
        const std::string text = format(v);
        const auto back = TryStrToFloat(text);
        Check(back.has_value(), "a formatted number reads back");
        Check(format(*back) == text, "formatting is stable after one round trip");
    }
    Check(FormatSci23(v).size() == 23, "the scientific form has 23 characters");
    const auto bits = std::bit_cast<uint64_t>(v);
    const std::string fixed =
        FormatFixed(v, 1 + static_cast<int>(bits % 15), static_cast<int>(bits % 19));
    Check(TryStrToFloat(fixed).has_value(), "a fixed text reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const char* first = text.data();
    const char* last = first + text.size();

    double general = 0, fast = 0;
    const bool generalOk = ParseFloatExact(first, last, general);
    const bool fastOk = ParseDecimalFast(first, last, fast);
    Check(generalOk == fastOk, "the fast parser accepts what the general one accepts");
    if (generalOk) {
        Check(SameDouble(general, fast), "the fast parser gives the general one's bits");
        Check(!std::isnan(general), "no text parses to NaN");
        CheckFormats(general);
    }
    // The raising conversions agree with the trying ones and raise nothing else.
    const auto a = TryStrToFloat(text);
    try {
        const double v = StrToFloat(text);
        Check(a.has_value() && SameDouble(v, *a), "StrToFloat agrees with TryStrToFloat");
    } catch (const ConversionError&) {
        Check(!a.has_value(), "StrToFloat raises only when TryStrToFloat fails");
    }
    const auto i = TryStrToInt(text);
    try {
        const int32_t v = StrToInt(text);
        Check(i.has_value() && v == *i, "StrToInt agrees with TryStrToInt");
        Check(TryStrToInt(std::to_string(v)) == v, "an integer reads back");
    } catch (const ConversionError&) {
        Check(!i.has_value(), "StrToInt raises only when TryStrToInt fails");
    }
    // The input's first 8 bytes as a double: every bit pattern formats.
    if (size >= 8) {
        double v;
        std::memcpy(&v, data, 8);
        CheckFormats(v);
        (void)FormatWidthDec(v, data[0] % 40, data[1] % 20);
    }
    return 0;
}
