#pragma once
// A parsed skin: every colour and style the engine draws with. Plain data, no platform
// types, so the parser and the contrast checks build and run anywhere.
#include <cstdint>
#include <string>

namespace skin {

struct Rgb {
  std::uint8_t r, g, b;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// How an area is filled between its two colours.
enum class Fill { Solid, VerticalGradient, HorizontalGradient, Stripes };

// The window border drawn around the caption and client area.
enum class FrameStyle { Flat, Raised, Double, Inset };

// The shape of push buttons and of the caption buttons.
enum class Shape { Square, Rounded, Beveled, Outline };

enum class CaptionAlign { Left, Centre };

// Two colours and how they fill an area; the first alone when the fill is solid.
struct Paint {
  Fill fill;
  Rgb first, second;
};

struct Skin {
  std::string name;

  Paint client;  // labels always draw black text on it

  Paint caption, inactiveCaption;
  Rgb captionText, inactiveCaptionText;
  CaptionAlign captionAlign;

  FrameStyle frameStyle;
  Rgb frame, frameLight, frameShadow;

  Shape captionButtonShape;
  Rgb captionButtonFace, captionButtonHover, captionButtonPressed, captionButtonGlyph;
  Rgb closeButtonHover;

  Shape buttonShape;
  int buttonRadius;  // corner radius in pixels for rounded buttons
  Paint button, buttonHover, buttonPressed;
  Rgb buttonText, buttonBorder, buttonFocus, buttonDisabledText;

  Rgb editBackground, editText, editBorder, editFocusBorder;

  Rgb comboBackground, comboText, comboButton, comboArrow;
  Rgb listBackground, listText;
};

}  // namespace skin
