#include "format/skin_keys.h"

#include "format/skin_parser.h"

namespace skin {
namespace {

template <typename Enum>
struct EnumName {
  const char* name;
  Enum value;
};

constexpr EnumName<Fill> kFills[] = {{"solid", Fill::Solid},
                                     {"vgradient", Fill::VerticalGradient},
                                     {"hgradient", Fill::HorizontalGradient},
                                     {"stripes", Fill::Stripes}};
constexpr EnumName<FrameStyle> kFrameStyles[] = {{"flat", FrameStyle::Flat},
                                                 {"raised", FrameStyle::Raised},
                                                 {"double", FrameStyle::Double},
                                                 {"inset", FrameStyle::Inset}};
constexpr EnumName<Shape> kShapes[] = {{"square", Shape::Square},
                                       {"rounded", Shape::Rounded},
                                       {"beveled", Shape::Beveled},
                                       {"outline", Shape::Outline}};
constexpr EnumName<CaptionAlign> kAligns[] = {{"left", CaptionAlign::Left},
                                              {"centre", CaptionAlign::Centre}};

template <typename Enum, std::size_t N>
bool ParseEnum(std::string_view value, const EnumName<Enum> (&names)[N], Enum& out) {
  for (const auto& entry : names) {
    if (value == entry.name) {
      out = entry.value;
      return true;
    }
  }
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "#RRGGBB"
bool ParseColour(std::string_view value, Rgb& out) {
  if (value.size() != 7 || value[0] != '#') return false;
  int channels[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexDigit(value[1 + 2 * i]), low = HexDigit(value[2 + 2 * i]);
    if (high < 0 || low < 0) return false;
    channels[i] = high * 16 + low;
  }
  out = {static_cast<std::uint8_t>(channels[0]), static_cast<std::uint8_t>(channels[1]),
         static_cast<std::uint8_t>(channels[2])};
  return true;
}

template <Rgb Skin::*Member>
bool SetColour(Skin& skin, std::string_view value) {
  return ParseColour(value, skin.*Member);
}

template <Paint Skin::*Member>
bool SetFill(Skin& skin, std::string_view value) {
  return ParseEnum(value, kFills, (skin.*Member).fill);
}

template <Paint Skin::*Member>
bool SetFirst(Skin& skin, std::string_view value) {
  return ParseColour(value, (skin.*Member).first);
}

template <Paint Skin::*Member>
bool SetSecond(Skin& skin, std::string_view value) {
  return ParseColour(value, (skin.*Member).second);
}

bool SetName(Skin& skin, std::string_view value) {
  if (value.empty() || value.size() > kMaxNameLength) return false;
  skin.name.assign(value.data(), value.size());
  return true;
}

bool SetCaptionAlign(Skin& skin, std::string_view value) {
  return ParseEnum(value, kAligns, skin.captionAlign);
}

bool SetFrameStyle(Skin& skin, std::string_view value) {
  return ParseEnum(value, kFrameStyles, skin.frameStyle);
}

bool SetCaptionButtonShape(Skin& skin, std::string_view value) {
  return ParseEnum(value, kShapes, skin.captionButtonShape);
}

bool SetButtonShape(Skin& skin, std::string_view value) {
  return ParseEnum(value, kShapes, skin.buttonShape);
}

// 0 to 12 pixels, one or two decimal digits.
bool SetButtonRadius(Skin& skin, std::string_view value) {
  if (value.empty() || value.size() > 2) return false;
  int radius = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return false;
    radius = radius * 10 + (c - '0');
  }
  if (radius > 12) return false;
  skin.buttonRadius = radius;
  return true;
}

}  // namespace

const KeyRule kKeys[] = {
    {"name", SetName},
    {"client.fill", SetFill<&Skin::client>},
    {"client.colour", SetFirst<&Skin::client>},
    {"client.colour2", SetSecond<&Skin::client>},
    {"caption.fill", SetFill<&Skin::caption>},
    {"caption.colour", SetFirst<&Skin::caption>},
    {"caption.colour2", SetSecond<&Skin::caption>},
    {"caption.text", SetColour<&Skin::captionText>},
    {"caption.inactive.fill", SetFill<&Skin::inactiveCaption>},
    {"caption.inactive.colour", SetFirst<&Skin::inactiveCaption>},
    {"caption.inactive.colour2", SetSecond<&Skin::inactiveCaption>},
    {"caption.inactive.text", SetColour<&Skin::inactiveCaptionText>},
    {"caption.align", SetCaptionAlign},
    {"frame.style", SetFrameStyle},
    {"frame.colour", SetColour<&Skin::frame>},
    {"frame.light", SetColour<&Skin::frameLight>},
    {"frame.shadow", SetColour<&Skin::frameShadow>},
    {"captionbutton.shape", SetCaptionButtonShape},
    {"captionbutton.face", SetColour<&Skin::captionButtonFace>},
    {"captionbutton.hover", SetColour<&Skin::captionButtonHover>},
    {"captionbutton.pressed", SetColour<&Skin::captionButtonPressed>},
    {"captionbutton.glyph", SetColour<&Skin::captionButtonGlyph>},
    {"captionbutton.close.hover", SetColour<&Skin::closeButtonHover>},
    {"button.shape", SetButtonShape},
    {"button.radius", SetButtonRadius},
    {"button.fill", SetFill<&Skin::button>},
    {"button.colour", SetFirst<&Skin::button>},
    {"button.colour2", SetSecond<&Skin::button>},
    {"button.hover.fill", SetFill<&Skin::buttonHover>},
    {"button.hover.colour", SetFirst<&Skin::buttonHover>},
    {"button.hover.colour2", SetSecond<&Skin::buttonHover>},
    {"button.pressed.fill", SetFill<&Skin::buttonPressed>},
    {"button.pressed.colour", SetFirst<&Skin::buttonPressed>},
    {"button.pressed.colour2", SetSecond<&Skin::buttonPressed>},
    {"button.text", SetColour<&Skin::buttonText>},
    {"button.border", SetColour<&Skin::buttonBorder>},
    {"button.focus", SetColour<&Skin::buttonFocus>},
    {"button.disabled.text", SetColour<&Skin::buttonDisabledText>},
    {"edit.background", SetColour<&Skin::editBackground>},
    {"edit.text", SetColour<&Skin::editText>},
    {"edit.border", SetColour<&Skin::editBorder>},
    {"edit.focus.border", SetColour<&Skin::editFocusBorder>},
    {"combo.background", SetColour<&Skin::comboBackground>},
    {"combo.text", SetColour<&Skin::comboText>},
    {"combo.button", SetColour<&Skin::comboButton>},
    {"combo.arrow", SetColour<&Skin::comboArrow>},
    {"list.background", SetColour<&Skin::listBackground>},
    {"list.text", SetColour<&Skin::listText>},
};

const std::size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

}  // namespace skin
