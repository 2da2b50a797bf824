#pragma once
// The curve of a channel in its chart style (GrRepr 0..9): solid line, vertical bars from
// the zero line or dots, normal or inverted, time across or running downwards. Samples are
// read through GetValue: status -2 ends the curve, any other error skips the sample.

#include "core/Canvas.h"

namespace corv {

class ChannelStore;
struct AppState;

// Draws channel c over the times left..right and the values lo..hi onto a canvas of
// width x height pixels, in copy mode with a solid pen of the given colour. Produces
// exactly the pixels of DrawCurveReference for a 1-pixel pen, but draws each pixel column
// with a few calls however many samples fall on it.
void DrawCurve(Canvas& canvas, const ChannelStore& store, int c, Colour colour, int width,
               int height, double left, double right, double lo, double hi);

// The same curve drawn sample by sample; in windows longer than 6 s a sample is skipped
// when it falls on the pixel of the sample drawn before it.
void DrawCurveReference(Canvas& canvas, const ChannelStore& store, int c, Colour colour, int width,
                        int height, double left, double right, double lo, double hi);

// Draws the samples between the times tA and tB of channel c again, over its strip's
// window and display range, in the given colour (raised by 1 when it is the foreground
// colour), then its subsidiary lines when withLines is set and the strip shows them.
// Nothing happens for a channel without a strip or a stretch outside the window.
void DrawCurveStretch(Canvas& strip, const AppState& state, int c, Colour colour, double tA,
                      double tB, bool withLines);

}  // namespace corv
