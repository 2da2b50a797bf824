#pragma once
// Hooks for the moments a form reacts to that Qt has no signal for: a control left for
// another control of the same window, the Enter key in a control, and a double click.

#include <functional>

class QWidget;

namespace corv {

// Calls `handler` when `w` loses the focus to another control. Losing it because the window
// is deactivated (a message box, another program) or a popup opens does not count, so a
// handler that shows a message box is not run again by it.
void OnLeave(QWidget* w, std::function<void()> handler);

// Calls `handler` for the Enter or Return key in `w`; the key goes no further (it does not
// press the form's default button).
void OnEnterKey(QWidget* w, std::function<void()> handler);

// Calls `handler` for a double click with the left button in `w`.
void OnDoubleClick(QWidget* w, std::function<void()> handler);

}  // namespace corv
