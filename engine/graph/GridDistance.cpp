#include "graph/GridDistance.h"

#include "AppState.h"
#include "core/Convert.h"
#include "core/UiPort.h"
#include "graph/GridLines.h"

namespace corv {

uint32_t SetGridDistance(AppState& state, UiPort& ui, Canvas* activeStrip) {
    std::string text = "0";
    if (!ui.InputQuery("Request", " Grid distance (0.0 for no grid):", text)) return 0;
    const double distance = StrToFloat(text);
    const int c = state.ActiveChannel;
    if (activeStrip) DrawGrid(*activeStrip, state, c);
    state.store.Rec(c).GridDist = distance;
    if (activeStrip) DrawGrid(*activeStrip, state, c);
    return 0;
}

}  // namespace corv
