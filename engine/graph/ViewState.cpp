#include "graph/ViewState.h"

#include <algorithm>

namespace corv {

void RememberPositions(ViewState& v) {
    v.PrevLeftBorder = v.LeftBorder;
    v.PrevRightBorder = v.RightBorder;
    v.PrevLeftCursor = v.LeftCursor;
    v.PrevRightCursor = v.RightCursor;
    v.PrevLeftBCursor = v.LeftBCursor;
    v.PrevRightBCursor = v.RightBCursor;
    v.PrevLeftShCursor = v.LeftShCursor;
    v.PrevRightShCursor = v.RightShCursor;
}

ViewState InitialViewState(double totalSpan) {
    ViewState v;
    v.LeftBorder = 0;
    v.RightBorder = std::min(totalSpan / 120, totalSpan);
    const double w = v.RightBorder - v.LeftBorder;
    v.CoarseStep = std::max(w / 4, 1.0);
    v.FineStep = std::max(w / 16, 1.0);
    v.LeftCursor = v.LeftBorder + w / 8;
    v.RightCursor = v.RightBorder - w / 8;
    v.LeftBCursor = v.LeftBorder + 3 * w / 8;
    v.RightBCursor = v.RightBorder - 3 * w / 8;
    v.LeftShCursor = v.LeftBorder + w / 2;
    v.RightShCursor = v.RightBorder - w / 2;
    RememberPositions(v);
    return v;
}

}  // namespace corv
