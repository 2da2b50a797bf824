#pragma once
// The reference start of a recording: year (four digits, or two before the first load),
// month, day, hour, minute, second, millisecond.

#include <cstdint>

namespace corv {

struct StartRef {
    uint16_t year = 82;
    uint16_t month = 1;
    uint16_t day = 1;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t millisecond = 0;
};

}  // namespace corv
