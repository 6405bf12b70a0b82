#include <gtest/gtest.h>

#include <string>

#include "format/skin_parser.h"
#include "skin_file_fixture.h"

namespace {

using skin::ParseStatus;

skin::ParseResult Parse(const Bytes& file, skin::Skin& out) {
  return skin::ParseSkin(file.data(), file.size(), out);
}

ParseStatus StatusOf(const Bytes& file) {
  skin::Skin out{};
  return Parse(file, out).status;
}

// Replaces the first line that starts with `key =` by `line` (or drops it when empty).
std::string WithLine(const std::string& body, const std::string& key, const std::string& line) {
  const std::size_t at = body.find("\n" + key + " =");
  if (at == std::string::npos) return body + line + "\n";
  const std::size_t end = body.find('\n', at + 1);
  return body.substr(0, at + 1) + (line.empty() ? "" : line + "\n") + body.substr(end + 1);
}

TEST(SkinParser, ReadsTheFixtureAndReportsWhereALineIsWrong) {
  skin::Skin out{};
  ASSERT_EQ(Parse(WrapBody(ValidBody()), out).status, ParseStatus::Ok);
  EXPECT_EQ(out.name, "Jade Harbour");

  const std::string broken = WithLine(ValidBody(), "edit.text", "edit.text = #12345");
  const skin::ParseResult result = Parse(WrapBody(broken), out);
  EXPECT_EQ(result.status, ParseStatus::BadValue);
  std::size_t lineOfEditText = 1;
  for (char c : broken.substr(0, broken.find("edit.text ="))) lineOfEditText += c == '\n';
  EXPECT_EQ(result.line, lineOfEditText);
}

TEST(SkinParser, AcceptsLayoutFreedoms) {
  const std::string body = ValidBody();
  std::string crlf;
  for (char c : body) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::string reordered = WithLine(body, "name", "");
  reordered = "\n\t# comment\n   name\t=  Jade Harbour  \n\n" + reordered;
  std::string noFinalNewline = body.substr(0, body.size() - 1);
  for (const std::string& variant : {crlf, reordered, noFinalNewline}) {
    EXPECT_EQ(StatusOf(WrapBody(variant)), ParseStatus::Ok) << variant.substr(0, 80);
  }
}

TEST(SkinParser, RefusesBadHeaders) {
  const std::string body = ValidBody();
  Header magic;
  magic.magic = ".SHF";
  Header lowerMagic;
  lowerMagic.magic = ".she";
  Header version0, version2, versionHigh;
  version0.version = 0;
  version2.version = 2;
  versionHigh.version = 0x0101;
  Header reserved;
  reserved.reserved = 1;
  Header longer, shorter, huge;
  longer.lengthDelta = 1;
  shorter.lengthDelta = -1;
  huge.lengthDelta = 0x7FFFFFFF;
  const struct {
    Header header;
    ParseStatus expected;
  } cases[] = {
      {magic, ParseStatus::BadMagic},           {lowerMagic, ParseStatus::BadMagic},
      {version0, ParseStatus::UnsupportedVersion}, {version2, ParseStatus::UnsupportedVersion},
      {versionHigh, ParseStatus::UnsupportedVersion}, {reserved, ParseStatus::BadHeader},
      {longer, ParseStatus::LengthMismatch},    {shorter, ParseStatus::LengthMismatch},
      {huge, ParseStatus::LengthMismatch},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StatusOf(WrapBody(body, c.header)), c.expected) << c.header.magic << " " << c.header.version;
  }
}

TEST(SkinParser, RefusesEveryTruncationAndNothingAtAll) {
  const Bytes whole = WrapBody(ValidBody());
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_NE(StatusOf(cut), ParseStatus::Ok) << size;
  }
  skin::Skin out{};
  EXPECT_EQ(skin::ParseSkin(nullptr, 0, out).status, ParseStatus::TooShort);
}

TEST(SkinParser, SizeLimitIsExact) {
  const std::string body = ValidBody();
  const std::size_t room = skin::kMaxFileSize - skin::kHeaderSize - body.size();
  std::string padded = body;
  while (padded.size() - body.size() + 101 <= room) padded += "#" + std::string(99, 'x') + "\n";
  padded += std::string(room - (padded.size() - body.size()), '\n');
  ASSERT_EQ(WrapBody(padded).size(), skin::kMaxFileSize);
  EXPECT_EQ(StatusOf(WrapBody(padded)), ParseStatus::Ok);
  EXPECT_EQ(StatusOf(WrapBody(padded + "\n")), ParseStatus::TooLarge);
}

TEST(SkinParser, RefusesMalformedBodies) {
  const std::string body = ValidBody();
  const struct {
    std::string body;
    ParseStatus expected;
  } cases[] = {
      {body + std::string(1, '\0'), ParseStatus::BadCharacter},
      {WithLine(body, "name", "name = Jade\xB0Harbour"), ParseStatus::BadCharacter},
      {body + "\x7F\n", ParseStatus::BadCharacter},
      {body + "#" + std::string(skin::kMaxLineLength, 'x') + "\n", ParseStatus::LineTooLong},
      {body + "just words\n", ParseStatus::BadLine},
      {body + "= #FFFFFF\n", ParseStatus::BadLine},
      {body + "Button.text = #FFFFFF\n", ParseStatus::BadLine},
      {body + "button.texture = #FFFFFF\n", ParseStatus::UnknownKey},
      {body + "edit.text = #000000\n", ParseStatus::DuplicateKey},
      {WithLine(body, "list.text", ""), ParseStatus::MissingKey},
      {WithLine(body, "name", ""), ParseStatus::MissingKey},
      {"", ParseStatus::MissingKey},
      {WithLine(body, "edit.text", "edit.text = 000000"), ParseStatus::BadValue},
      {WithLine(body, "edit.text", "edit.text = #00000G"), ParseStatus::BadValue},
      {WithLine(body, "edit.text", "edit.text = #0000000"), ParseStatus::BadValue},
      {WithLine(body, "edit.text", "edit.text ="), ParseStatus::BadValue},
      {WithLine(body, "client.fill", "client.fill = diagonal"), ParseStatus::BadValue},
      {WithLine(body, "client.fill", "client.fill = Solid"), ParseStatus::BadValue},
      {WithLine(body, "button.radius", "button.radius = 13"), ParseStatus::BadValue},
      {WithLine(body, "button.radius", "button.radius = -1"), ParseStatus::BadValue},
      {WithLine(body, "button.radius", "button.radius = 007"), ParseStatus::BadValue},
      {WithLine(body, "name", "name ="), ParseStatus::BadValue},
      {WithLine(body, "name", "name = " + std::string(skin::kMaxNameLength + 1, 'n')), ParseStatus::BadValue},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StatusOf(WrapBody(c.body)), c.expected) << c.body.substr(c.body.size() > 60 ? c.body.size() - 60 : 0);
  }
}

TEST(SkinParser, RefusalLeavesTheCallersSkinUntouched) {
  skin::Skin out{};
  out.name = "before";
  out.buttonRadius = 7;
  const std::string body = WithLine(ValidBody(), "list.text", "list.text = nope");
  EXPECT_EQ(Parse(WrapBody(body), out).status, ParseStatus::BadValue);
  EXPECT_EQ(out.name, "before");
  EXPECT_EQ(out.buttonRadius, 7);
}

// Every colour key fills its own member: with all colours different, no two members of
// the parsed skin are equal.
TEST(SkinParser, EachColourKeyLandsInItsOwnMember) {
  std::string body;
  int next = 1;
  std::size_t start = 0;
  const std::string source = ValidBody();
  while (start < source.size()) {
    std::size_t end = source.find('\n', start);
    if (end == std::string::npos) end = source.size();
    std::string line = source.substr(start, end - start);
    const std::size_t hash = line.find("= #");
    if (hash != std::string::npos) {
      char colour[8];
      std::snprintf(colour, sizeof colour, "#%06X", next++);
      line = line.substr(0, hash + 2) + colour;
    }
    body += line + "\n";
    start = end + 1;
  }
  skin::Skin out{};
  ASSERT_EQ(Parse(WrapBody(body), out).status, ParseStatus::Ok);
  const skin::Rgb colours[] = {
      out.client.first, out.client.second, out.caption.first, out.caption.second, out.captionText,
      out.inactiveCaption.first, out.inactiveCaption.second, out.inactiveCaptionText, out.frame,
      out.frameLight, out.frameShadow, out.captionButtonFace, out.captionButtonHover,
      out.captionButtonPressed, out.captionButtonGlyph, out.closeButtonHover, out.button.first,
      out.button.second, out.buttonHover.first, out.buttonHover.second, out.buttonPressed.first,
      out.buttonPressed.second, out.buttonText, out.buttonBorder, out.buttonFocus,
      out.buttonDisabledText, out.editBackground, out.editText, out.editBorder, out.editFocusBorder,
      out.comboBackground, out.comboText, out.comboButton, out.comboArrow, out.listBackground,
      out.listText};
  const std::size_t count = sizeof colours / sizeof colours[0];
  EXPECT_EQ(static_cast<int>(count), next - 1);
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t j = i + 1; j < count; ++j) EXPECT_FALSE(colours[i] == colours[j]) << i << " " << j;
  }
}

}  // namespace
