#include "translate/extract_between.h"
#include "translate/exchange_form.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using translate::kAnswerEndMarker;
using translate::kAnswerStartMarker;

std::string Extract(const std::string& answer) {
  return translate::ExtractBetween(answer, kAnswerStartMarker, kAnswerEndMarker);
}

TEST(ExtractBetween, TakesTheContentOfTheFirstStringElement) {
  const std::string start(kAnswerStartMarker);
  const struct {
    const char* name;
    std::string answer;
    std::string expected;
  } cases[] = {
      {"plain content", start + "hello</string>", "hello"},
      {"inside a document", "<?xml version=\"1.0\"?>" + start + "x y</string>\r\n", "x y"},
      {"empty element", start + "</string>", ""},
      {"end marker only", "<html>error</string></html>", ""},
      {"start marker only", start + "no end", ""},
      {"end marker before start only", "</string>" + start + "abc", ""},
      {"two elements", start + "first</string>" + start + "second</string>", "first"},
      {"references stay as they are", start + "a&amp;b&#xD;\nc</string>", "a&amp;b&#xD;\nc"},
      {"marker differing in case",
       "<String xmlns=\"http://schemas.microsoft.com/2003/10/Serialization/\">x</string>", ""},
      {"other namespace", "<string xmlns=\"http://example.com/\">x</string>", ""},
      // 中文 is D6 D0 CE C4 in code page 936.
      {"double-byte content", start + "\xD6\xD0\xCE\xC4</string>", "\xD6\xD0\xCE\xC4"},
      {"empty answer", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Extract(c.answer), c.expected) << c.name;
  }
}

// A trail byte equal to the marker's first byte must not begin a match.
TEST(ExtractBetween, NoMatchBeginsOnATrailByte) {
  // "\x81<" is one double-byte character; the "<" inside it is not an end marker.
  const std::string start(kAnswerStartMarker);
  EXPECT_EQ(Extract(start + "a\x81</string>b</string>"), "a\x81</string>b");
  EXPECT_EQ(translate::ExtractBetween("\x81[x]", "[", "]"), "");
  EXPECT_EQ(translate::ExtractBetween("[\x81]x]", "[", "]"), "\x81]x");
}

TEST(RequestUrl, PiecesInTheirOrder) {
  EXPECT_EQ(translate::BuildRequestUrl("127.0.0.1:18080", "%61%62%63", "from=en&to=zh-CHS"),
            "http://127.0.0.1:18080/v2/Http.svc/Translate?appId="
            "7A1C3E9B06D8F2A4C5B7E1D09F3A6C8E2B4D7F10&text=%61%62%63&from=en&to=zh-CHS");
  EXPECT_EQ(translate::BuildRequestUrl("h", "", "from=&to=zh-CHS"),
            "http://h/v2/Http.svc/Translate?appId="
            "7A1C3E9B06D8F2A4C5B7E1D09F3A6C8E2B4D7F10&text=&from=&to=zh-CHS");
}

}  // namespace
