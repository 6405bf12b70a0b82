#include "text/ansi_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FindCase {
  const char* name;
  std::string haystack;
  std::string needle;
  std::size_t from;
  std::size_t expected;
};

TEST(AnsiText, FindFromStepsOverDoubleByteCharacters) {
  const FindCase cases[] = {
      {"plain", "abcabc", "bc", 0, 1},
      {"from later", "abcabc", "bc", 2, 4},
      {"missing", "abc", "x", 0, text::kNotFound},
      {"needle longer than rest", "abc", "cd", 0, text::kNotFound},
      {"from past end", "abc", "c", 3, text::kNotFound},
      // 謀 is D6 5C: its trail byte is a backslash and must not match.
      {"trail byte is backslash", "\xD6\x5C" "a", "\\", 0, text::kNotFound},
      // 中 is D6 D0; "\xD0" followed by "A" exists only across a character boundary.
      {"match across characters", "\xD6\xD0" "A", "\xD0" "A", 0, text::kNotFound},
      {"double-byte needle", "a\xD6\xD0" "b", "\xD6\xD0", 0, 1},
      {"lone lead byte at end", "ab\xD6", "\xD6", 0, 2},
      {"case matters", "ABC", "b", 0, text::kNotFound},
      // 0x80 (the euro sign) and 0xFF are one-byte characters in code page 936.
      {"euro before a marker", "ab\x80</string>", "</string>", 0, 3},
      {"euro at the end", "ab\x80", "\x80", 0, 2},
      {"0xFF is no lead byte", "\xFF" "a", "a", 0, 1},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(text::FindFrom(c.haystack, c.needle, c.from), c.expected) << c.name;
  }
}

TEST(AnsiText, FindLastCharIgnoresTrailBytes) {
  EXPECT_EQ(text::FindLastChar("a\\b\\c", '\\'), 3u);
  EXPECT_EQ(text::FindLastChar("a\\b\xD6\x5C", '\\'), 1u);
  EXPECT_EQ(text::FindLastChar("abc", '\\'), text::kNotFound);
  // A folder whose name ends in the euro sign (0x80, a one-byte character).
  EXPECT_EQ(text::FindLastChar("C:\\d\x80\\L.exe", '\\'), 5u);
  EXPECT_EQ(text::FindLastChar("", '\\'), text::kNotFound);
}

}  // namespace
