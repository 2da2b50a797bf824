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
    // Creates the controls in `client` at their places in the layout.
    GraphReadouts(QWidget* client, const GraphLayout& layout);
    // Moves the controls to their places in a new layout.
    void Place(const GraphLayout& layout);

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
    // Titles over the three columns (F4, pointer, F5) naming the active channel's caption
    // (which carries its unit), and the row names at the left.
    std::array<QLabel*, 3> lblColumn{};
    std::array<QLabel*, 3> lblRow{};

  private:
    void ShowTitles(const std::string& caption);
    std::string m_caption;  // of the titles, shown again after a resize
};

}  // namespace corv
