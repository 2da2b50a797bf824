#pragma once
// Loading a channel from one column of a text file, with optional automatic scaling.

#include <cstdint>
#include <string>
#include <string_view>

namespace corv {

struct AppState;
struct ChannelRecord;
class UiPort;

// Result codes of ParseColumnValue.
enum ParseResult : uint8_t {
    kParsedNumber = 0,   // a number was read
    kNoValue = 1,        // empty line or field, no such column (blank mode), not a number
    kTooFewColumns = 2,  // separator-character mode: fewer columns than asked for
    kNoColumn = 3,       // (ParseColumnField only) blank line, or no such column in blank mode
};

// Reads the value of column `column` (counted from 1) of a line. A blank delimiter selects
// blank-separated mode (runs of blanks and TABs separate columns).
// A line ending in the separator has one more, empty field.
uint8_t ParseColumnValue(std::string_view line, int32_t column, char delimiter, double& value);
// As ParseColumnValue, but tells a line without the column at all (kNoColumn) from one whose
// field is empty or not a number (kNoValue): only the latter is a missing value.
uint8_t ParseColumnField(std::string_view line, int32_t column, char delimiter, double& value);

// Derives CoeffA, CoeffB (and CoeffC = 0, Min, Max, yOffset = 0) from LowRng and HighRng.
void ScaleFromRange(ChannelRecord& r);

// The message for a text channel that got no sample: the channel, its column and file, and
// the first line whose column held no number (missLine 0: no line after the header).
[[nodiscard]] std::string NoSampleText(int c, const ChannelRecord& rec, int64_t missLine,
                                       const std::string& missText);

// What a loader returns when the user cancelled it in its progress report.
inline constexpr int kLoadCancelled = -1;

// Loads channel c from its text file; returns the failure count 0 or 1, or kLoadCancelled. A
// channel that gets no sample is loaded empty after NoSampleText.
int LoadTextChannel(AppState& state, UiPort& ui, int c);

}  // namespace corv
