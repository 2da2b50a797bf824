#pragma once
// Dates typed into a date picker the way people type them: "01.05.2025", "1.5.2025" or
// "1/5/25", with whatever separator, taken when the picker is left or Enter is pressed.
// The picker's own section-by-section editing jumps to the next part after two digits,
// so a typed separator skipped a part and the date was lost.

class QDateEdit;

namespace corv {

// Takes over the typing of digits and separators in `edit`; the arrows, the calendar
// popup and the wheel keep working as before. An entry that is no date leaves the old one.
void AcceptTypedDates(QDateEdit* edit);

}  // namespace corv
