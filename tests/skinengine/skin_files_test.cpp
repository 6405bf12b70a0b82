// The 55 shipped skin files: each one parses, reads well, and looks unlike the others.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "format/colour.h"
#include "format/skin_parser.h"
#include "skin_file_fixture.h"

namespace {

constexpr int kSkinCount = 55;
constexpr double kTextContrast = 4.5;     // text must reach this on what it is drawn on
constexpr double kGraphicContrast = 3.0;  // glyphs (caption boxes, the list's arrow)

skin::Skin Load(int number) {
  const Bytes file = ReadSkinFile(number);
  skin::Skin parsed{};
  const skin::ParseResult result = skin::ParseSkin(file.data(), file.size(), parsed);
  EXPECT_EQ(result.status, skin::ParseStatus::Ok) << "skin " << number << " line " << result.line;
  EXPECT_GE(file.size(), 4u);
  if (file.size() >= 4) {
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), ".SHE") << number;
  }
  return parsed;
}

TEST(SkinFiles, EveryTextReadsOnWhatItIsDrawnOn) {
  const skin::Rgb black{0, 0, 0}, white{255, 255, 255};
  for (int number = 1; number <= kSkinCount; ++number) {
    const skin::Skin s = Load(number);
    const struct {
      const char* what;
      double contrast;
      double needed;
    } checks[] = {
        {"black label text on the client area", skin::LowestContrast(black, s.client), kTextContrast},
        {"caption text", skin::LowestContrast(s.captionText, s.caption), kTextContrast},
        {"inactive caption text", skin::LowestContrast(s.inactiveCaptionText, s.inactiveCaption), kTextContrast},
        {"button text", skin::LowestContrast(s.buttonText, s.button), kTextContrast},
        {"hovered button text", skin::LowestContrast(s.buttonText, s.buttonHover), kTextContrast},
        {"pressed button text", skin::LowestContrast(s.buttonText, s.buttonPressed), kTextContrast},
        {"text box text", skin::ContrastRatio(s.editText, s.editBackground), kTextContrast},
        {"closed list text", skin::ContrastRatio(s.comboText, s.comboBackground), kTextContrast},
        {"opened list text", skin::ContrastRatio(s.listText, s.listBackground), kTextContrast},
        {"caption box glyph", skin::ContrastRatio(s.captionButtonGlyph, s.captionButtonFace), kGraphicContrast},
        {"hovered caption box glyph", skin::ContrastRatio(s.captionButtonGlyph, s.captionButtonHover), kGraphicContrast},
        {"pressed caption box glyph", skin::ContrastRatio(s.captionButtonGlyph, s.captionButtonPressed), kGraphicContrast},
        {"close box glyph (drawn white)", skin::ContrastRatio(white, s.closeButtonHover), kGraphicContrast},
        {"list arrow", skin::ContrastRatio(s.comboArrow, s.comboButton), kGraphicContrast},
    };
    for (const auto& check : checks) {
      EXPECT_GE(check.contrast, check.needed) << "skin " << number << " (" << s.name << "): " << check.what;
    }
  }
}

TEST(SkinFiles, NoTwoSkinsLookAlike) {
  std::set<std::string> names;
  std::set<std::tuple<int, int, int>> palettes;
  std::set<std::tuple<int, int, int, int, int>> styles;
  int styleRepeats = 0;
  for (int number = 1; number <= kSkinCount; ++number) {
    const skin::Skin s = Load(number);
    EXPECT_TRUE(names.insert(s.name).second) << "name repeated: " << s.name;
    const auto key = [](skin::Rgb c) { return c.r << 16 | c.g << 8 | c.b; };
    EXPECT_TRUE(palettes.insert({key(s.client.first), key(s.caption.first), key(s.button.first)}).second)
        << "palette repeated: skin " << number;
    styleRepeats += !styles.insert({static_cast<int>(s.client.fill), static_cast<int>(s.caption.fill),
                                    static_cast<int>(s.frameStyle), static_cast<int>(s.buttonShape),
                                    static_cast<int>(s.captionButtonShape)}).second;
  }
  // Styles come from a handful of choices, so some repeat; most combinations must not.
  EXPECT_LT(styleRepeats, kSkinCount / 4);
  EXPECT_TRUE(ReadSkinFile(kSkinCount + 1).empty()) << "a 56th skin file appeared";
}

}  // namespace
