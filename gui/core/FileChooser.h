#pragma once
// The file dialog of the main dialog: it starts at a given file and accepts a name whether
// or not the file exists yet.

#include <QString>
#include <optional>

class QWidget;

namespace corv {

// The file the user chose, or nullopt when the dialog was cancelled.
std::optional<QString> ChooseAnyFile(QWidget* parent, const QString& startFile);

}  // namespace corv
