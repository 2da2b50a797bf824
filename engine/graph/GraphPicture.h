#pragma once
// The graph window as a vector picture (File > "Save picture ..." as SVG): the strips with
// their marks and y-scales and the main time scale, drawn by the same routines as the
// window, at the places of its layout.

#include <string>

namespace corv {

struct AppState;
struct GraphLayout;
class UiPort;

// The top row of the picture: a little above the first strip.
[[nodiscard]] int PictureTop(const GraphLayout& layout);

// The SVG document of the strips, y-scales and main time scale of `layout`.
[[nodiscard]] std::string GraphPictureSvg(AppState& state, UiPort& ui, const GraphLayout& layout);

}  // namespace corv
