#pragma once
// The 720-byte text header of a binary channel file: ten lines of 70 characters, each
// followed by CR LF, carrying the caption, scaling, start time, interval and comment.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/Times.h"

namespace corv {

struct AppState;
class ChannelStore;

// The text padded with blanks to 70 characters, or cut after the 70th.
[[nodiscard]] std::string PadLine70(std::string_view s);

// "dd<sep>mm<sep>yyyy hh:mm:ss" with two-digit parts; a year below 100 is written with two
// digits. A year or month below 1 gives three blanks instead.
[[nodiscard]] std::string FormatHeaderDateTime(const TimeParts& p, char dateSep);

struct HeaderDateTime {
    int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool error = false;  // a part is not a number or outside its calendar range
};

// Reads a header date-time at fixed positions: the long form (four-digit year) when the
// 9th character is a digit, else the short form. Two-digit years 50..99 are the 1900s,
// 0..49 the 2000s.
[[nodiscard]] HeaderDateTime ParseHeaderDateTime(std::string_view text);

// Takes caption, scaling, start time, interval and comment of channel c from the header of
// `file`, then derives the range with RangeFromScale. Returns false, leaving the record
// unchanged, when there is no regular file or its first line does not begin with the
// marker (directly, or after the "0720\t " prefix of the program's own exports). A file
// that cannot be opened or read, a line 3 that is not three numbers, a line 5 that is not an
// integer or a date whose year the calendar cannot hold raises IoError.
bool ReadBinaryHeader(AppState& state, const std::filesystem::path& file, int c);

// Min and Max are the values of raw 0 and raw 65535 by the scaling kind; LowRng and
// HighRng follow them.
void RangeFromScale(ChannelStore& store, int c);

// The 720 bytes of the header of channel c for the stretch tStart..tEnd (see below).
[[nodiscard]] std::string BinaryHeaderText(const AppState& state, int c, double tStart,
                                           double tEnd);

// Creates or overwrites `file` with the header of channel c for the stretch tStart..tEnd
// (milliseconds after OriginTime; 0 or less means the channel's own start). Returns false
// when the file cannot be created or written.
bool WriteBinaryHeader(const AppState& state, const std::filesystem::path& file, int c,
                       double tStart, double tEnd);

}  // namespace corv
