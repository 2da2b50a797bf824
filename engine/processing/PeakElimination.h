#pragma once
// Filter > Peak elimination: the three modes of the "Eliminate Peaks" dialog over the
// active channel's WorkSection, each one undo step.

#include <string>

namespace corv {

struct AppState;
class UiPort;

enum class PeakMode {
    HighLow,          // raw 0 and 65535 take the value before them
    UserDefined,      // peaks of amplitude > A and length < B
    ReplSmallValues,  // values below A replaced by straight lines
};

// The dialog's choice with its fields as typed.
struct PeakInput {
    PeakMode mode = PeakMode::UserDefined;
    std::string ampl = "5";      // A of the user-defined mode
    std::string length = "1";    // B [points]
    std::string smallVal = "5";  // A of the small-values mode
};

// Converts the fields of the selected mode (ConversionError before anything changes) and
// runs it. B below 1 is refused with a message. Returns true when a sample changed.
bool EliminatePeaks(AppState& state, UiPort& ui, const PeakInput& input);

}  // namespace corv
