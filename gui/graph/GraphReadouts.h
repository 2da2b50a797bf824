#pragma once
// The read-outs of the graph window below the strips: value, time of day and date at the
// F4 cursor, at the F5 cursor and at the last mouse click, the Results box of the event
// analysis, and the zero-width edit that takes the focus at every key.

#include <QString>
#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace corv {

struct CursorReadouts;
struct GraphLayout;

class GraphReadouts {
  public:
    // Creates the controls in `client` at their places for the layout's screen.
    GraphReadouts(QWidget* client, const GraphLayout& layout);

    void ShowCursorTexts(const CursorReadouts& texts);
    void ShowMouseTexts(const std::string& value, const std::string& time, const std::string& date);

    QLineEdit* EdLCurYval;
    QLineEdit* EdLCurTime;
    QLineEdit* edtLCurDate;
    QLineEdit* EdRCurYval;
    QLineEdit* EdRCurTime;
    QLineEdit* edtRCurDate;
    QLineEdit* edtMausY;
    QLineEdit* edtMausTime;
    QLineEdit* edtMausDate;
    QGroupBox* gboResults;
    std::array<QLabel*, 4> lblRes{};     // lblRes1..lblRes4
    std::array<QLineEdit*, 4> edtRes{};  // edtRes1..edtRes4
    QLineEdit* edtFoc;
};

}  // namespace corv
