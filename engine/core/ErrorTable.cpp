#include "core/ErrorTable.h"

#include "core/UiPort.h"

namespace corv {

std::string ErrorText(int32_t n) {
    switch (n) {
        case 0:
            return "  User abort.";
        case 1:
            return "  Time error. StartTime=EndTime. ";
        case 2:
            return "  Fatal Graphic error. Calling undefined window.";
        case 3:
            return "  Illegal sampling interval. Only integers allowed.";
        case 6:
            return "  Cannot interpret time of time-list-file. ";
        case 7:
            return "  Command Line is too long. ";
        case 8:
            return "  Baseline correcting is not possible because   the baseline differs too "
                   "much from 0 [binary] .";
        case 11:
            return "  Analysis yet not possible with logarithmic scale.  Please contact "
                   "Quillmarsh Software.";
        case 12:
            return " Compass File too large.";
        case 13:
            return " Illegal calibration. Ymin=Ymax";
        case 14:
            return " Illegal coefficients (L calibration)";
        case 15:
            return " Illegal separator in inputfile";
        default:
            return "";
    }
}

void ShowError(UiPort& ui, int32_t n, int halt) {
    ui.Message(ErrorText(n), BoxKind::Error);
    if (halt == 1) {
        ui.Message(kHaltNotice, BoxKind::Error);
        ui.Halt();
    }
}

}  // namespace corv
