#include "translate/percent_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The UTF-8 bytes as the conversion from code page 936 hands them over.
TEST(PercentEncoding, EveryByteBecomesPercentAndTwoUppercaseDigits) {
  const struct {
    const char* name;
    std::string utf8;
    const char* encoded;
  } cases[] = {
      {"letters", "abc", "%61%62%63"},
      {"unreserved characters too", "-._~09AZ", "%2D%2E%5F%7E%30%39%41%5A"},
      {"Chinese", u8"\u4F60\u597D", "%E4%BD%A0%E5%A5%BD"},  // 你好
      {"space is never +", "a b", "%61%20%62"},
      {"query delimiters", "&+=?#%", "%26%2B%3D%3F%23%25"},
      {"CR LF", "\r\n", "%0D%0A"},
      {"bytes below 0x10 keep two digits", std::string("\x01\x0F", 2), "%01%0F"},
      {"highest byte", "\xFF", "%FF"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(translate::PercentEncodeBytes(c.utf8), c.encoded) << c.name;
  }
}

TEST(PercentEncoding, ZeroByteInsideIsEncodedNotDropped) {
  EXPECT_EQ(translate::PercentEncodeBytes(std::string("a\0b", 3)), "%61%00%62");
}

}  // namespace
