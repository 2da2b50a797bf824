#pragma once
// A channel to be created whose file does not exist yet is filled with the raw word of
// value 0 over the length of channel 0.

#include <filesystem>

namespace corv {

struct AppState;
class UiPort;

// Tests the file name by creating and deleting the file, then fills the channel; returns
// the failure count 0 or 1 (" Error. Missing filename of file to create ").
int CreateEmptyChannel(AppState& state, UiPort& ui, int c);

// True when the loaders should create channel c empty: ToCreate is 1 and the file is
// missing.
bool ShouldCreateEmpty(const AppState& state, int c);

}  // namespace corv
