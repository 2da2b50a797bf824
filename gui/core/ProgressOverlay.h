#pragma once
// Progress texts drawn over a window while a long command runs (the loaders count lines
// on the main dialog). Each position keeps its latest text until cleared.

#include <QString>

class QWidget;

namespace corv {

// Shows `text` with its top-left corner at design position (x, y) of `surface` and paints
// it at once, letting the window repaint without accepting user input.
void ShowProgressText(QWidget* surface, int x, int y, const QString& text);

// Removes every progress text from `surface`.
void ClearProgressTexts(QWidget* surface);

}  // namespace corv
