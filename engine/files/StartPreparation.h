#pragma once
// The preparation of Start before any loader runs: which channels take part, their binary
// headers, the check of intervals and start times, the delays on the common sample axis,
// and the default output file names.

namespace corv {

struct AppState;
class UiPort;

// ChannelPresent = the file exists or the channel is to be created; StartRef from the
// earliest StartTime of the present channels. False when no channel is present.
bool MarkPresentChannels(AppState& state);

// Reads the header of every binary channel whose file exists and whose ReadHeader is 'Y'.
// A header with malformed numbers raises IoError.
void ReadHeaders(AppState& state);

// Checks the intervals and start times of the present channels and sets each SmpDelay
// (samples after the earliest start, halves to even) and StartRef. False, after its
// message or question, when Start must end.
bool CheckStartTimes(AppState& state, UiPort& ui);

// CorrSmpDelay = SmpDelay for every present channel.
void ApplyDelays(AppState& state);

// The default export, event-analysis, statistics and histogram file names from the input
// file names.
void DeriveOutputNames(AppState& state);

}  // namespace corv
