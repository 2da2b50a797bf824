#pragma once
// Whether the graph window may close: every modified channel is offered for saving as a
// binary channel file before its changes are lost.

#include <functional>

namespace corv {

struct AppState;
class UiPort;

// Asks Yes/No/Cancel for each modified channel in channel order. No goes on with the next
// channel; Yes calls saveChannel(c) (the binary export), keeps the window open and goes
// on; Cancel keeps the window open and asks no more. True when the window may close.
[[nodiscard]] bool QueryClose(const AppState& state, UiPort& ui,
                              const std::function<void(int c)>& saveChannel);

}  // namespace corv
