#pragma once
// Operations that compute a new curve from whole channels and store it with fresh scaling:
// the bi-channel Subtract, Add and Abs into a third channel, and Integrate, Differentiate
// and Diff. compass in place. The result fills raw 0..65535 and the result channel's
// CoeffA, CoeffB, CoeffC and yOffset are set to match. Each runs as one undo step.

#include <cstdint>
#include <string>

namespace corv {

struct AppState;
class UiPort;

enum ChannelOpKind : int {
    kOpSubtract = 1,
    kOpAdd = 2,
    kOpAbsSum = 3,
    kOpIntegrate = 9,
    kOpDifferentiate = 10,
    kOpDiffCompass = 11,
};

// The undo step name of a kind ("Bi-channel add", "Integrate", ...).
[[nodiscard]] std::string ChannelOpName(int kind);

// Kinds 1..3 on channels a and b (0..2) into r. Refuses, with a message, missing
// channels (a, b or r), a non-identity polynomial on both channels (help "ErrPoly.rtf")
// and different sampling intervals or start times. True when the data changed.
bool BiChannel(AppState& state, UiPort& ui, int kind, int a, int b, int r);

// The dialog's OK: the three texts are channel numbers 1..3 (ConversionError for text that
// is not an integer; "Invalid channel number" outside 1..3).
bool BiChannelFromTexts(AppState& state, UiPort& ui, int kind, const std::string& a,
                        const std::string& b, const std::string& r);

// Kinds 9..11 from channel a into r (the menu commands use the active channel for both).
bool ChannelOp(AppState& state, UiPort& ui, int kind, int a, int r);

}  // namespace corv
