#include "ui/result_cleanup.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultCleanup, RemovesCarriageReturnReferencesAtCharacterBoundaries) {
  const struct {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"empty", "", ""},
      {"lines", "one&#xD;\ntwo&#xD;\n", "one\ntwo\n"},
      {"only references", "&#xD;&#xD;", ""},
      {"lower case stays", "a&#xd;b&#XD;c", "a&#xd;b&#XD;c"},
      {"nested leaves one", "&#x&#xD;D;", "&#xD;"},
      {"short tail copied", "ab&#x", "ab&#x"},
      {"other references stay", "&amp;&lt;&#xA;", "&amp;&lt;&#xA;"},
      // A lead byte takes the next byte with it, so "&" as a trail byte starts no match.
      {"trail byte is not a start", "\x81&#xD;", "\x81&#xD;"},
      {"after a double-byte character", "\xD6\xD0&#xD;", "\xD6\xD0"},
      {"lone lead byte at end", "x&#xD;\xD6", "x\xD6"},
      {"euro is a one-byte character", "\x80&#xD;\x80", "\x80\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(ui::RemoveCarriageReturnReferences(c.in), c.out) << c.name;
}

}  // namespace
