#pragma once
// The numbered error texts and their report routine.

#include <cstdint>
#include <string>

namespace corv {

class UiPort;

inline constexpr const char* kHaltNotice = "     Program halts. ";

// The text of error number n; empty for unused numbers.
[[nodiscard]] std::string ErrorText(int32_t n);

// Shows the text of n in a message box; with halt = 1 then shows the halt notice and ends
// the process through the port (no further handlers run, the setup file is not written).
void ShowError(UiPort& ui, int32_t n, int halt);

}  // namespace corv
