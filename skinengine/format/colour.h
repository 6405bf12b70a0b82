#pragma once
// Colour arithmetic shared by the painter and the readability checks.
#include "format/skin.h"

namespace skin {

// The colour at step `step` of `steps` on the straight line from a to b (0 gives a,
// steps gives b), rounded per channel. The painter draws gradients with it.
Rgb Mix(Rgb a, Rgb b, int step, int steps);

// The colour a paint puts at (x, y) of an area of the given size: gradients run from
// the first colour at the top or left edge to the second at the bottom or right edge;
// stripes are bands of kStripeHeight rows, starting with the first colour.
constexpr int kStripeHeight = 4;
Rgb ColourAt(const Paint& paint, int x, int y, int width, int height);

// WCAG relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(Rgb colour);

// WCAG contrast ratio of two colours, 1 to 21.
double ContrastRatio(Rgb a, Rgb b);

// The lowest contrast of `text` against any colour a paint puts on screen.
double LowestContrast(Rgb text, const Paint& paint);

}  // namespace skin
