// The caption inside a channel strip keeps its distance from the edge in proportion to the
// text, so it stays whole on a high-density screen or with a large font.
#include <gtest/gtest.h>

#include <algorithm>

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

bool Has(const RecordingCanvas& canvas, const std::string& call) {
    const Calls& calls = canvas.Calls();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

TEST(StripCaption, MarginsFollowTheTextHeight) {
    test::GraphState g;
    g.Load(0, {1, 2, 3}, 1000).Caption = "Depth";
    g->view.RightBorder = 2000;
    for (int pos : {kCaptionAtTop, kCaptionAtBottom}) {
        g->CaptionPos = pos;
        RecordingCanvas plain(600, 200);
        DrawStrip(plain, *g, 0);
        TallText tall(600, 200);
        DrawStrip(tall, *g, 0);
        if (pos == kCaptionAtTop) {
            EXPECT_TRUE(Has(plain, "text 200,5 Depth"));
            EXPECT_TRUE(Has(tall, "text 200,10 Depth"));
        } else {
            EXPECT_TRUE(Has(plain, "text 200,182 Depth"));
            EXPECT_TRUE(Has(tall, "text 200,164 Depth"));  // 26 high, 10 above the edge
        }
    }
}

}  // namespace
}  // namespace corv
