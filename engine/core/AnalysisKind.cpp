#include "core/AnalysisKind.h"

#include <array>

namespace corv {

std::string AnalysisKindName(int kind) {
    static const std::array<const char*, 19> names = {
        " ",         "light", "dive",     "temp.",    "tide",       "scale",  "lightDepth",
        "deadreck",  "jaw",   "deadreck", "pH",       "oxy",        "zwoelf", "beak",
        "depthTemp", "flip",  "compass2", "compass5", "CreateSpeed"};
    if (kind < 0 || kind >= static_cast<int>(names.size())) return " ";
    return names[static_cast<size_t>(kind)];
}

}  // namespace corv
