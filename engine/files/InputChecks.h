#pragma once
// Checks of the channels' input files before Start reads them, so that wrong file settings
// are named instead of loading junk silently: a named file that does not exist, and a
// binary channel whose file is plainly text.

#include <string>
#include <string_view>

namespace corv {

struct AppState;
class UiPort;

// Whether the first kilobyte of a file is printable text with line breaks (no header
// marker, no control characters but TAB, CR and LF).
[[nodiscard]] bool LooksLikeText(std::string_view firstBytes);

// Asks about every channel whose file is named but missing ("Channel 1: file not found:
// ..." and whether to go on without it) and about every binary channel without a header
// whose file looks like text. False when the user chose not to go on.
bool CheckInputFiles(const AppState& state, UiPort& ui);

// Whether a file name names a file at all; the dialog's "c:\" and empty names do not.
[[nodiscard]] bool NamesAFile(const std::string& name);

}  // namespace corv
