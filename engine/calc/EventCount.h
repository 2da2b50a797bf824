#pragma once
// Calculations > "&Count Events": how often the curve rises above a threshold between the
// F4 and F5 cursors. A section that starts above the threshold does not count that start,
// and a value equal to the threshold changes nothing. Samples in gaps are skipped.

#include <cstdint>
#include <optional>
#include <string>

namespace corv {

struct AppState;
class ChannelStore;
class UiPort;

[[nodiscard]] int32_t CountEvents(const ChannelStore& store, int c, double threshold, double f4,
                                  double f5);

// The message that shows the count.
[[nodiscard]] std::string EventCountText(int32_t count);

// Asks the threshold ("Count events", "Threshold?", default "0"), counts on the active
// channel's WorkSection and shows the count. Nothing when cancelled.
std::optional<int32_t> CountEventsCommand(AppState& state, UiPort& ui);
// The same with the threshold typed already.
int32_t CountEventsWithText(AppState& state, UiPort& ui, const std::string& threshold);

}  // namespace corv
