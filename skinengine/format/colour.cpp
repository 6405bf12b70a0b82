#include "format/colour.h"

#include <algorithm>
#include <cmath>

namespace skin {
namespace {

std::uint8_t MixChannel(int a, int b, int step, int steps) {
  return static_cast<std::uint8_t>(a + ((b - a) * step * 2 + (b >= a ? steps : -steps)) / (2 * steps));
}

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Distance(std::uint8_t a, std::uint8_t b) { return a > b ? a - b : b - a; }

// Gradients are drawn with Mix(a, b, step, steps) for areas of any size, so a check must
// see every colour Mix can give for any step/steps, not only those of one size. As the
// fraction t = step/steps runs from 0 to 1, a channel that changes by d moves to its next
// value where d*t crosses a half, at t = (2k+1)/(2d), and rounds there to the new value.
// The colour is constant between two such points, so the colour at t = 0 and the colours
// at those points (Mix computes them exactly) are all the colours of the gradient.
template <typename Visit>
void ForEachGradientColour(Rgb a, Rgb b, Visit visit) {
  visit(a);
  const int changes[] = {Distance(a.r, b.r), Distance(a.g, b.g), Distance(a.b, b.b)};
  for (int change : changes) {
    for (int k = 0; k < change; ++k) visit(Mix(a, b, 2 * k + 1, 2 * change));
  }
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, int step, int steps) {
  if (steps <= 0 || step <= 0) return a;
  if (step >= steps) return b;
  return {MixChannel(a.r, b.r, step, steps), MixChannel(a.g, b.g, step, steps),
          MixChannel(a.b, b.b, step, steps)};
}

Rgb ColourAt(const Paint& paint, int x, int y, int width, int height) {
  switch (paint.fill) {
    case Fill::Solid: break;
    case Fill::Stripes: return (y / kStripeHeight) % 2 ? paint.second : paint.first;
    case Fill::VerticalGradient: return Mix(paint.first, paint.second, y, height - 1);
    case Fill::HorizontalGradient: return Mix(paint.first, paint.second, x, width - 1);
  }
  return paint.first;
}

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double LowestContrast(Rgb text, const Paint& paint) {
  double lowest = ContrastRatio(text, paint.first);
  switch (paint.fill) {
    case Fill::Solid: break;
    case Fill::Stripes: lowest = std::min(lowest, ContrastRatio(text, paint.second)); break;
    case Fill::VerticalGradient:
    case Fill::HorizontalGradient:
      ForEachGradientColour(paint.first, paint.second,
                            [&](Rgb colour) { lowest = std::min(lowest, ContrastRatio(text, colour)); });
      break;
  }
  return lowest;
}

}  // namespace skin
