#pragma once
// The boundary of a user command: an exception that ends the command is shown in a message
// box with its message, and the program goes on in the state the command left.

#include <functional>

namespace corv {

class UiPort;

// Runs `command`; returns false when it ended with an exception (already shown).
bool RunGuarded(UiPort& ui, const std::function<void()>& command);

}  // namespace corv
