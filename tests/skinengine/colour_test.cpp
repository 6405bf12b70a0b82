#include <gtest/gtest.h>

#include <algorithm>

#include "format/colour.h"

namespace {

using skin::Rgb;

TEST(Colour, ContrastRatioMatchesKnownPairs) {
  const struct {
    Rgb a, b;
    double ratio;
  } cases[] = {
      {{0, 0, 0}, {255, 255, 255}, 21.0},
      {{255, 255, 255}, {0, 0, 0}, 21.0},
      {{119, 119, 119}, {255, 255, 255}, 4.48},  // the well-known "#777 fails on white"
      {{118, 118, 118}, {255, 255, 255}, 4.54},
      {{0, 0, 255}, {0, 0, 0}, 2.44},
      {{90, 90, 90}, {90, 90, 90}, 1.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(skin::ContrastRatio(c.a, c.b), c.ratio, 0.01);
}

TEST(Colour, MixRunsFromFirstToSecond) {
  const Rgb a{10, 200, 255}, b{250, 0, 255};
  EXPECT_TRUE(skin::Mix(a, b, 0, 10) == a);
  EXPECT_TRUE(skin::Mix(a, b, 10, 10) == b);
  EXPECT_TRUE(skin::Mix(a, b, 5, 10) == (Rgb{130, 100, 255}));
  EXPECT_TRUE(skin::Mix(a, b, 1, 3) == (Rgb{90, 133, 255}));
  EXPECT_TRUE(skin::Mix(a, b, 3, 0) == a);  // a one-pixel gradient is its first colour
}

// A gradient between two readable colours can be less readable in its middle; the
// lowest contrast must see that.
TEST(Colour, LowestContrastLooksInsideGradients) {
  const Rgb black{0, 0, 0};
  const skin::Paint redToGreen{skin::Fill::VerticalGradient, {255, 0, 0}, {0, 160, 0}};
  const double ends = std::min(skin::ContrastRatio(black, redToGreen.first),
                               skin::ContrastRatio(black, redToGreen.second));
  EXPECT_LT(skin::LowestContrast(black, redToGreen), ends - 1.0);

  const skin::Paint stripes{skin::Fill::Stripes, {255, 255, 255}, {60, 60, 60}};
  EXPECT_NEAR(skin::LowestContrast(black, stripes), skin::ContrastRatio(black, stripes.second), 1e-9);
  const skin::Paint solid{skin::Fill::Solid, {255, 255, 255}, {0, 0, 0}};
  EXPECT_NEAR(skin::LowestContrast(black, solid), 21.0, 1e-9);
}

// The painter draws a gradient over an area of any height, Mix(first, second, y, h - 1).
// Every colour of some height must count: areas up to 511 rows give each colour a gradient
// can have, so the lowest contrast over them is exactly the lowest one.
TEST(Colour, LowestContrastSeesTheGradientAtEveryHeight) {
  const struct {
    Rgb text;
    skin::Paint paint;
  } cases[] = {
      // A colour only some heights draw: sampling 255 steps missed it.
      {{0, 0, 0}, {skin::Fill::VerticalGradient, {241, 194, 107}, {48, 249, 14}}},
      {{255, 255, 255}, {skin::Fill::HorizontalGradient, {30, 60, 200}, {31, 62, 90}}},
      {{20, 20, 20}, {skin::Fill::VerticalGradient, {250, 250, 250}, {0, 255, 1}}},
      {{0, 0, 0}, {skin::Fill::VerticalGradient, {120, 120, 120}, {120, 120, 120}}},
  };
  for (const auto& c : cases) {
    double drawn = skin::ContrastRatio(c.text, c.paint.first);
    for (int height = 2; height <= 511; ++height) {
      for (int y = 0; y < height; ++y) {
        drawn = std::min(drawn, skin::ContrastRatio(c.text, skin::ColourAt(c.paint, y, y, height, height)));
      }
    }
    EXPECT_DOUBLE_EQ(skin::LowestContrast(c.text, c.paint), drawn);
  }
}

}  // namespace
