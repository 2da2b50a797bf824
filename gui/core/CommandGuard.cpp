#include "core/CommandGuard.h"

#include <exception>
#include <new>

#include "core/UiPort.h"

namespace corv {

bool RunGuarded(UiPort& ui, const std::function<void()>& command) {
    // ConversionError, RangeError and IoError are std::exceptions with the text to show.
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
        ui.Message("Out of memory", BoxKind::Error);
    } catch (const std::exception& e) {
        ui.Message(e.what(), BoxKind::Error);
    }
    return false;
}

}  // namespace corv
