#pragma once
// Proposals of sampling intervals that bring a feature under F4 in one channel and the
// same feature under F5 in another onto one time. Nothing changes: the proposals are shown
// and the user enters the chosen interval in the main dialog.

#include <array>
#include <optional>
#include <string>

namespace corv {

struct AppState;
class UiPort;

// Up to three integers of the typed text, separated by runs of blanks; missing numbers are
// 0, and a text shorter than two characters gives none. ConversionError for a word that
// is not an integer.
[[nodiscard]] std::array<int, 3> ParseSyncChannels(const std::string& text);

// The four proposals for channels p and q (0..2) with F4 at t4 and F5 at t5 (ms); nullopt
// when a cursor lies in a channel's first sampling interval (no proposal can move it).
[[nodiscard]] std::optional<std::array<double, 4>> SyncProposals(const AppState& state, int p,
                                                                 int q);
// "SI p=s1 or SI p=s2 or SI q=s3 or SI q=s4", channels shown as 1..3.
[[nodiscard]] std::string SyncProposalText(int p, int q, const std::array<double, 4>& s);

// Calculations > Synchronise: asks for the two channels, checks them and shows the
// proposals in a message. False when it stopped before showing them.
bool Synchronise(AppState& state, UiPort& ui);

}  // namespace corv
