#include "translate/text_conversion.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/gbk.h"

namespace {

// This program also runs under an English locale (ANSI code page 1252, see
// CMakeLists.txt); the source text must be read as code page 936 in both runs.
TEST(QueryEncoding, ReadsCodePage936WhateverTheAnsiCodePage) {
  const char* expected = std::getenv("LEXORIN_EXPECT_ACP");
  if (expected != nullptr) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
  }
  // C4 E3 BA C3 is 你好 in code page 936 and "ÄãºÃ" in code page 1252.
  EXPECT_EQ(translate::EncodeQueryText("\xC4\xE3\xBA\xC3"), "%E4%BD%A0%E5%A5%BD");
  EXPECT_EQ(translate::EncodeQueryText(Gbk(u8"中文 a&b")),
            "%E4%B8%AD%E6%96%87%20%61%26%62");
}

TEST(QueryEncoding, SourceTexts) {
  const struct {
    const char* name;
    std::string source;
    const char* encoded;
  } cases[] = {
      {"ASCII", "abc", "%61%62%63"},
      {"delimiters", "a b&+=", "%61%20%62%26%2B%3D"},
      {"CR LF and low bytes", "\r\n\x01", "%0D%0A%01"},
      {"empty", "", ""},
      {"ends at the first zero byte", std::string("ab\0cd", 5), "%61%62"},
      // A lead byte followed by a byte that cannot trail it: the platform substitutes
      // "?" and no error is reported.
      {"invalid sequence", "a\x81\x20" "b", "%61%3F%62"},
      {"lone lead byte at the end", "a\x81", "%61%3F"},
      {"euro sign of code page 936", "\x80", "%E2%82%AC"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(translate::EncodeQueryText(c.source), c.encoded) << c.name;
  }
}

TEST(AnswerConversion, ToTheAnsiCodePage) {
  EXPECT_EQ(translate::Utf16ToAnsi(L"\u4F60\u597D abc"), Gbk(u8"你好 abc"));
  // Thai has no place in code page 936: the default character stands in.
  EXPECT_EQ(translate::Utf16ToAnsi(L"a\u0E01b"), "a?b");
  EXPECT_EQ(translate::Utf16ToAnsi(L"ab\0cd"), "ab");
  EXPECT_EQ(translate::Utf16ToAnsi(L""), "");
  EXPECT_EQ(translate::Utf16ToAnsi(nullptr), "");
}

}  // namespace
