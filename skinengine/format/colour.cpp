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

// Gradients are drawn with one Mix step per pixel row or column; 255 steps cover every
// distinct colour of a gradient whose channels change by at most 255.
constexpr int kGradientSamples = 255;

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
      for (int step = 1; step <= kGradientSamples; ++step) {
        lowest = std::min(lowest, ContrastRatio(text, Mix(paint.first, paint.second, step, kGradientSamples)));
      }
      break;
  }
  return lowest;
}

}  // namespace skin
