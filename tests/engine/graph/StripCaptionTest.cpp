// The caption inside a channel strip keeps its distance from the edge in proportion to the
// text, so it stays whole on a high-density screen or with a large font.
#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"
#include "graph/StripDrawing.h"

namespace corv {
namespace {

class TallText : public RecordingCanvas {
  public:
    using RecordingCanvas::RecordingCanvas;
    int TextHeight(const std::string&) override { return 26; }  // twice the plain line
};

TEST(StripCaption, MarginsFollowTheTextHeight) {
    test::GraphState g;
    g.Load(0, {1, 2, 3}, 1000).Caption = "Depth";
    g->view.RightBorder = 2000;
    g->CaptionPos = kCaptionAtBottom;
    RecordingCanvas plain(600, 200);
    TallText tall(600, 200);
    DrawStrip(plain, *g, 0);
    DrawStrip(tall, *g, 0);
    // 18 pixels above the edge for a plain line; 26 high and 10 above it for a tall one.
    EXPECT_EQ(plain.CallsStartingWith("text "), Calls{"text 200,182 Depth"});
    EXPECT_EQ(tall.CallsStartingWith("text "), Calls{"text 200,164 Depth"});
}

}  // namespace
}  // namespace corv
