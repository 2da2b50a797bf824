#pragma once
// The WorkSection of the processing commands: the active channel's samples between the
// left cursor (F4) and the right cursor (F5), and block-wise copies of raw words for the
// routines that sweep millions of samples.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corv {

struct AppState;
class ChannelStore;
class UiPort;

struct SectionIndexes {
    int32_t first = 0;
    int32_t last = -1;
};

// first = Trunc(tLeft / SampRate), last = min(Trunc(tRight / SampRate), DataCnt).
[[nodiscard]] SectionIndexes SectionOf(const ChannelStore& store, int c, double tLeft,
                                       double tRight);

// The raw words of common indexes from..to (inclusive), read as GetRaw would: 0 outside
// the channel's data.
[[nodiscard]] std::vector<uint16_t> ReadWords(const ChannelStore& store, int c, int64_t from,
                                              int64_t to);

// Stores words[k] at common index from + k, as SetRaw would (ignored outside the bank).
void WriteWords(ChannelStore& store, int c, int64_t from, const uint16_t* words, size_t count);

// Raw words clipped into 0..65535 from a wider result.
[[nodiscard]] inline uint16_t ClipRaw(double r) {
    if (!(r > 0)) return 0;  // NaN too
    return r >= 65535 ? 65535 : static_cast<uint16_t>(r);
}

// The polynomial of channel c is applied and is not the identity: the help file
// "ErrPoly.rtf" is shown and true returned (the command must not change the samples).
bool PolynomialRefused(AppState& state, UiPort& ui, int c);

// The raw word of a value (0 when CoeffA is 0), clipped without a message.
[[nodiscard]] uint16_t RawOfValue(const ChannelStore& store, int c, double value);

}  // namespace corv
