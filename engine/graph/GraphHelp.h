#pragma once
// The help files of the graph window's menus and the text of Help > Info.

#include <string>

namespace corv {

enum class GraphMenu {
    File,
    View,
    XZoom,
    YZoom,
    Baseline,
    Analysis,
    Export,
    Process,
    BiChannel,
    Filter,
    Smooth,
    Calculations,
    Help,
};

// The file in the help folder that a menu's Help item opens; the Analysis menu's depends
// on the analysis kind and is empty for kinds that have none.
[[nodiscard]] std::string MenuHelpFile(GraphMenu menu, int analysisKind);

// The lines of Help > Info: the program with its analysis kind, and the sample capacity.
[[nodiscard]] std::string InfoText(int analysisKind);

}  // namespace corv
